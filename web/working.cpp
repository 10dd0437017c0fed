#include "working.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "explore.h"
#include "listing.h"

namespace {

// [x, y, "(x,y)"]: the floats, exactly, then the pair as the listing writes it.
void appendPoint(std::string& json, const Point& p) {
  char floats[64];
  std::snprintf(floats, sizeof floats, "[%.9g,%.9g,\"(", static_cast<double>(p.x),
                static_cast<double>(p.y));
  json += floats + formatCoordinate(p.x) + "," + formatCoordinate(p.y) + ")\"]";
}

// `polygons` polygons, one after another from `points`: the first of `count`
// points, each next one `step` points longer.
void appendPolygons(std::string& json, const Point* points, int count, int polygons, int step) {
  json += '[';
  for (int k = 0; k < polygons; ++k, count += step) {
    json += k == 0 ? "[" : ",[";
    for (int i = 0; i < count; ++i) {
      if (i > 0) {
        json += ',';
      }
      appendPoint(json, *points++);
    }
    json += ']';
  }
  json += ']';
}

}  // namespace

std::string describeWorking(const Exercise& exercise) {
  const int n = exercise.n;
  // On the heap: a static array of Points, which start Black, would be 32 KB
  // of the page's own data.
  std::vector<Point> scheme(kMaxWorkingPoints);
  std::vector<Point> passes(kMaxWorkingPoints);
  midpointScheme(exercise.control, n, scheme.data());
  std::string json =
      "{\"answers\":\"" + answersOf(exercise) + "\",\"n\":" + std::to_string(n) + ",\"levels\":";
  appendPolygons(json, scheme.data(), n + 1, n + 1, -1);
  json += ",\"halves\":[";
  const int amounts[] = {exercise.r1, exercise.r2};
  for (int h = 0; h < 2; ++h) {
    // The first half is the first point of every level, the second the last.
    Point half[kMaxPoints];
    for (int k = 0, start = 0; k <= n; start += n + 1 - k, ++k) {
      half[k] = scheme[h == 0 ? start : start + n - k];
    }
    elevationPasses(half, n, amounts[h], passes.data());
    json += (h == 0 ? "{\"r\":" : ",{\"r\":") + std::to_string(amounts[h]) + ",\"passes\":";
    appendPolygons(json, passes.data(), n + 1, std::max(amounts[h], 0) + 1, 1);
    json += '}';
  }
  return json + "]}";
}
