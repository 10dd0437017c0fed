#include "geometry_assertions.h"

using Bounds = SceneTest;

TEST_F(Bounds, CornersStartAtTheWindowAndOnlyWiden) {
  addPoint(Point(-5, -7), kRed);
  addPoint(Point(-1, -30), kRed);
  EXPECT_POINT_EQ(scene.sceneMin, Point(-5, -30));
  EXPECT_POINT_EQ(scene.sceneMax, Point(0, 0));

  scene = Scene();
  addPoint(Point(2000, 900), kRed);
  addPoint(Point(1500, 800), kRed);
  EXPECT_POINT_EQ(scene.sceneMin, Point(1024, 700));
  EXPECT_POINT_EQ(scene.sceneMax, Point(2000, 900));

  // One point inside the window moves both corners.
  scene = Scene();
  addPoint(Point(10, 20), kRed);
  EXPECT_POINT_EQ(scene.sceneMin, Point(10, 20));
  EXPECT_POINT_EQ(scene.sceneMax, Point(10, 20));
}

TEST_F(Bounds, SegmentWidensWithBothEnds) {
  addSegment(Segment(Point(-3, 800), Point(1100, -4)), kMagenta);
  EXPECT_POINT_EQ(scene.sceneMin, Point(-3, -4));
  EXPECT_POINT_EQ(scene.sceneMax, Point(1100, 800));
}

TEST_F(SceneTest, RecordsAreCopiesWithTheGivenColour) {
  Point orange(1, 2);
  orange.color = kOrange;
  addPoint(orange, kRed);
  addPoint(orange, kRed);
  ASSERT_EQ(scene.points.size(), 2u);
  EXPECT_EQ(scene.points[1].color, kRed);
  EXPECT_POINT_EQ(scene.points[1], orange);

  Point a(0, 0);
  a.color = kOrange;
  addSegment(Segment(a, Point(1, 1)), kMagenta);
  const Segment& s = scene.segments.at(0);
  EXPECT_EQ(s.color, kMagenta);
  EXPECT_EQ(s.a.color, kOrange);
  EXPECT_EQ(s.b.color, kBlack);
}
