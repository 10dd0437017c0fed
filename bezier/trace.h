#pragma once

#include "bezier.h"

// Room past the last sample for a trace's last pass to run over: two groups
// of the widest vector any processor has (2048-bit SVE holds 32 doubles).
constexpr int kTracePadding = 64;
// Parameters and samples a trace reads and writes; the extra ones are dropped.
constexpr int kTraced = kSampleCount + kTracePadding;

// The curve P[0..n] at t[0..kSampleCount - 1] into x and y (each with room
// for kTraced values), bit for bit what evaluateBezier gives at each t, on
// the widest vector unit the processor has, chosen at the first trace.
// Needs 1 <= n < kMaxPoints.
void traceCurve(const Point P[], int n, const float t[], float x[], float y[]);

// The name of the vector unit traceCurve runs on ("AVX3", "NEON", ...).
const char* traceTarget();
