#include <random>

#include <gtest/gtest.h>

#include "bezier.h"
#include "casteljau.h"
#include "geometry_assertions.h"
#include "listing.h"

static std::string listing(Point P[], int n, int r1, int r2) {
  return printedBy([&](std::FILE* out) { splitAndElevate(P, n, r1, r2, out); });
}

// Within float rounding of a random polygon's curve, about 1e-3.
static bool near(const Point& a, const Point& b) { return std::hypot(a.x - b.x, a.y - b.y) < 2e-3; }

TEST(Bezier, WorkedExamples) {
  scene = Scene();
  Point cubic[kMaxPoints] = {Point(0, 0), Point(0, 1), Point(1, 1), Point(1, 0)};
  EXPECT_EQ(xy(evaluateBezier(cubic, 0.25f, 3)), xy(Point(0.15625f, 0.5625f)));
  EXPECT_EQ(xy(evaluateBezier(cubic, 0.5f, -1)), xy(Point(0, 0)));
  // The first half raised by one, exact ties away from zero; the second half
  // from the curve's end: 5 + 4 points and 4 + 3 edges.
  EXPECT_EQ(listing(cubic, 3, 1, 0),
            " (0.00,0.00)  (0.00,0.38)  (0.13,0.63)  (0.31,0.75)  (0.50,0.75) "
            " (1.00,0.00)  (1.00,0.50)  (0.75,0.75)  (0.50,0.75) ");
  EXPECT_EQ(countIn(scene.points, kBlack) + countIn(scene.segments, kMagenta), 9 + 7);
  EXPECT_EQ(xy(scene.segments.back().b), xy(Point(0.5f, 0.75f)));  // edges join neighbours
  // A negative amount lists P[0..n + r]; below degree 0 the origin is traced.
  Point single[kMaxPoints] = {Point(-3, 4)};
  EXPECT_EQ(listing(single, 0, -1, 1), " (-3.00,4.00)  (-3.00,4.00) ");
  EXPECT_EQ(xy(scene.points.back()), xy(Point(0, 0)));
  EXPECT_EQ(formatCoordinate(-1000.125f) + formatCoordinate(2.675f), "-1000.132.67");
}

// Over random polygons: every trace this processor has, and the one sampleCurve
// chose, gives the bits of single evaluations, which keep the polygon's ends;
// elevation keeps the ends and the curve; the split halves retrace the curve.
TEST(Bezier, CurvesOverRandomPolygons) {
  using Trace = void (*)(const Point[], int, const float[], float[], float[]);
  const bool fma = __builtin_cpu_supports("fma");
  const std::pair<Trace, bool> traces[] = {{traceSse2, true},
                                           {traceAvx2, fma && __builtin_cpu_supports("avx2")},
                                           {traceAvx512, fma && __builtin_cpu_supports("avx512f")}};
  float t[kTraced];
  std::generate(t, t + kTraced,
                [i = 0]() mutable { return static_cast<float>(i++ * (1.0 / 999)); });
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> coordinate(-1000, 1000);
  Point P[kMaxPoints];
  for (int n : {0, 1, 2, 3, 7, 20, 50, 99}) {
    scene = Scene();
    std::generate(P, P + n + 1, [&] { return Point(coordinate(rng), coordinate(rng)); });
    P[0].color = kCyan;
    EXPECT_EQ(std::pair(xy(evaluateBezier(P, 0, n)), xy(evaluateBezier(P, 1, n))),
              std::pair(xy(P[0]), xy(P[n])));
    EXPECT_EQ(evaluateBezier(P, 1, n).color, kCyan);
    sampleCurve(P, n, kRed);
    ASSERT_EQ(countIn(scene.points, kRed), kSampleCount);
    for (const auto& [trace, supported] : traces) {
      float x[kTraced], y[kTraced];
      if (supported && n > 0)
        trace(P, n, t, x, y);
      for (int i = 0; i < kSampleCount; ++i) {
        const Point single = evaluateBezier(P, t[i], n);
        EXPECT_EQ(xy(scene.points[i]), xy(single)) << "n " << n << " i " << i;
        EXPECT_TRUE(!supported || n == 0 || (x[i] == single.x && y[i] == single.y)) << i;
      }
    }
    if (n >= kMaxElevatedSegments)
      continue;
    Point raised[kMaxPoints];
    std::copy(P, P + kMaxPoints, raised);
    const int r = std::uniform_int_distribution<int>(1, kMaxElevatedSegments - n)(rng);
    elevateDegree(raised, n, r);
    EXPECT_EQ(std::pair(xy(raised[0]), xy(raised[n + r])), std::pair(xy(P[0]), xy(P[n])));
    for (int i = 0; i < kSampleCount; i += 37)
      EXPECT_TRUE(near(evaluateBezier(raised, t[i], n + r), evaluateBezier(P, t[i], n))) << i;
    scene = Scene();
    listing(P, n, 0, 0);  // Black: the halves from the outer ends; Blue: the first half
    const Point* second = scene.points.data() + n + 1;
    for (int i = 0; i < kSampleCount; i += 37) {
      EXPECT_TRUE(near(second[n + 1 + i], evaluateBezier(raised, t[i] / 2, n + r))) << n << i;
      EXPECT_TRUE(
          near(evaluateBezier(second, t[i], n), evaluateBezier(raised, 1 - t[i] / 2, n + r)));
    }
  }
}
