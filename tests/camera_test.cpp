#include "camera.h"
#include "geometry_assertions.h"

TEST(Camera, FramesTheCornersWithSums) {
  Camera c = cameraFor(Point(0, 0), Point(2, 2));
  EXPECT_EQ(c.cx, 1.0f);
  EXPECT_EQ(c.cy, 1.0f);
  EXPECT_EQ(c.dist, 2.0f);

  c = cameraFor(Point(100, 100), Point(300, 200));
  EXPECT_EQ(c.cx, 200.0f);
  EXPECT_EQ(c.cy, 150.0f);
  EXPECT_EQ(c.sx, 400.0);
  EXPECT_EQ(c.sy, 300.0);
  EXPECT_EQ(c.dist, 400.0f);

  const Scene untouched;
  c = cameraFor(untouched.sceneMin, untouched.sceneMax);
  EXPECT_EQ(c.cx, 512.0f);
  EXPECT_EQ(c.cy, 350.0f);
  EXPECT_EQ(c.dist, 1024.0f);

  // Only the lower corner is taken by absolute value, and 2 sx == sy gives sy.
  c = cameraFor(Point(-10, -20), Point(0, 0));
  EXPECT_EQ(c.sx, 10.0);
  EXPECT_EQ(c.dist, 20.0f);
  c = cameraFor(Point(-10, -19), Point(0, 0));
  EXPECT_EQ(c.dist, 10.0f);

  // Everything at the origin: the eye must not sit in the drawing plane.
  EXPECT_EQ(cameraFor(Point(0, 0), Point(0, 0)).dist, 1.0f);
}

TEST(Camera, ClipPlanesHoldTheDrawingPlane) {
  for (float dist : {2.0f, 40.0f, 500.0f}) {
    EXPECT_EQ(clipPlanesFor(dist).nearPlane, 1.0);
    EXPECT_EQ(clipPlanesFor(dist).farPlane, 1000.0);
  }
  for (float dist : {0.01f, 0.5f, 1.0f, 1600.0f, 1e6f}) {
    const ClipPlanes clip = clipPlanesFor(dist);
    EXPECT_LT(clip.nearPlane, dist);
    EXPECT_GT(clip.farPlane, dist);
    EXPECT_GT(clip.nearPlane, 0.0);
  }
}

TEST(Camera, FieldOfViewFitsTheBoxWithAMargin) {
  const Point lo(0, 0);
  const Point hi(2, 2);
  const Camera c = cameraFor(lo, hi);
  // Half the visible height at the drawing plane.
  const auto visible = [&](double aspect) {
    return c.dist * std::tan(fieldOfView(lo, hi, c, aspect) * M_PI / 360);
  };
  EXPECT_NEAR(visible(1024.0 / 700), 1.05, 1e-12);             // the height binds
  EXPECT_NEAR(visible(500.0 / 700) * 500 / 700, 1.05, 1e-12);  // the width binds
  EXPECT_EQ(fieldOfView(lo, hi, c, 0), 45);                    // no width: nothing to fit
  const Point fitsMin(100, 100);
  const Point fitsMax(400, 320);
  EXPECT_EQ(fieldOfView(fitsMin, fitsMax, cameraFor(fitsMin, fitsMax), 1024.0 / 700), 45);
}

TEST(Camera, ColourCodesOutsideTheTableHaveNoColour) {
  float rgb[3] = {7, 7, 7};
  EXPECT_FALSE(colorComponents(10, rgb));
  EXPECT_FALSE(colorComponents(-1, rgb));
  EXPECT_EQ(rgb[0], 7.0f);
  ASSERT_TRUE(colorComponents(kOrange, rgb));
  EXPECT_EQ(rgb[1], 0.5f);
}
