#include "bezier.h"
#include "geometry_assertions.h"

using Elevate = SceneTest;

TEST_F(Elevate, WorkedExamples) {
  Point line[kMaxPoints] = {Point(0, 4), Point(2, 8)};
  elevateDegree(line, 1, 1);
  EXPECT_POINT_EQ(line[1], Point(1, 6));
  EXPECT_POINT_EQ(line[2], Point(2, 8));

  Point parabola[kMaxPoints] = {Point(0, 0), Point(1, 2), Point(2, 0)};
  elevateDegree(parabola, 2, 1);
  EXPECT_POINT_EQ(parabola[1], Point(0.6666667f, 1.3333334f));
  EXPECT_POINT_EQ(parabola[2], Point(1.3333334f, 1.3333334f));
  EXPECT_POINT_EQ(parabola[3], Point(2, 0));

  Point half[kMaxPoints] = {Point(0, 0), Point(0, 0.5f), Point(0.25f, 0.75f), Point(0.5f, 0.75f)};
  elevateDegree(half, 3, 1);
  const Point expected[] = {Point(0, 0), Point(0, 0.375f), Point(0.125f, 0.625f),
                            Point(0.3125f, 0.75f), Point(0.5f, 0.75f)};
  for (int k = 0; k <= 4; ++k) {
    EXPECT_POINT_EQ(half[k], expected[k]);
  }
}

TEST_F(Elevate, RecordsPointsThenEdges) {
  Point P[kMaxPoints] = {Point(1, 1), Point(3, 5), Point(4, 0)};
  elevateDegree(P, 2, 0);
  EXPECT_POINT_EQ(P[1], Point(3, 5));
  ASSERT_EQ(scene.points.size(), 3u);
  EXPECT_EQ(countPoints(kBlack), 3);
  ASSERT_EQ(countSegments(kMagenta), 2);
  EXPECT_POINT_EQ(scene.segments[1].b, Point(4, 0));

  scene = Scene();
  Point single[kMaxPoints] = {Point(2, 3)};
  elevateDegree(single, 0, 3);
  EXPECT_EQ(countPoints(kBlack), 4);
  EXPECT_EQ(countSegments(kMagenta), 3);
  EXPECT_POINT_EQ(single[3], Point(2, 3));

  // A negative amount keeps the polygon and records only P[0..n + r].
  scene = Scene();
  elevateDegree(P, 2, -1);
  EXPECT_EQ(scene.points.size(), 2u);
  EXPECT_EQ(scene.segments.size(), 1u);
  elevateDegree(P, 2, -5);
  EXPECT_EQ(scene.points.size(), 2u);
}

TEST_F(Elevate, KeepsTheEndsAndTheShape) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> parameter(0.0f, 1.0f);
  std::uniform_int_distribution<int> degree(1, 10);
  Point P[kMaxPoints];
  for (int trial = 0; trial < 40; ++trial) {
    const int n = degree(rng);
    const int r = std::uniform_int_distribution<int>(1, kMaxElevatedSegments - n)(rng);
    randomPolygon(rng, P, n);
    Point before[kMaxPoints];
    std::copy(P, P + kMaxPoints, before);
    elevateDegree(P, n, r);
    EXPECT_POINT_EQ(P[0], before[0]);
    EXPECT_POINT_EQ(P[n + r], before[n]);
    EXPECT_EQ(P[n + r].color, kBlack);
    // Rounding at every pass and every level: up to 1.5e-6 of the size at degree 50.
    for (int i = 0; i < 100; ++i) {
      const float t = parameter(rng);
      EXPECT_POINT_NEAR(evaluateBezier(P, t, n + r), evaluateBezier(before, t, n),
                        2e-6f * kPolygonScale)
          << "n " << n << " r " << r << " t " << t;
    }
  }
}
