#include <cstdio>
#include <string>

#include "bezier.h"
#include "console_capture.h"
#include "geometry_assertions.h"

namespace {

// What splitAndElevate prints.
std::string splitListing(Point P[], int n, int r1, int r2) {
  std::FILE* out = std::tmpfile();
  splitAndElevate(P, n, r1, r2, out);
  return contents(out);
}

}  // namespace

using Split = SceneTest;

TEST_F(Split, ListsBothHalvesFromTheirOuterEnds) {
  Point cubic[kMaxPoints] = {Point(0, 0), Point(0, 1), Point(1, 1), Point(1, 0)};
  EXPECT_EQ(splitListing(cubic, 3, 1, 0),
            " (0.00,0.00)  (0.00,0.38)  (0.13,0.63)  (0.31,0.75)  (0.50,0.75) "
            " (1.00,0.00)  (1.00,0.50)  (0.75,0.75)  (0.50,0.75) ");
  EXPECT_EQ(countPoints(kBlack), 9);
  EXPECT_EQ(countSegments(kMagenta), 7);
  EXPECT_EQ(countPoints(kBlue), kSampleCount);

  scene = Scene();
  Point line[kMaxPoints] = {Point(0, 0), Point(2, 2)};
  EXPECT_EQ(splitListing(line, 1, 0, 0), " (0.00,0.00)  (1.00,1.00)  (2.00,2.00)  (1.00,1.00) ");

  scene = Scene();
  Point single[kMaxPoints] = {Point(3, 4)};
  EXPECT_EQ(splitListing(single, 0, 0, 1), " (3.00,4.00)  (3.00,4.00)  (3.00,4.00) ");

  // A half whose elevated degree is negative lists nothing and traces the origin.
  scene = Scene();
  EXPECT_EQ(splitListing(single, 0, -1, 0), " (3.00,4.00) ");
  EXPECT_POINT_EQ(scene.points.back(), Point(0, 0));
}

TEST_F(Split, HalvesRetraceTheCurve) {
  std::mt19937 rng(5);
  Point P[kMaxPoints];
  for (int n = 1; n <= 20; ++n) {
    scene = Scene();
    randomPolygon(rng, P, n);
    Point input[kMaxPoints];
    std::copy(P, P + kMaxPoints, input);
    Point midpoint = evaluateBezier(input, 0.5f, n);
    splitListing(P, n, 0, 0);
    // Black points: the first half, then the second listed backwards.
    const Point* L = scene.points.data();
    const Point* R = L + n + 1;
    EXPECT_POINT_EQ(L[0], input[0]);
    EXPECT_POINT_EQ(R[0], input[n]);
    EXPECT_POINT_EQ(L[n], R[n]);
    EXPECT_POINT_NEAR(L[n], midpoint, 1e-6f * kPolygonScale);
    // The Blue trace follows the input curve from t = 0 to t = 1/2.
    const Point* blue = R + n + 1;
    for (int i = 0; i < kSampleCount; i += 37) {
      const double t = i * (1.0 / 999);
      EXPECT_POINT_NEAR(blue[i], evaluateBezier(input, static_cast<float>(t / 2), n),
                        1e-6f * kPolygonScale);
      EXPECT_POINT_NEAR(evaluateBezier(R, static_cast<float>(t), n),
                        evaluateBezier(input, static_cast<float>(1 - t / 2), n),
                        1e-6f * kPolygonScale);
    }
  }
}
