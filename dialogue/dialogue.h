#pragma once

#include <string>

#include "bezier.h"
#include "console.h"

// The largest degree the dialogue accepts, and the largest degree of either
// elevated half.
constexpr int kMaxDegree = kMaxElevatedSegments;

// Asks for the degree n and the n + 1 control points, recording each point in
// Orange as it is read, then the polygon's edges in Blue and the curve's trace
// in Red. False when the input ends before the curve is complete.
bool runCurveDialogue(Point control[], int& n, const Console& console = Console());

// Records the polygon's edges control[0..n] in Blue, then the curve's trace in
// Red: what follows its points once they are all recorded.
void recordCurve(const Point control[], int n);

// Reads one elevation amount for a curve of degree n: a whole number that
// keeps n + amount at most kMaxDegree.
Answer readAmount(std::FILE* in, int n, int& amount);
// The one line that refuses an amount for a curve of degree n.
std::string amountComplaint(int n);

// Asks for the two elevation amounts r1 and r2, then splits control[0..n]
// (which it uses as scratch), elevates, lists and traces. False when the
// input ends before both amounts are read.
bool runElevationDialogue(Point control[], int n, int& r1, int& r2,
                          const Console& console = Console());

// What a run took: the degree, the control points as typed, the two amounts.
struct Exercise {
  int n = 0;
  Point control[kMaxPoints];
  int r1 = 0;
  int r2 = 0;
};

// Both phases: all one run asks and records, and the exercise it took. False
// when the input ends before the last answer.
bool runDialogue(Exercise& exercise, const Console& console = Console());

// What the dialogue records and lists once it has taken these answers, on a
// scene emptied first, without asking: the listing goes to `out`.
void workExercise(const Exercise& exercise, std::FILE* out);
