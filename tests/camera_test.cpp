#include <cmath>

#include <gtest/gtest.h>

#include "camera.h"
#include "geometry_assertions.h"

TEST(Camera, FramingClippingAndColours) {
  // The corners, then cx, cy and dist in drawing units.
  const std::tuple<Point, Point, float, float, float> cases[] = {
      {Point(0, 0), Point(2, 2), 1, 1, 2},
      {Point(100, 100), Point(300, 200), 200, 150, 400},
      {Scene().sceneMin, Scene().sceneMax, 512, 350, 1024},
      {Point(-10, -20), Point(0, 0), -5, -10, 20},  // |lo| summed; 2 sx == sy gives sy
      {Point(-10, -19), Point(0, 0), -5, -9.5f, 10},
      {Point(0, 0), Point(0, 0), 0, 0, 1},  // the eye must not sit in the drawing plane
      {Point(0, 0), Point(0x1p70f, 0x1p70f), 0.5f, 0.5f, 1}};  // drawn scaled by 2^-70
  for (const auto& [lo, hi, cx, cy, dist] : cases) {
    const Camera camera = cameraFor(lo, hi);
    EXPECT_EQ(camera.cx, cx);
    EXPECT_EQ(camera.cy, cy);
    EXPECT_EQ(camera.dist, dist);
  }
  EXPECT_EQ(clipPlanesFor(2).nearPlane, 1.0);
  EXPECT_EQ(clipPlanesFor(500).farPlane, 1000.0);
  EXPECT_LT(clipPlanesFor(0.01f).nearPlane, 0.01f);
  EXPECT_GT(clipPlanesFor(1600).farPlane, 1600);
  // 45 degrees, or just wide enough for the box enlarged by 5 %: here dist 2, half the box 1.
  const Camera c = cameraFor(Point(0, 0), Point(2, 2));
  const auto visible = [&](double aspect) {
    return 2 * std::tan(fieldOfView(Point(0, 0), Point(2, 2), c, aspect) * kPi / 360);
  };
  EXPECT_NEAR(visible(1024.0 / 700), 1.05, 1e-12);             // the height binds
  EXPECT_NEAR(visible(500.0 / 700) * 500 / 700, 1.05, 1e-12);  // the width binds
  EXPECT_EQ(fieldOfView(Point(0, 0), Point(2, 2), c, 0), 45);  // no width: nothing to fit
  // A scene drawn scaled is framed as the same scene at ordinary size.
  const Camera huge = cameraFor(Point(0, 0), Point(0x1p70f, 0x1p70f));
  const Camera unit = cameraFor(Point(0, 0), Point(1, 1));
  for (const double aspect : {0.5, 3.0})  // the width binds, the height binds
    EXPECT_EQ(fieldOfView(Point(0, 0), Point(0x1p70f, 0x1p70f), huge, aspect),
              fieldOfView(Point(0, 0), Point(1, 1), unit, aspect));
  const Camera fits = cameraFor(Point(100, 100), Point(400, 320));
  EXPECT_EQ(fieldOfView(Point(100, 100), Point(400, 320), fits, 1.5), 45);
  float rgb[3] = {7, 7, 7};
  EXPECT_FALSE(colorComponents(10, rgb));
  EXPECT_FALSE(colorComponents(-1, rgb));
  EXPECT_EQ(rgb[0], 7) << "a code outside the table leaves the colour as it was";
  EXPECT_TRUE(colorComponents(kPurple, rgb));
  EXPECT_EQ(rgb[2], 0.5f);
}
