#include <algorithm>

#include "bezier.h"
#include "trace.h"

namespace {

// The parameter of every traced sample, worked out once; those past the
// last sample only give a trace's last pass something finite to read.
struct Parameters {
  float t[kTraced];
  Parameters() {
    for (int i = 0; i < kTraced; ++i) {
      t[i] = static_cast<float>(i * (1.0 / 999));
    }
  }
};
const Parameters parameters;

}  // namespace

Point evaluateBezier(const Point P[], float t, int n) {
  if (n < 0) {
    return Point();
  }
  Point W[kMaxPoints];
  std::copy(P, P + n + 1, W);
  const double s = t;
  const double u = 1.0 - s;
  for (int k = n; k >= 1; --k) {
    for (int j = 0; j < k; ++j) {
      W[j].x = static_cast<float>(u * W[j].x + s * W[j + 1].x);
      W[j].y = static_cast<float>(u * W[j].y + s * W[j + 1].y);
    }
  }
  return W[0];
}

void casteljauScheme(const Point P[], int n, float t, Point scheme[]) {
  std::copy(P, P + n + 1, scheme);
  const double s = t;
  const double u = 1.0 - s;
  for (int count = n + 1; count > 1; --count) {
    const Point* above = scheme;
    scheme += count;
    for (int j = 0; j + 1 < count; ++j) {
      scheme[j].x = static_cast<float>(u * above[j].x + s * above[j + 1].x);
      scheme[j].y = static_cast<float>(u * above[j].y + s * above[j + 1].y);
    }
  }
}

void sampleCurve(const Point P[], int n, int color) {
  float x[kTraced];
  float y[kTraced];
  if (n > 0) {
    traceCurve(P, n, parameters.t, x, y);
  } else {
    const Point only = evaluateBezier(P, 0, n);
    std::fill(x, x + kSampleCount, only.x);
    std::fill(y, y + kSampleCount, only.y);
  }
  addPoints(x, y, kSampleCount, color);
}
