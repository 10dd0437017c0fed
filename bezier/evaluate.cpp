#include "bezier.h"
#include "casteljau.h"

namespace {

// Parameter values traced per pass of the recurrence.
constexpr int kLanes = 8;

float sampleParameter(int i) { return static_cast<float>(i * (1.0 / 999)); }

}  // namespace

Point evaluateBezier(const Point P[], float t, int n) {
  if (n < 0) {
    return Point();
  }
  Point result = P[0];
  if (n > 0) {
    casteljau<1>(P, n, &t, &result.x, &result.y);
  }
  return result;
}

void sampleCurve(const Point P[], int n, int color) {
  scene.points.reserve(scene.points.size() + kSampleCount);
  int i = 0;
  if (n > 0) {
    for (; i + kLanes <= kSampleCount; i += kLanes) {
      float t[kLanes];
      float x[kLanes];
      float y[kLanes];
      for (int l = 0; l < kLanes; ++l) {
        t[l] = sampleParameter(i + l);
      }
      casteljau<kLanes>(P, n, t, x, y);
      for (int l = 0; l < kLanes; ++l) {
        addPoint(Point(x[l], y[l]), color);
      }
    }
  }
  for (; i < kSampleCount; ++i) {
    addPoint(evaluateBezier(P, sampleParameter(i), n), color);
  }
}
