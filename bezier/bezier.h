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

// De Casteljau's scheme at t of P[0..n], level after level into `scheme`,
// (n + 1)(n + 2) / 2 points, by evaluateBezier's own arithmetic: level 0 is
// P[0..n], each point of a next level 1 - t of a point of the one before and
// t of the next, and level n the curve's point at t, as evaluateBezier gives
// it. At t = 1/2 it is midpointScheme's, bit for bit.
void casteljauScheme(const Point P[], int n, float t, Point scheme[]);

// Appends kSampleCount points of the curve to the scene in `color`, at
// t = i / 999 for i = 0..999.
void sampleCurve(const Point P[], int n, int color);

// Points that the working of a degree up to kMaxElevatedSegments takes: its
// midpoint scheme, or the passes that raise one half to that degree.
constexpr int kMaxWorkingPoints = (kMaxElevatedSegments + 1) * (kMaxElevatedSegments + 2) / 2;

// One pass of degree elevation in place: P[0..m - 1], of degree m - 1,
// becomes P[0..m], of degree m, the same curve, its end points bit for bit.
void elevateOnce(Point P[], int m);

// Each pass of raising P[0..n] by r, one after another into `passes`: P[0..n]
// itself, then each pass's polygon, one point longer than the one before;
// (r + 1)(2n + r + 2) / 2 points in all, and only P[0..n] for r <= 0.
void elevationPasses(const Point P[], int n, int r, Point passes[]);

// Raises the degree of P[0..n] by r in place (the curve stays the same, the
// end points stay bit for bit), then records P[0..n + r] in Black and its
// edges in Magenta. Needs n >= 0 and n + r <= kMaxElevatedSegments; r <= 0
// leaves P as it is.
void elevateDegree(Point P[], int n, int r);

// One level of the midpoint scheme at t = 1/2: level[i] is the midpoint of
// above[i] and above[i + 1], for i = 0..count - 2. `level` may be `above`.
void midpointLevel(const Point above[], int count, Point level[]);

// The midpoint scheme at t = 1/2 of P[0..n], level after level into `scheme`,
// (n + 1)(n + 2) / 2 points: level 0 is P[0..n], each next level the midpoints
// of the one before, and level n the curve's point at 1/2. The first points
// of the levels are the first half's polygon; their last points the second
// half's, from the curve's end.
void midpointScheme(const Point P[], int n, Point scheme[]);

// Splits P[0..n] at t = 1/2 (P is used as scratch), elevates the first half
// by r1 and the second by r2, lists both halves on `out` (the second from the
// curve's end back to the midpoint) and traces the first half in Blue.
void splitAndElevate(Point P[], int n, int r1, int r2, std::FILE* out = stdout);
