#pragma once

#include <cstring>

#include "bezier.h"

// Samples a trace works out: kSampleCount rounded up to whole groups of
// every width, the extra ones dropped.
constexpr int kTraced = (kSampleCount + 15) / 16 * 16;

// De Casteljau's recurrence for Lanes::kCount parameter values t at once
// (see lanes.h), leaving the curve's points in x and y: double products and
// sum from the stored floats, rounded to float on store, level by level.
// Needs 1 <= n < kMaxPoints.
template <class Lanes>
inline void casteljau(const Point P[], int n, const float t[], float x[], float y[]) {
  using Wide = typename Lanes::Wide;
  constexpr int kCount = Lanes::kCount;
  alignas(64) float wx[kMaxPoints][kCount];
  alignas(64) float wy[kMaxPoints][kCount];
  const Wide s = Lanes::widen(t);
  const Wide u = Lanes::splat(1.0) - s;
  // The first level reads the polygon itself instead of a copy of it.
  for (int j = 0; j < n; ++j) {
    Lanes::step(u, s, Lanes::splat(P[j].x), Lanes::splat(P[j + 1].x), wx[j]);
    Lanes::step(u, s, Lanes::splat(P[j].y), Lanes::splat(P[j + 1].y), wy[j]);
  }
  for (int k = n - 1; k >= 1; --k) {
    // W[j] as it stood before this level, widened when it was read as W[j + 1].
    Wide ax = Lanes::widen(wx[0]);
    Wide ay = Lanes::widen(wy[0]);
    for (int j = 0; j < k; ++j) {
      const Wide bx = Lanes::widen(wx[j + 1]);
      const Wide by = Lanes::widen(wy[j + 1]);
      Lanes::step(u, s, ax, bx, wx[j]);
      Lanes::step(u, s, ay, by, wy[j]);
      ax = bx;
      ay = by;
    }
  }
  std::memcpy(x, wx[0], sizeof wx[0]);
  std::memcpy(y, wy[0], sizeof wy[0]);
}

// The curve at t[0..kTraced - 1], Lanes::kCount values per pass.
template <class Lanes>
void traceWith(const Point P[], int n, const float t[], float x[], float y[]) {
  for (int i = 0; i < kTraced; i += Lanes::kCount) {
    casteljau<Lanes>(P, n, t + i, x + i, y + i);
  }
}

// traceWith for two of the widest groups of an instruction set, each in a
// source file of its own compiled for that set; sampleCurve runs the widest
// the processor has. The last two only on processors that have AVX2 and
// FMA, or AVX-512F and FMA.
void traceSse2(const Point P[], int n, const float t[], float x[], float y[]);
void traceAvx2(const Point P[], int n, const float t[], float x[], float y[]);
void traceAvx512(const Point P[], int n, const float t[], float x[], float y[]);
