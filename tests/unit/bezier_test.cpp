#include <hwy/targets.h>

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "bezier.h"
#include "dialogue_run.h"
#include "trace.h"

// Points' coordinates, which gtest compares and prints as a whole.
using Pairs = std::vector<std::pair<float, float>>;
static Pairs coordinates(const Point* points, int count) {
  Pairs pairs;
  std::transform(points, points + count, std::back_inserter(pairs), xy);
  return pairs;
}

static std::string listing(Point P[], int n, int r1, int r2) {
  return printedBy([&](std::FILE* out) {
    splitAndElevate(P, n, r1, r2, out);
  });
}

// What the listings of tests/cases cannot show: lone evaluations, and what
// a split records.
TEST(Bezier, WorkedExamples) {
  scene = Scene();
  Point cubic[kMaxPoints] = {Point(0, 0), Point(0, 1), Point(1, 1), Point(1, 0)};
  // Its working by hand: the scheme's levels 0 to 3, then the first half (the
  // first point of each level) raised by one.
  Point scheme[10], passes[9];
  midpointScheme(cubic, 3, scheme);
  const Pairs levels{{0, 0},    {0, 1},    {1, 1},         {1, 0},         {0, 0.5f},
                     {0.5f, 1}, {1, 0.5f}, {0.25f, 0.75f}, {0.75f, 0.75f}, {0.5f, 0.75f}};
  EXPECT_EQ(coordinates(scheme, 10), levels);
  const Point half[] = {scheme[0], scheme[4], scheme[7], scheme[9]};
  elevationPasses(half, 3, 1, passes);
  EXPECT_EQ(coordinates(passes + 4, 5),
            (Pairs{{0, 0}, {0, 0.375f}, {0.125f, 0.625f}, {0.3125f, 0.75f}, {0.5f, 0.75f}}));
  EXPECT_EQ(xy(evaluateBezier(cubic, 0.25f, 3)), xy(Point(0.15625f, 0.5625f)));
  EXPECT_EQ(xy(evaluateBezier(cubic, 0.5f, -1)), xy(Point(0, 0)));
  listing(cubic, 3, 1, 0);
  EXPECT_EQ(xy(scene.segments.back().b), xy(Point(0.5f, 0.75f)));  // edges join neighbours
  // At degree 0 the curve is its one point; below, the origin is traced.
  Point single[kMaxPoints] = {Point(-3, 4)};
  listing(single, 0, 0, 0);
  EXPECT_EQ(xy(scene.points.back()), xy(single[0]));
  listing(single, 0, -1, 1);
  EXPECT_EQ(xy(scene.points.back()), xy(Point(0, 0)));
}

constexpr int kDegrees[] = {1, 2, 3, 7, 20, 50, 99};

// A polygon of degree n with coordinates in (-1000, 1000), in a whole array.
static std::vector<Point> randomPolygon(int n, std::mt19937& rng) {
  std::uniform_real_distribution<float> coordinate(-1000, 1000);
  std::vector<Point> P(kMaxPoints);
  std::generate_n(P.begin(), n + 1, [&] {
    return Point(coordinate(rng), coordinate(rng));
  });
  return P;
}

// The vector units to try: those this build has and the processor runs. A
// build for one alone (the page's) has nothing to choose, nor the library.
#if (HWY_TARGETS & (HWY_TARGETS - 1)) == 0
static std::vector<int64_t> targetsToTry() { return {HWY_TARGETS}; }
static void chooseTarget(int64_t) {}
#else
static std::vector<int64_t> targetsToTry() { return hwy::SupportedAndGeneratedTargets(); }
static void chooseTarget(int64_t target) { hwy::SetSupportedTargetsForTest(target); }
#endif

// On every vector unit this build has and the processor runs, the trace gives
// the bits of single evaluations at thousands of random t, and sampleCurve at
// its own parameters. The single evaluations are worked out once for all.
TEST(Bezier, EveryTraceGivesTheBitsOfSingleEvaluations) {
  std::mt19937 rng(11);
  std::vector<float> t(kTraced), x(kTraced), y(kTraced);
  std::generate(t.begin(), t.end(), [&] {
    return std::uniform_real_distribution<float>()(rng);
  });
  std::vector<std::vector<Point>> polygons, atT(std::size(kDegrees)), sampled(std::size(kDegrees));
  for (size_t d = 0; d < std::size(kDegrees); ++d) {
    polygons.push_back(randomPolygon(kDegrees[d], rng));
    for (int i = 0; i < kSampleCount; ++i) {
      atT[d].push_back(evaluateBezier(polygons[d].data(), t[i], kDegrees[d]));
      sampled[d].push_back(evaluateBezier(polygons[d].data(), i / 999.0f, kDegrees[d]));
    }
  }
  std::string tried = "trace targets tried:";
  for (const int64_t target : targetsToTry()) {
    chooseTarget(target);
    ASSERT_STREQ(traceTarget(), hwy::TargetName(target));
    tried = tried + " " + traceTarget();
    for (size_t d = 0; d < std::size(kDegrees); ++d) {
      SCOPED_TRACE(std::string(traceTarget()) + ", degree " + std::to_string(kDegrees[d]));
      traceCurve(polygons[d].data(), kDegrees[d], t.data(), x.data(), y.data());
      scene = Scene();
      sampleCurve(polygons[d].data(), kDegrees[d], kRed);
      ASSERT_EQ(scene.points.size(), static_cast<size_t>(kSampleCount));
      for (int i = 0; i < kSampleCount; ++i) {
        ASSERT_EQ(x[i], atT[d][i].x) << "t " << t[i];
        ASSERT_EQ(y[i], atT[d][i].y) << "t " << t[i];
        ASSERT_EQ(xy(scene.points[i]), xy(sampled[d][i])) << i;
      }
    }
  }
  chooseTarget(0);
  std::puts(tried.c_str());
}

