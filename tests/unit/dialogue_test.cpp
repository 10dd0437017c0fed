#include <gtest/gtest.h>

#include "dialogue_run.h"

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
