#include <cfloat>

#include <gtest/gtest.h>

#include "snap.h"

// The coordinate that a point moved on the page is given, for the pixel's
// span of the scene under the pointer.
TEST(Snap, TheShortestDecimalInsideThePixel) {
  struct Row {
    const char* what;
    double low, high;
    float given;
  };
  const Row rows[] = {
      {"a pixel that holds an integer", 0.9987, 1.0021, 1},
      {"one that holds 1.25", 1.2471, 1.2538, 1.25f},
      {"a pixel across zero", -0.0012, 0.0019, 0},
      {"one whose left edge is zero", 0, 0.0019, 0},
      {"one whose right edge is zero", -0.0019, 0, 0},
      {"one whose right edge is the decimal", 0.95, 1, 1},
      {"one whose decimal of one digit is off its middle", 0.25, 0.34, 0.3f},
      {"one beside zero", 0.000121, 0.000178, 0.00015f},
      {"a span whose decimals of one digit lie outside it", 0.31, 0.37, 0.34f},
      {"a pixel near 1e-30", 1.23e-30, 1.27e-30, 1.25e-30f},
      {"one near the floats' largest", 3.3e38, 3.5e38, 3.4e38f},
      {"one wholly past it", 3.5e38, 3.6e38, FLT_MAX},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(shortestInside(row.low, row.high), row.given) << row.what;
  }
}
