#include "camera.h"

#include <algorithm>
#include <cmath>

Camera cameraFor(const Point& sceneMin, const Point& sceneMax) {
  Camera camera{};
  camera.cx = static_cast<float>((static_cast<double>(sceneMax.x) + sceneMin.x) * 0.5);
  camera.cy = static_cast<float>((static_cast<double>(sceneMax.y) + sceneMin.y) * 0.5);
  camera.sx = std::fabs(static_cast<double>(sceneMin.x)) + sceneMax.x;
  camera.sy = std::fabs(static_cast<double>(sceneMin.y)) + sceneMax.y;
  camera.dist = static_cast<float>(2 * camera.sx > camera.sy ? camera.sx : camera.sy);
  // A scene all at the origin would put the eye in the drawing plane.
  if (camera.dist == 0) {
    camera.dist = 1;
  }
  return camera;
}

ClipPlanes clipPlanesFor(float dist) {
  return {std::min(1.0, dist / 2.0), std::max(1000.0, 2.0 * dist)};
}

bool colorComponents(int code, float rgb[3]) {
  static const float kTable[10][3] = {
      {1, 0, 0},        // Red
      {0, 1, 0},        // Green
      {0, 0, 1},        // Blue
      {1, 1, 0},        // Yellow
      {1, 0.5f, 0},     // Orange
      {1, 0, 1},        // Magenta
      {0, 1, 1},        // Cyan
      {0.5f, 0, 0.5f},  // Purple
      {1, 1, 1},        // White
      {0, 0, 0},        // Black
  };
  if (code < 0 || code > 9) {
    return false;
  }
  std::copy(kTable[code], kTable[code] + 3, rgb);
  return true;
}
