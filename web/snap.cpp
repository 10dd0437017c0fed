#include "snap.h"

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <cstdlib>

float shortestInside(double low, double high) {
  // A point's coordinates are floats: a span past their range gives its end.
  constexpr double kLargest = FLT_MAX;
  low = std::clamp(low, -kLargest, kLargest);
  high = std::clamp(high, -kLargest, kLargest);
  if (low <= 0 && high >= 0) {
    return 0;
  }
  const double middle = (low + high) / 2;
  // The decimal of `digits` significant digits nearest the middle lies in the
  // span whenever any of that many digits does.
  for (int digits = 1; digits < 17; ++digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", digits, middle);
    const double decimal = std::strtod(text, nullptr);
    if (decimal >= low && decimal <= high) {
      return std::strtof(text, nullptr);
    }
  }
  return static_cast<float>(middle);
}
