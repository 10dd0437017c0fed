#pragma once

#include "scene.h"

// Not every C++ library defines M_PI.
constexpr double kPi = 3.141592653589793;

// Where the eye stands, from the scene's corners. sx and sy are sums, not
// widths: the corners never cross the window's own box, and this frames it.
// All values are in drawing units: scene coordinates times `unit`.
struct Camera {
  float cx;
  float cy;
  double sx;
  double sy;
  float dist;
  // A power of two, so scaling by it is exact. It is 1 for every scene whose
  // dist lies from 2^-64 up to 2^65; a larger or smaller scene is drawn scaled
  // to a dist in [1, 2), where float matrices neither overflow nor lose it.
  double unit;
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

// Vertical field of view in degrees for a viewport of this aspect (w / h):
// 45, or wider when the box of the corners, enlarged by 5 % about its centre,
// would not fit the viewport at distance dist. An aspect of 0 keeps 45.
double fieldOfView(const Point& sceneMin, const Point& sceneMax, const Camera& camera,
                   double aspect);

// Red, green and blue of a colour code; false for a code outside 0..9.
bool colorComponents(int code, float rgb[3]);
