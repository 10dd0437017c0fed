#include <gtest/gtest.h>

#include <cmath>

#include "dialogue_run.h"

TEST(Scene, RecordsCopiesAndWidensTheCornersStrictly) {
  scene = Scene();
  addPoint(Point(-0.0f, -0.0f), kRed);  // -0 is not beyond the starting 0
  EXPECT_FALSE(std::signbit(scene.sceneMax.x));
  EXPECT_FALSE(std::signbit(scene.sceneMax.y));
  Point orange(-6, 50);
  orange.color = kOrange;
  addSegment(Segment(Point(3, -7), orange), kMagenta);  // widens with both ends
  const float x[] = {-5, 2000, 9}, y[] = {1, 900, 9};
  addPoints(x, y, 3, kBlue);  // as three addPoint calls
  EXPECT_EQ(xy(scene.sceneMin), xy({-6, -7}));
  EXPECT_EQ(xy(scene.sceneMax), xy({2000, 900}));
  orange.y = 1000;
  addPoint(orange, kBlack);  // a copy, in the colour given
  EXPECT_EQ(scene.sceneMax.y, 1000);
  EXPECT_EQ(xy(scene.points[3]), xy({9, 9}));
  EXPECT_EQ(scene.points[3].color, kBlue);
  EXPECT_EQ(scene.points[4].color, kBlack);
  EXPECT_EQ(scene.segments[0].color, kMagenta);
  EXPECT_EQ(scene.segments[0].b.color, kOrange);
}
