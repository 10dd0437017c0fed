#include <cmath>

#include <gtest/gtest.h>

#include "camera.h"
#include "geometry_assertions.h"

TEST(Camera, FramingClippingAndColours) {
  // The corners, then cx, cy and dist.
  const std::tuple<Point, Point, float, float, float> cases[] = {
      {Point(0, 0), Point(2, 2), 1, 1, 2},
      {Point(100, 100), Point(300, 200), 200, 150, 400},
      {Scene().sceneMin, Scene().sceneMax, 512, 350, 1024},
      {Point(-10, -20), Point(0, 0), -5, -10, 20},  // |lo| summed; 2 sx == sy gives sy
      {Point(-10, -19), Point(0, 0), -5, -9.5f, 10},
      {Point(0, 0), Point(0, 0), 0, 0, 1}};  // the eye must not sit in the drawing plane
  for (const auto& [lo, hi, cx, cy, dist] : cases) {
    const Camera camera = cameraFor(lo, hi);
    EXPECT_EQ(std::tuple(camera.cx, camera.cy, camera.dist * camera.unit),
              std::tuple(cx, cy, dist * 1.0));
  }
  EXPECT_EQ(clipPlanesFor(2).nearPlane + clipPlanesFor(500).farPlane, 1001.0);
  EXPECT_TRUE(clipPlanesFor(0.01f).nearPlane < 0.01f && clipPlanesFor(1600).farPlane > 1600);
  // 45 degrees, or just wide enough for the box enlarged by 5 %: here dist 2, half the box 1.
  const Camera c = cameraFor(Point(0, 0), Point(2, 2));
  const auto visible = [&](double aspect) {
    return 2 * std::tan(fieldOfView(Point(0, 0), Point(2, 2), c, aspect) * M_PI / 360);
  };
  EXPECT_NEAR(visible(1024.0 / 700), 1.05, 1e-12);             // the height binds
  EXPECT_NEAR(visible(500.0 / 700) * 500 / 700, 1.05, 1e-12);  // the width binds
  EXPECT_EQ(fieldOfView(Point(0, 0), Point(2, 2), c, 0), 45);  // no width: nothing to fit
  const Camera fits = cameraFor(Point(100, 100), Point(400, 320));
  EXPECT_EQ(fieldOfView(Point(100, 100), Point(400, 320), fits, 1.5), 45);
  float rgb[3] = {7, 7, 7};
  EXPECT_FALSE(colorComponents(10, rgb) || colorComponents(-1, rgb) || rgb[0] != 7);
  EXPECT_TRUE(colorComponents(kPurple, rgb) && rgb[2] == 0.5f);
}
