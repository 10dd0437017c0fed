#include <algorithm>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "bezier.h"
#include "judge.h"
#include "listing.h"

namespace {

// The README's example, 0 0, 1 2, 2 0. Its sheet, worked by hand: level 1
// (0.5, 1), (1.5, 1); level 2 (1, 1); the first half (0, 0), (0.5, 1), (1, 1)
// raised to degree 3: (1/3, 2/3), (2/3, 1); then to degree 4: (1/4, 1/2),
// (1/2, 5/6), (3/4, 1). The second half is not raised.
const Point kExample[kMaxPoints] = {Point(0, 0), Point(1, 2), Point(2, 0)};

struct Sheet {
  const char* what;
  int r1;
  const char* fields;  // one a line
  const char* marks;   // a letter a field: x not a number, r right, f follows, w wrong, e empty
  std::string said;    // of the first wrong point
};

// The first point of level 1 and the second of the first pass, as the first wrong point.
const std::string kLevel1 =
    "Nivo 1, 1. tacka: sredina (0,00, 0,00) i (1,00, 2,00) je (0,50, 1,00), a napisano je ";
const std::string kPass =
    "1. deo, stepen 3, 2. tacka: 1/3 * (0,00, 0,00) + 2/3 * (0,50, 1,00) je "
    "(0,33, 0,67), a napisano je ";

const Sheet kSheets[] = {
    {"right as a student writes it", 1, " 0,5 \n1\n3/2\n1,00\t\n1\n1\n1/3\n 2/3\n0,67\n1",
     "rrrrrrrrrr", ""},
    {"half done, a refused field not judged", 1, "0,5\nabc\n\n\n\n1", "rxeerreeee", ""},
    {"no numbers, the last longer than any hand writes", 2,
     "1,5,0\n1.\n,5\n1e5\n--1\n+1\n1/-3\n3/0\n1 5\n1/2/3\n1/0.5\n"
     "9999999999999999999999999999999999999999999999999999999999999999999999",
     "xxxxxxxxxxxxeeee", ""},
    {"the rule in the student's numbers; an empty point's true value stands in", 1,
     "0,5\n2\n\n\n1\n1,5", "wweeffeeee", kLevel1 + "(0,50, 2,00)."},
    {"the middle of the wrong pair", 1, "1,5\n1\n1,5\n1\n1\n1\n1/3\n2/3", "wwrrrrrree",
     kLevel1 + "(1,50, 1,00). Izgleda da je uzeta sredina pogresnog para: 2. i 3. tacke nivoa 0."},
    {"x and y exchanged", 1, "1\n0,5", "wweeeeeeee",
     kLevel1 + "(1,00, 0,50). Izgleda da su x i y zamenjeni."},
    {"a sign lost, y not written", 1, "-0,5\n", "wweeeeeeee",
     kLevel1 + "(-0,50, ?). Izgleda da je izgubljen znak."},
    {"the weights exchanged", 1, "0,5\n1\n1,5\n1\n1\n1\n0,17\n0,33\n0,67\n1", "rrrrrrwwrr",
     kPass + "(0,17, 0,33). Izgleda da su tezine zamenjene."},
    {"the weights of the degree before", 1, "\n\n\n\n\n\n1/4\n1/2", "eeeeeewwee",
     kPass + "(0,25, 0,50). Izgleda da su uzete tezine prethodnog stepena: 1/2 umesto 1/3."},
    {"a slip followed through two passes", 2,
     "0,5\n2\n1,5\n1\n1\n1,5\n1/3\n4/3\n2/3\n11/6\n0,25\n1\n0,5\n19/12\n0,75\n1,75",
     "wwrrffffffffffff", kLevel1 + "(0,50, 2,00)."},
};

TEST(Judge, SheetsOfTheExample) {
  for (const Sheet& sheet : kSheets) {
    SCOPED_TRACE(sheet.what);
    Judgement judged;
    judgeSheet(kExample, 2, sheet.r1, 0, sheet.fields, judged);
    EXPECT_STREQ(judged.marks, sheet.marks);
    EXPECT_EQ(judged.firstWrong, sheet.said);
  }
}

// Where floats are coarser than two decimals, each coordinate is judged by
// its own: x up to 2^18, where floats are 1/32 apart, y below 1.
TEST(Judge, EachCoordinateByItsOwnPrecision) {
  const Point P[kMaxPoints] = {Point(0, 0), Point(131072, 1), Point(262144, 0)};
  Judgement judged;
  judgeSheet(P, 2, 0, 0, "65536\n0,52\n196608,3\n0,5", judged);
  EXPECT_STREQ(judged.marks, "wwrree");
}

// The sheet filled in from the working itself, each number as the listing
// writes it: the scheme's levels 1 to n, then each half's passes.
std::string fromTheWorking(const Point P[], int n, int r1, int r2) {
  std::vector<Point> scheme(kMaxWorkingPoints);
  std::vector<Point> passes(kMaxWorkingPoints);
  midpointScheme(P, n, scheme.data());
  std::string fields;
  const auto write = [&fields](const Point& p) {
    fields += formatCoordinate(p.x) + "\n" + formatCoordinate(p.y) + "\n";
  };
  std::for_each(scheme.begin() + n + 1, scheme.begin() + (n + 1) * (n + 2) / 2, write);
  const int amounts[] = {r1, r2};
  for (int h = 0; h < 2; ++h) {
    Point half[kMaxPoints];  // the first point of every level, or the last
    for (int k = 0, begin = 0; k <= n; begin += n + 1 - k, ++k) {
      half[k] = scheme[h == 0 ? begin : begin + n - k];
    }
    elevationPasses(half, n, amounts[h], passes.data());
    for (int m = n + 1, begin = n + 1; m <= n + amounts[h]; begin += m + 1, ++m) {
      std::for_each(passes.begin() + begin + 1, passes.begin() + begin + m, write);
    }
  }
  return fields;
}

// Exercises filled in from their own working, all right: the largest sheet,
// a line raised to degree 50 twice, then random ones of every size.
TEST(Judge, TheWorkingItselfIsRight) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> coordinate(-1000, 1000);
  for (int trial = 0; trial < 40; ++trial) {
    const int n = trial == 0 ? 1 : std::uniform_int_distribution<int>(0, kMaxElevatedSegments)(rng);
    std::uniform_int_distribution<int> amount(-n, kMaxElevatedSegments - n);
    const int r1 = trial == 0 ? kMaxElevatedSegments - n : amount(rng);
    const int r2 = trial == 0 ? r1 : amount(rng);
    Point P[kMaxPoints];
    std::generate_n(P, n + 1, [&] {
      return Point(coordinate(rng), coordinate(rng));
    });
    const std::string fields = fromTheWorking(P, n, r1, r2);
    SCOPED_TRACE("degree " + std::to_string(n) + ", amounts " + std::to_string(r1) + " and " +
                 std::to_string(r2));
    Judgement judged;
    judgeSheet(P, n, r1, r2, fields.c_str(), judged);
    EXPECT_EQ(judged.marks, std::string(std::count(fields.begin(), fields.end(), '\n'), 'r'));
    EXPECT_STREQ(judged.firstWrong, "");
  }
}

}  // namespace
