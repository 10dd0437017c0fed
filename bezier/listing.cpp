#include "listing.h"

#include <cmath>

std::string formatCoordinate(float v) {
  char text[64];
  // A float times 200 is exact in double, so this detects ties exactly:
  // v lies halfway between two hundredths when 200 v is an odd integer.
  const double twice = static_cast<double>(v) * 200.0;
  if (std::fabs(std::fmod(twice, 2.0)) == 1.0) {
    const auto hundredths = static_cast<long long>((std::fabs(twice) + 1.0) / 2.0);
    std::snprintf(text, sizeof text, "%s%lld.%02lld", v < 0 ? "-" : "", hundredths / 100,
                  hundredths % 100);
  } else {
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(v));
  }
  return text;
}

void printPair(std::FILE* out, const Point& p) {
  std::fprintf(out, " (%s,%s) ", formatCoordinate(p.x).c_str(), formatCoordinate(p.y).c_str());
}
