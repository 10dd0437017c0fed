#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <ostream>
#include <random>

#include "scene.h"

inline std::ostream& operator<<(std::ostream& os, const Point& p) {
  return os << std::setprecision(9) << '(' << p.x << ", " << p.y << ')';
}

inline ::testing::AssertionResult pointsNear(const char* ea, const char* eb, const char*,
                                             const Point& a, const Point& b, double tolerance) {
  if (std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << ea << " is " << a << ", " << eb << " is " << b << ", beyond " << tolerance;
}

inline ::testing::AssertionResult pointsEqual(const char* ea, const char* eb, const Point& a,
                                              const Point& b) {
  return pointsNear(ea, eb, "", a, b, 0.0);
}

// Same coordinates to the last bit.
#define EXPECT_POINT_EQ(a, b) EXPECT_PRED_FORMAT2(pointsEqual, a, b)
// Same coordinates up to `tolerance`.
#define EXPECT_POINT_NEAR(a, b, tolerance) EXPECT_PRED_FORMAT3(pointsNear, a, b, tolerance)

// Coordinates of randomPolygon lie within this many units of the origin.
constexpr float kPolygonScale = 1000.0f;

// A control polygon of degree n with coordinates in [-kPolygonScale, kPolygonScale].
inline void randomPolygon(std::mt19937& rng, Point P[], int n) {
  std::uniform_real_distribution<float> coordinate(-kPolygonScale, kPolygonScale);
  for (int i = 0; i <= n; ++i) {
    P[i] = Point(coordinate(rng), coordinate(rng));
  }
}

inline long countPoints(int color) {
  return std::count_if(scene.points.begin(), scene.points.end(),
                       [&](const Point& p) { return p.color == color; });
}

inline long countSegments(int color) {
  return std::count_if(scene.segments.begin(), scene.segments.end(),
                       [&](const Segment& s) { return s.color == color; });
}

// Every test starts from the scene a run starts with.
class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override { scene = Scene(); }
};
