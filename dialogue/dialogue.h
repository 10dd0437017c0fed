#pragma once

#include "bezier.h"
#include "console.h"

// The largest degree the dialogue accepts, and the largest degree of either
// elevated half.
constexpr int kMaxDegree = kMaxElevatedSegments;

// Asks for the degree n and the n + 1 control points, recording each point in
// Orange as it is read, then the polygon's edges in Blue and the curve's trace
// in Red. False when the input ends before the curve is complete.
bool runCurveDialogue(Point control[], int& n, const Console& console = Console());

// Asks for the amounts r1 and r2 of the two halves of a degree-n curve.
// False when the input ends before both are read.
bool askAmounts(int n, int& r1, int& r2, const Console& console = Console());

// Asks for the two elevation amounts, then splits, elevates, lists and traces.
// False when the input ends before both amounts are read.
bool runElevationDialogue(Point control[], int n, const Console& console = Console());

// Both phases on a fresh control polygon: all one run asks and records.
bool runDialogue(const Console& console = Console());
