#include "camera.h"

#include <algorithm>
#include <cmath>

namespace {

// Scenes whose dist lies from 2^-64 up to 2^65 are drawn at their own scale.
constexpr int kOrdinaryExponent = 64;
// The field of view a scene gets when it fits, and the margin around its box.
constexpr double kFieldOfView = 45;
constexpr double kMargin = 1.05;

double drawingUnit(double reach) {
  const int exponent = reach == 0 ? 0 : std::ilogb(reach);
  return std::abs(exponent) <= kOrdinaryExponent ? 1 : std::ldexp(1.0, -exponent);
}

}  // namespace

Camera cameraFor(const Point& sceneMin, const Point& sceneMax) {
  const double sx = std::fabs(static_cast<double>(sceneMin.x)) + sceneMax.x;
  const double sy = std::fabs(static_cast<double>(sceneMin.y)) + sceneMax.y;
  const double reach = 2 * sx > sy ? sx : sy;
  Camera camera{};
  camera.unit = drawingUnit(reach);
  camera.cx =
      static_cast<float>((static_cast<double>(sceneMax.x) + sceneMin.x) * 0.5 * camera.unit);
  camera.cy =
      static_cast<float>((static_cast<double>(sceneMax.y) + sceneMin.y) * 0.5 * camera.unit);
  camera.sx = sx * camera.unit;
  camera.sy = sy * camera.unit;
  camera.dist = static_cast<float>(reach * camera.unit);
  // A scene all at the origin would put the eye in the drawing plane.
  if (camera.dist == 0) {
    camera.dist = 1;
  }
  return camera;
}

ClipPlanes clipPlanesFor(float dist) {
  return {std::min(1.0, dist / 2.0), std::max(1000.0, 2.0 * dist)};
}

double fieldOfView(const Point& sceneMin, const Point& sceneMax, const Camera& camera,
                   double aspect) {
  if (aspect == 0) {
    return kFieldOfView;
  }
  const double halfWidth = (static_cast<double>(sceneMax.x) - sceneMin.x) / 2 * camera.unit;
  const double halfHeight = (static_cast<double>(sceneMax.y) - sceneMin.y) / 2 * camera.unit;
  const double half = kMargin * std::max(halfHeight, halfWidth / aspect) / camera.dist;
  return std::max(kFieldOfView, 2 * std::atan(half) * 180 / kPi);
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
