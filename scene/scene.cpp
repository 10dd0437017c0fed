#include "scene.h"

Scene scene;

namespace {

void widen(float x, float y) {
  if (x < scene.sceneMin.x) {
    scene.sceneMin.x = x;
  }
  if (y < scene.sceneMin.y) {
    scene.sceneMin.y = y;
  }
  if (x > scene.sceneMax.x) {
    scene.sceneMax.x = x;
  }
  if (y > scene.sceneMax.y) {
    scene.sceneMax.y = y;
  }
}

}  // namespace

void addPoint(Point p, int color) {
  p.color = color;
  scene.points.push_back(p);
  widen(p.x, p.y);
}

void addSegment(Segment s, int color) {
  s.color = color;
  scene.segments.push_back(s);
  widen(s.a.x, s.a.y);
  widen(s.b.x, s.b.y);
}
