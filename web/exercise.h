#pragma once

#include <cstdint>
#include <string>

#include "dialogue.h"

// The exercise on the page as plain values: its answers, and a control point
// added to it or taken from it, as the dialogue would take the exercise that
// results.

// The answers that give an exercise, in a link's form: 2+0+0+1+2+2+0+1+0,
// each coordinate the shortest text that reads back as its float.
std::string answersOf(const Exercise& exercise);

// What adding a point would break, where it would: the degree, past
// kMaxDegree, or the first or the second amount, which would then raise a
// half past it.
enum class Added : std::uint8_t { kAdded, kDegree, kFirstAmount, kSecondAmount };

// `p` added as control point i (0 < i <= n), the degree one higher and the
// amounts as they were; where that breaks something, the exercise stays.
Added insertPoint(Exercise& exercise, int i, Point p);

// Control point i taken away, the degree one lower. False at degree 0,
// whose one point is the whole curve.
bool removePoint(Exercise& exercise, int i);
