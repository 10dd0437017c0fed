#pragma once

#include <cstdint>

#include "bezier.h"

// A student's own working of an exercise, done by hand, judged as an
// examiner marks it. The sheet asks for every point that the working
// computes, in its order: the midpoint scheme's levels 1 to n, point by
// point, then each pass that raises the first half, then each that raises
// the second, every point of a pass but its first and last; x, then y.

// The most points a sheet asks for: a curve of degree 1 (or 2) whose halves
// are both raised to degree kMaxElevatedSegments.
constexpr int kMaxSheetPoints = 2451;

// What a field holds: a number as a student writes it ("1.5", "1,5",
// "-0,25", "3", "3/2", "-1/3", with spaces around), nothing, or neither.
enum class Written : std::uint8_t { kEmpty, kNumber, kRefused };
Written readWritten(const char* text, double& value);

// The sheet judged, a letter a field: x where the field holds neither a
// number nor nothing; else its point's mark: e not filled in, r right (within
// what two decimals show of the true value), f following from the student's
// own numbers (within that of the step's rule applied to them), w wrong.
// Then the first wrong point in words, or nothing.
struct Judgement {
  char marks[2 * kMaxSheetPoints + 1];
  char firstWrong[1024];
};

// Judges `fields`, the sheet's texts one a line (those missing count as
// empty), of the curve P[0..n] whose halves are raised by r1 and r2.
void judgeSheet(const Point P[], int n, int r1, int r2, const char* fields, Judgement& judged);