// The construction at t, at degrees 0, 1, 3 and 50: at t = 1/2 the midpoint
// scheme bit for bit, and at t = 0, 1/2, 1 and a trace parameter its last
// level the trace's sample there.
TEST(Bezier, TheConstructionAtT) {
  std::mt19937 rng(13);
  for (const int n : {0, 1, 3, 50}) {
    SCOPED_TRACE("degree " + std::to_string(n));
    const std::vector<Point> P = randomPolygon(n, rng);
    const int count = (n + 1) * (n + 2) / 2;
    std::vector<Point> construction(count), scheme(count);
    casteljauScheme(P.data(), n, 0.5f, construction.data());
    midpointScheme(P.data(), n, scheme.data());
    EXPECT_EQ(coordinates(construction.data(), count), coordinates(scheme.data(), count));
    scene = Scene();
    sampleCurve(P.data(), n, kRed);
    for (const int sample : {0, 999, 371}) {
      casteljauScheme(P.data(), n, sample / 999.0f, construction.data());
      EXPECT_EQ(xy(construction.back()), xy(scene.points[sample])) << sample;
    }
    casteljauScheme(P.data(), n, 0.5f, construction.data());
    EXPECT_EQ(xy(construction.back()), xy(evaluateBezier(P.data(), 0.5f, n)));
  }
}

// The working's arrays hold the largest working exactly: the scheme of a
// curve of degree 50, its last point the curve's at 1/2, and the passes that
// raise a point to degree 50, the last the point itself; the slot past each
// stays as it was.
TEST(Bezier, TheLargestWorkingFillsItsArrays) {
  std::mt19937 rng(7);
  const std::vector<Point> P = randomPolygon(kMaxElevatedSegments, rng);
  const Point unused(7, 7);
  std::vector<Point> scheme(kMaxWorkingPoints + 1, unused), passes(kMaxWorkingPoints + 1, unused);
  midpointScheme(P.data(), kMaxElevatedSegments, scheme.data());
  elevationPasses(P.data(), 0, kMaxElevatedSegments, passes.data());
  EXPECT_EQ(xy(scheme[kMaxWorkingPoints - 1]),
            xy(evaluateBezier(P.data(), 0.5f, kMaxElevatedSegments)));
  EXPECT_EQ(xy(passes[kMaxWorkingPoints - 1]), xy(P[0]));
  EXPECT_EQ(xy(scheme.back()), xy(unused));
  EXPECT_EQ(xy(passes.back()), xy(unused));
}

// A curve's ends are its end points bit for bit; elevation keeps them and the
// curve; the split halves retrace the two halves of the curve; the working
// gives the listing's floats bit for bit: the last pass that raises the
// levels' first points, and the levels' last points.
TEST(Bezier, EndsElevationAndSplitKeepTheCurve) {
  std::mt19937 rng(5);
  // Within float rounding of such a curve: about 1e-3.
  const auto apart = [](Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
  };
  for (const int n : kDegrees) {
    SCOPED_TRACE("degree " + std::to_string(n));
    std::vector<Point> P = randomPolygon(n, rng);
    P[0].color = kCyan;
    EXPECT_EQ(xy(evaluateBezier(P.data(), 0, n)), xy(P[0]));
    EXPECT_EQ(xy(evaluateBezier(P.data(), 1, n)), xy(P[n]));
    EXPECT_EQ(evaluateBezier(P.data(), 1, n).color, kCyan);
    if (n >= kMaxElevatedSegments)
      continue;
    std::vector<Point> raised = P;
    const int r = std::uniform_int_distribution<int>(1, kMaxElevatedSegments - n)(rng);
    elevateDegree(raised.data(), n, r);
    EXPECT_EQ(xy(raised[0]), xy(P[0]));
    EXPECT_EQ(xy(raised[n + r]), xy(P[n]));
    scene = Scene();
    std::vector<Point> scratch = P;
    // Black: the first half raised by r, the second from the curve's end; Blue: the first half.
    listing(scratch.data(), n, r, 0);
    const Point* second = scene.points.data() + n + r + 1;
    std::vector<Point> scheme(kMaxWorkingPoints), passes(kMaxWorkingPoints), firstPoints,
        lastPoints;
    midpointScheme(P.data(), n, scheme.data());
    for (int k = 0, start = 0; k <= n; start += n + 1 - k, ++k) {
      firstPoints.push_back(scheme[start]);
      lastPoints.push_back(scheme[start + n - k]);
    }
    elevationPasses(firstPoints.data(), n, r, passes.data());
    EXPECT_EQ(coordinates(passes.data() + r * (2 * n + r + 1) / 2, n + r + 1),
              coordinates(scene.points.data(), n + r + 1));
    EXPECT_EQ(coordinates(lastPoints.data(), n + 1), coordinates(second, n + 1));
    for (int i = 0; i < kSampleCount; i += 37) {
      const float t = i / 999.0f;
      const Point curve = evaluateBezier(raised.data(), t, n + r);
      EXPECT_LT(apart(curve, evaluateBezier(P.data(), t, n)), 2e-3) << t;
      EXPECT_LT(apart(second[n + 1 + i], evaluateBezier(raised.data(), t / 2, n + r)), 2e-3) << t;
      EXPECT_LT(
          apart(evaluateBezier(second, t, n), evaluateBezier(raised.data(), 1 - t / 2, n + r)),
          2e-3)
          << t;
    }
  }
}
