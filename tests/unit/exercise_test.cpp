#include <gtest/gtest.h>

#include "exercise.h"

// The README's example, 0 0, 1 2, 2 0, with the amounts given; at degree 50
// its later points at the origin.
static Exercise example(int r1, int r2, int n = 2) {
  Exercise exercise;
  exercise.n = n;
  exercise.control[1] = Point(1, 2);
  exercise.control[2] = Point(2, 0);
  exercise.r1 = r1;
  exercise.r2 = r2;
  return exercise;
}

// A point added on the example's first edge, the amounts at their limits:
// the exercise it gives, or the one it had where it breaks one; and points
// taken away, down to degree 0, where none is.
TEST(Exercise, PointsAddedAndTakenAway) {
  std::string degree50 = "50+0+0+0.5+1+1+2+2+0";  // then 47 points at the origin, and the amounts
  for (int i = 4; i <= kMaxDegree + 1; ++i) {
    degree50 += "+0+0";
  }
  const std::tuple<Exercise, Added, std::string> rows[] = {
      {example(47, 47), Added::kAdded, "3+0+0+0.5+1+1+2+2+0+47+47"},
      {example(0, 0, kMaxDegree - 1), Added::kAdded, degree50},
      {example(48, 0), Added::kFirstAmount, "2+0+0+1+2+2+0+48+0"},
      {example(1, 48), Added::kSecondAmount, "2+0+0+1+2+2+0+1+48"},
      {example(-1, -1, kMaxDegree), Added::kDegree, answersOf(example(-1, -1, kMaxDegree))}};
  for (auto [exercise, added, after] : rows) {
    EXPECT_EQ(insertPoint(exercise, 1, Point(0.5f, 1)), added) << after;
    EXPECT_EQ(answersOf(exercise), after);
  }
  Exercise taken = example(1, 0);
  EXPECT_TRUE(removePoint(taken, 1));
  EXPECT_EQ(answersOf(taken), "1+0+0+2+0+1+0");
  EXPECT_TRUE(removePoint(taken, 1));
  EXPECT_FALSE(removePoint(taken, 0));
  EXPECT_EQ(answersOf(taken), "0+0+0+1+0");
}

// A link's coordinates: each float's shortest text, a whole number whole,
// and an exponent without the "+" that separates answers.
TEST(Exercise, AnswersAsALinkHoldsThem) {
  Exercise far = example(0, 0, 1);
  far.control[0] = Point(0.1f, 100);
  far.control[1] = Point(1e20f, 2);
  EXPECT_EQ(answersOf(far), "1+0.1+100+1e20+2+0+0");
}
