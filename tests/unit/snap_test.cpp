#include <cfloat>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "snap.h"

// The coordinate that a point moved on the page is given, for the pixel's
// span of the scene under the pointer.
TEST(Snap, TheShortestDecimalInsideThePixel) {
  struct Row {
    const char* what;
    double low;
    double high;
    float given;
  };
  const Row rows[] = {
      {"a pixel that holds an integer", 0.9987, 1.0021, 1},
      {"one that holds 1.25", 1.2471, 1.2538, 1.25f},
      {"the same on the negative side", -1.2538, -1.2471, -1.25f},
      {"a pixel across zero", -0.0012, 0.0019, 0},
      {"one whose left edge is zero", 0, 0.0019, 0},
      {"one whose right edge is zero", -0.0019, 0, 0},
      {"one whose right edge is the decimal", 0.95, 1, 1},
      {"one whose decimal of one digit is off its middle", 0.25, 0.34, 0.3f},
      {"one beside zero", 0.000121, 0.000178, 0.00015f},
      {"a span whose decimals of one digit lie outside it", 0.31, 0.37, 0.34f},
      {"a ten past the span's middle", 9.6, 10.4, 10},
      {"a pixel near 1e-30", 1.23e-30, 1.27e-30, 1.25e-30f},
      {"one near the floats' largest", 3.3e38, 3.5e38, 3.4e38f},
      {"one across the floats' largest", 3.4e38, 3.6e38, 3.4e38f},
      {"one wholly past it", 3.5e38, 3.6e38, FLT_MAX},
      {"and on the negative side", -3.6e38, -3.5e38, -FLT_MAX},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(shortestInside(row.low, row.high), row.given) << row.what;
  }
}

// Over random pixels of every size, each the float of a decimal inside it.
TEST(Snap, AlwaysInsideThePixel) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-38, 37);
  std::uniform_real_distribution<double> width(1e-6, 1e-2);
  for (int run = 0; run < 10000; ++run) {
    const double low = mantissa(rng) * std::pow(10.0, exponent(rng));
    const double high = low + std::fabs(low) * width(rng);
    const double given = shortestInside(low, high);
    // The float of a decimal in the span, as near to it as a float is.
    const double slack = std::fabs(low) * FLT_EPSILON;
    EXPECT_GE(given, low - slack) << low << " " << high;
    EXPECT_LE(given, high + slack) << low << " " << high;
  }
}
