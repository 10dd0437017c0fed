#include <algorithm>

#include "bezier.h"
#include "casteljau.h"
#include "lanes.h"

namespace {

float sampleParameter(int i) { return static_cast<float>(i * (1.0 / 999)); }

// The parameter of every traced sample, worked out once.
struct Parameters {
  float t[kTraced];
  Parameters() {
    for (int i = 0; i < kTraced; ++i) {
      t[i] = sampleParameter(i);
    }
  }
};
const Parameters parameters;

using Trace = void (*)(const Point P[], int n, const float t[], float x[], float y[]);

// The widest trace this processor runs, chosen once at start-up.
Trace widestTrace() {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("fma")) {
    return traceAvx512;
  }
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) {
    return traceAvx2;
  }
  return traceSse2;
}

const Trace trace = widestTrace();

}  // namespace

void traceSse2(const Point P[], int n, const float t[], float x[], float y[]) {
  traceWith<Twice<Sse2Lanes>>(P, n, t, x, y);
}

Point evaluateBezier(const Point P[], float t, int n) {
  if (n < 0) {
    return Point();
  }
  Point result = P[0];
  if (n > 0) {
    casteljau<OneLane>(P, n, &t, &result.x, &result.y);
  }
  return result;
}

void sampleCurve(const Point P[], int n, int color) {
  float x[kTraced];
  float y[kTraced];
  if (n > 0) {
    trace(P, n, parameters.t, x, y);
  } else {
    const Point only = evaluateBezier(P, 0, n);
    std::fill(x, x + kSampleCount, only.x);
    std::fill(y, y + kSampleCount, only.y);
  }
  addPoints(x, y, kSampleCount, color);
}
