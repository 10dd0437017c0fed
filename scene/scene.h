#pragma once

#include <vector>

// Colour codes: the only colours the program draws with (the viewer maps them).
constexpr int kRed = 0;
constexpr int kGreen = 1;
constexpr int kBlue = 2;
constexpr int kYellow = 3;
constexpr int kOrange = 4;
constexpr int kMagenta = 5;
constexpr int kCyan = 6;
constexpr int kPurple = 7;
constexpr int kWhite = 8;
constexpr int kBlack = 9;

// A plane point, also used as a plane vector.
struct Point {
  float x = 0;
  float y = 0;
  int color = kBlack;

  Point() = default;
  Point(float px, float py) : x(px), y(py) {}
};

struct Segment {
  Point a;
  Point b;
  int color = kBlack;

  Segment() = default;
  Segment(Point pa, Point pb) : a(pa), b(pb) {}
};

// Drawn between p + 100 d and p - 100 d.
struct Line {
  Point p;
  Point d;
  int color = kBlack;
};

struct Circle {
  Point center;
  float radius = 0;
  int color = kBlack;
};

// Everything recorded for the window, with the corners that frame the camera.
// The corners start at the window's size rather than at the first point, so
// sceneMin never exceeds (1024, 700) and sceneMax never falls below (0, 0).
struct Scene {
  Point sceneMin{1024, 700};
  Point sceneMax{0, 0};
  std::vector<Point> points;
  std::vector<Segment> segments;
  std::vector<Line> lines;
  std::vector<Circle> circles;
};

extern Scene scene;

// Appends p with its colour replaced by `color` and widens the corners.
void addPoint(Point p, int color);

// The same as addPoint(Point(x[i], y[i]), color) for i = 0..count - 1 in
// turn, in one pass.
void addPoints(const float x[], const float y[], int count, int color);

// Appends s with its segment colour replaced by `color` (the end points keep
// theirs) and widens the corners with a, then b.
void addSegment(Segment s, int color);
