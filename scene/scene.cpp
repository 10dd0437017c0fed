#include "scene.h"

#include <cstddef>

Scene scene;

namespace {

void widen(Point& lo, Point& hi, float x, float y) {
  if (x < lo.x) {
    lo.x = x;
  }
  if (y < lo.y) {
    lo.y = y;
  }
  if (x > hi.x) {
    hi.x = x;
  }
  if (y > hi.y) {
    hi.y = y;
  }
}

}  // namespace

void addPoint(Point p, int color) {
  p.color = color;
  scene.points.push_back(p);
  widen(scene.sceneMin, scene.sceneMax, p.x, p.y);
}

void addPoints(const float x[], const float y[], int count, int color) {
  const size_t first = scene.points.size();
  scene.points.resize(first + count);
  Point* out = scene.points.data() + first;
  // The corners in locals: nothing else is written while the loop runs.
  Point lo = scene.sceneMin;
  Point hi = scene.sceneMax;
  for (int i = 0; i < count; ++i) {
    out[i].x = x[i];
    out[i].y = y[i];
    out[i].color = color;
    widen(lo, hi, x[i], y[i]);
  }
  scene.sceneMin = lo;
  scene.sceneMax = hi;
}

void addSegment(Segment s, int color) {
  s.color = color;
  scene.segments.push_back(s);
  widen(scene.sceneMin, scene.sceneMax, s.a.x, s.a.y);
  widen(scene.sceneMin, scene.sceneMax, s.b.x, s.b.y);
}
