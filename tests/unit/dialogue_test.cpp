#include <random>

#include <gtest/gtest.h>

#include "dialogue_run.h"

// The bytes of a scene's shapes: coordinates and colours.
template <class Shapes>
std::string bytesOf(const Shapes& shapes) {
  return {reinterpret_cast<const char*>(shapes.data()), shapes.size() * sizeof shapes[0]};
}

// What a run records for the window; what it prints is in tests/cases. The
// colours are counted by the colour table's own codes.
TEST(Dialogue, RecordsTheExerciseInItsColours) {
  converse(kExample);
  EXPECT_EQ(countIn(scene.points, 4), 3) << "Orange control points";
  EXPECT_EQ(countIn(scene.points, 0), 1000) << "Red samples of the curve";
  EXPECT_EQ(countIn(scene.points, 9), 7) << "Black points of both elevated halves";
  EXPECT_EQ(countIn(scene.points, 2), 1000) << "Blue samples of the elevated first half";
  EXPECT_EQ(countIn(scene.segments, 2), 2) << "Blue edges of the control polygon";
  EXPECT_EQ(countIn(scene.segments, 5), 5) << "Magenta edges of both elevated halves";
  EXPECT_EQ(xy(scene.sceneMin), xy({0, 0}));
  EXPECT_EQ(xy(scene.sceneMax), xy({2, 2}));
  // The polygon's edges join its points in order.
  EXPECT_EQ(xy(scene.segments[0].b), xy({1, 2}));
  EXPECT_EQ(xy(scene.segments[1].b), xy({2, 0}));
}

TEST(Dialogue, RecordsTheLargestElevatedHalves) {
  std::string largest = "50\n";
  for (int i = 0; i <= 50; ++i)
    largest += std::to_string(i) + " " + std::to_string(i % 7) + "\n";
  converse(largest + "0\n0\n");
  EXPECT_EQ(countIn(scene.points, kBlack), 102);
}

// The exercise worked out without asking, as the page does after each change,
// gives what the dialogue gives when its answers are typed: the listing and
// every shape it records, bit for bit (the scene's corners follow from them).
// Random exercises of every degree, each amount from cutting the whole half to
// the largest.
TEST(Dialogue, AnExerciseWorkedOutIsTheDialoguesOwn) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<float> coordinate(-1000, 1000);
  for (int run = 0; run < 40; ++run) {
    Exercise exercise;
    exercise.n = std::uniform_int_distribution<int>(0, kMaxDegree)(rng);
    std::uniform_int_distribution<int> amount(-exercise.n - 2, kMaxDegree - exercise.n);
    exercise.r1 = amount(rng);
    exercise.r2 = amount(rng);
    std::string answers = std::to_string(exercise.n) + "\n";
    for (int i = 0; i <= exercise.n; ++i) {
      exercise.control[i] = Point(coordinate(rng), coordinate(rng));
      char pair[64];  // nine digits read back as the same float
      std::snprintf(pair, sizeof pair, "%.9g %.9g\n", double{exercise.control[i].x},
                    double{exercise.control[i].y});
      answers += pair;
    }
    answers += std::to_string(exercise.r1) + " " + std::to_string(exercise.r2) + "\n";
    const std::string printed = converse(answers);
    const Scene asked = scene;
    const std::string listed = printedBy([&](std::FILE* out) {
      workExercise(exercise, out);
    });
    // The listing follows the last prompt, which ends in ": ".
    EXPECT_EQ(listed, printed.substr(printed.rfind(": ") + 2)) << answers;
    EXPECT_EQ(bytesOf(scene.points), bytesOf(asked.points)) << answers;
    EXPECT_EQ(bytesOf(scene.segments), bytesOf(asked.segments)) << answers;
  }
}
