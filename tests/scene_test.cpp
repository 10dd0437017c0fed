#include <gtest/gtest.h>

#include <cmath>

#include "geometry_assertions.h"

TEST(Scene, RecordsCopiesAndWidensTheCornersStrictly) {
  scene = Scene();
  addPoint(Point(-0.0f, -0.0f), kRed);  // -0 is not beyond the starting 0
  EXPECT_FALSE(std::signbit(scene.sceneMax.x) || std::signbit(scene.sceneMax.y));
  Point orange(-6, 50);
  orange.color = kOrange;
  addSegment(Segment(Point(3, -7), orange), kMagenta);  // widens with both ends
  const float x[] = {-5, 2000, 9}, y[] = {1, 900, 9};
  addPoints(x, y, 3, kBlue);  // as three addPoint calls
  addPoint(orange, kBlack);   // a copy, in the colour given
  EXPECT_EQ(std::pair(xy(scene.sceneMin), xy(scene.sceneMax)),
            std::pair(xy({-6, -7}), xy({2000, 900})));
  EXPECT_EQ(std::vector({scene.points.at(3).color, scene.points.at(4).color,
                         scene.segments.at(0).color, scene.segments[0].b.color}),
            std::vector({kBlue, kBlack, kMagenta, kOrange}));
  EXPECT_EQ(xy(scene.points[3]), xy({9, 9}));
}
