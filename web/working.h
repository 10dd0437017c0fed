#pragma once

#include <string>

#include "dialogue.h"

// The working of an exercise, as the page shows it: the midpoint scheme at
// t = 1/2, level by level, then each pass that raises each half, as JSON:
// {"answers": the exercise's answers as its link has them, "n": n,
// "levels": [polygon...], "halves": [{"r": r1, "passes": [polygon...]},
// {"r": r2, ...}]}, a polygon being [[x, y, "(x,y)"]...]: each point's
// floats, exactly, and its pair as the listing writes it.
std::string describeWorking(const Exercise& exercise);
