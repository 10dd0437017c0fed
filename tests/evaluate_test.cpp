#include <vector>

#include "bezier.h"
#include "casteljau.h"
#include "geometry_assertions.h"

namespace {

// The curve in Bernstein form, an independent route to the same point.
Point bernstein(const Point P[], int n, double t) {
  long double x = 0;
  long double y = 0;
  long double binomial = 1;
  for (int i = 0; i <= n; ++i) {
    const long double w = binomial * std::pow((long double)t, i) * std::pow(1.0L - t, n - i);
    x += w * P[i].x;
    y += w * P[i].y;
    binomial = binomial * (n - i) / (i + 1);
  }
  return Point(static_cast<float>(x), static_cast<float>(y));
}

}  // namespace

TEST(Evaluate, WorkedExamples) {
  const Point line[] = {Point(1, 3), Point(2, -5)};
  EXPECT_POINT_EQ(evaluateBezier(line, 0.5f, 1), Point(1.5f, -1));
  const Point cubic[] = {Point(0, 0), Point(0, 1), Point(1, 1), Point(1, 0)};
  EXPECT_POINT_EQ(evaluateBezier(cubic, 0.5f, 3), Point(0.5f, 0.75f));
  EXPECT_POINT_EQ(evaluateBezier(cubic, 0.3f, -1), Point(0, 0));
}

TEST(Evaluate, EndsAreExactAndTheCurveIsRight) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> parameter(0.0f, 1.0f);
  Point P[kMaxPoints];
  for (int n = 0; n <= 12; ++n) {
    randomPolygon(rng, P, n);
    P[0].color = kCyan;
    const Point start = evaluateBezier(P, 0.0f, n);
    EXPECT_POINT_EQ(start, P[0]);
    EXPECT_EQ(start.color, kCyan);
    EXPECT_POINT_EQ(evaluateBezier(P, 1.0f, n), P[n]);
    EXPECT_EQ(evaluateBezier(P, 1.0f, n).color, kCyan);
    for (int i = 0; i < 200; ++i) {
      const float t = parameter(rng);
      // Each level rounds to float, relative to the polygon size about 1e-6.
      EXPECT_POINT_NEAR(evaluateBezier(P, t, n), bernstein(P, n, t), 1e-6f * kPolygonScale);
    }
  }
}

using Sample = SceneTest;

TEST_F(Sample, TracesAThousandPointsInOrderWithItsColour) {
  const Point cubic[] = {Point(0, 0), Point(0, 1), Point(1, 1), Point(1, 0)};
  sampleCurve(cubic, 3, kRed);
  ASSERT_EQ(scene.points.size(), static_cast<size_t>(kSampleCount));
  EXPECT_EQ(countPoints(kRed), kSampleCount);
  EXPECT_POINT_EQ(scene.points.front(), cubic[0]);
  EXPECT_POINT_EQ(scene.points.back(), cubic[3]);
  // The x of this cubic grows with t, so order shows as monotone x.
  for (size_t i = 1; i < scene.points.size(); ++i) {
    EXPECT_LT(scene.points[i - 1].x, scene.points[i].x);
  }
  EXPECT_POINT_NEAR(scene.sceneMax, Point(1, 0.75f), 1e-5);

  scene = Scene();
  sampleCurve(cubic, 0, kBlue);
  EXPECT_EQ(countPoints(kBlue), kSampleCount);
  EXPECT_POINT_EQ(scene.points[kSampleCount / 2], cubic[0]);
  scene = Scene();
  sampleCurve(cubic, -1, kBlue);
  EXPECT_POINT_EQ(scene.points[kSampleCount - 1], Point(0, 0));
}

// The trace of every instruction set this processor has, and the one
// sampleCurve chose, give the bits of single evaluations.
TEST_F(Sample, AgreesBitForBitWithSingleEvaluations) {
  using Trace = void (*)(const Point[], int, const float[], float[], float[]);
  std::vector<Trace> traces = {traceSse2};
  if (__builtin_cpu_supports("fma") && __builtin_cpu_supports("avx2")) {
    traces.push_back(traceAvx2);
  }
  if (__builtin_cpu_supports("fma") && __builtin_cpu_supports("avx512f")) {
    traces.push_back(traceAvx512);
  }
  float t[kTraced];
  for (int i = 0; i < kTraced; ++i) {
    t[i] = static_cast<float>(i * (1.0 / 999));
  }
  std::mt19937 rng(11);
  Point P[kMaxPoints];
  float x[kTraced];
  float y[kTraced];
  for (int n : {1, 2, 3, 7, 50, 99}) {
    scene = Scene();
    randomPolygon(rng, P, n);
    sampleCurve(P, n, kRed);
    for (const Trace trace : traces) {
      trace(P, n, t, x, y);
      for (int i = 0; i < kSampleCount; ++i) {
        const Point single = evaluateBezier(P, t[i], n);
        EXPECT_POINT_EQ(Point(x[i], y[i]), single) << "n " << n << " i " << i;
        EXPECT_POINT_EQ(scene.points[i], single) << "n " << n << " i " << i;
      }
    }
  }
}
