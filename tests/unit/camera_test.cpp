#include <cmath>

#include <gtest/gtest.h>

#include "camera.h"
#include "dialogue_run.h"
#include "window_place.h"

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

// The work area, the frame and the scale, then where the window's frame goes
// and how large its client area is. Wine's frames: 4, 23 at 100 %, 5, 33 at
// 150 %. Then the scale of a screen's dots per inch.
TEST(Window, OpensWhollyInsideTheWorkArea) {
  using Place = std::tuple<int, int, int, int>;
  const std::tuple<PixelBox, FrameEdges, double, Place> cases[] = {
      {{0, 0, 1920, 1200}, {4, 23, 4, 4}, 1, {100, 50, 1024, 700}},      // holds it: as designed
      {{0, 0, 1920, 1008}, {5, 33, 5, 5}, 1.5, {150, 0, 1418, 970}},     // a taskbar under it
      {{0, 0, 1366, 728}, {4, 23, 4, 4}, 1, {100, 1, 1024, 700}},        // only moved up
      {{0, 0, 20, 20}, {4, 23, 4, 4}, 1, {11, 0, 1, 1}},                 // no room at all
      {{0, 0, 800, 600}, {4, 23, 4, 4}, 1, {0, 32, 792, 541}},           // the width binds
      {{200, 30, 1720, 1050}, {4, 23, 4, 4}, 1, {200, 50, 1024, 700}}};  // a panel on the left
  for (const auto& [area, frame, scale, place] : cases) {
    const PixelBox window = windowPlace({area, frame}, scale);
    EXPECT_EQ(Place(window.x, window.y, window.width, window.height), place)
        << area.width << " x " << area.height << " at " << scale;
  }
  EXPECT_EQ(scaleForDpi(144), 1.5);
  for (const double unreadable : {0.0, -96.0, std::nan(""), HUGE_VAL})
    EXPECT_EQ(scaleForDpi(unreadable), 1) << unreadable;
}
