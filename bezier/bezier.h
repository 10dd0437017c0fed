#pragma once

#include <cstdio>

#include "scene.h"

// Capacity of every working control polygon.
constexpr int kMaxPoints = 100;
// Samples in one trace of a curve.
constexpr int kSampleCount = 1000;
// Edges an elevated polygon can record, so an elevated degree is at most 50.
constexpr int kMaxElevatedSegments = 50;

// The curve with control points P[0..n] at parameter t, by de Casteljau's
// recurrence; the result carries P[0]'s colour. Needs n <= 99; a negative n
// gives the default Point.
Point evaluateBezier(const Point P[], float t, int n);

// Appends kSampleCount points of the curve to the scene in `color`, at
// t = i / 999 for i = 0..999.
void sampleCurve(const Point P[], int n, int color);

// Raises the degree of P[0..n] by r in place (the curve stays the same, the
// end points stay bit for bit), then records P[0..n + r] in Black and its
// edges in Magenta. Needs n >= 0 and n + r <= kMaxElevatedSegments; r <= 0
// leaves P as it is.
void elevateDegree(Point P[], int n, int r);

// Splits P[0..n] at t = 1/2 (P is used as scratch), elevates the first half
// by r1 and the second by r2, lists both halves on `out` (the second from the
// curve's end back to the midpoint) and traces the first half in Blue.
void splitAndElevate(Point P[], int n, int r1, int r2, std::FILE* out = stdout);
