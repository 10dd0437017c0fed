#pragma once

#include "scene.h"

// Where the eye stands, from the scene's corners. sx and sy are sums, not
// widths: the corners never cross the window's own box, and this frames it.
struct Camera {
  float cx;
  float cy;
  double sx;
  double sy;
  float dist;
};

Camera cameraFor(const Point& sceneMin, const Point& sceneMax);

// Depth range of the window's projection. Nothing is depth-tested, so these
// only decide what is clipped; they keep the drawing plane at distance dist
// inside them, and are exactly (1, 1000) for 2 <= dist <= 500.
struct ClipPlanes {
  double nearPlane;
  double farPlane;
};

ClipPlanes clipPlanesFor(float dist);

// Red, green and blue of a colour code; false for a code outside 0..9.
bool colorComponents(int code, float rgb[3]);
