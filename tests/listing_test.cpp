#include <cstdio>
#include <random>
#include <string>

#include "console_capture.h"
#include "geometry_assertions.h"
#include "listing.h"

TEST(Listing, ExactTiesRoundAwayFromZero) {
  EXPECT_EQ(formatCoordinate(0.125f), "0.13");
  EXPECT_EQ(formatCoordinate(0.625f), "0.63");
  EXPECT_EQ(formatCoordinate(-0.125f), "-0.13");
  EXPECT_EQ(formatCoordinate(0.375f), "0.38");
  EXPECT_EQ(formatCoordinate(-0.875f), "-0.88");
  EXPECT_EQ(formatCoordinate(2.675f), "2.67");  // not a tie as a float
  EXPECT_EQ(formatCoordinate(1000.125f), "1000.13");
  EXPECT_EQ(formatCoordinate(-2.5f), "-2.50");
  EXPECT_EQ(formatCoordinate(0.0f), "0.00");
}

TEST(Listing, EverythingElsePrintsAsPrintfDoes) {
  std::mt19937 rng(1);
  std::uniform_real_distribution<float> value(-2000.0f, 2000.0f);
  std::uniform_int_distribution<int> eighths(-16000, 16000);
  char expected[64];
  for (int i = 0; i < 20000; ++i) {
    // Half of them just beside a tie, where a careless rounding goes wrong.
    float v = value(rng);
    if (v * 8 == std::floor(v * 8)) {
      continue;  // every exact tie is a multiple of 1/8
    }
    if (i % 2 == 1) {
      v = eighths(rng) / 8.0f;
      v = std::nextafter(v, i % 4 == 1 ? 1e9f : -1e9f);
    }
    std::snprintf(expected, sizeof expected, "%.2f", static_cast<double>(v));
    EXPECT_EQ(formatCoordinate(v), expected) << v;
  }
}

TEST(Listing, PairIsSpaceParenthesesSpace) {
  std::FILE* out = std::tmpfile();
  printPair(out, Point(0.125f, -3));
  EXPECT_EQ(contents(out), " (0.13,-3.00) ");
}
