#include <algorithm>

#include "bezier.h"

void elevateOnce(Point P[], int m) {
  Point before = P[0];  // P[j - 1] as it stood before this pass
  for (int j = 1; j < m; ++j) {
    const Point old = P[j];
    const double w = 1.0 - static_cast<double>(j) / m;
    P[j].x = static_cast<float>((j * static_cast<double>(before.x)) / m + w * old.x);
    P[j].y = static_cast<float>((j * static_cast<double>(before.y)) / m + w * old.y);
    before = old;
  }
  // The end points are kept, never computed, so they survive bit for bit.
  P[m].x = before.x;
  P[m].y = before.y;
}

void elevationPasses(const Point P[], int n, int r, Point passes[]) {
  std::copy(P, P + n + 1, passes);
  for (int m = n + 1; m <= n + r; ++m) {
    Point* const next = passes + m;
    std::copy(passes, next, next);
    elevateOnce(next, m);
    passes = next;
  }
}

void elevateDegree(Point P[], int n, int r) {
  if (n < 0) {
    return;
  }
  for (int m = n + 1; m <= n + r; ++m) {
    elevateOnce(P, m);
  }

  const int d = n + r;
  Segment edges[kMaxElevatedSegments];
  for (int k = 0; k < d; ++k) {
    edges[k] = Segment(P[k], P[k + 1]);
  }
  for (int k = 0; k <= d; ++k) {
    addPoint(P[k], kBlack);
  }
  for (int k = 0; k < d; ++k) {
    addSegment(edges[k], kMagenta);
  }
}
