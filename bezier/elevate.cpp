#include "bezier.h"

void elevateDegree(Point P[], int n, int r) {
  if (n < 0) {
    return;
  }
  Point Q[kMaxPoints];
  for (int j = 0; j <= n; ++j) {
    Q[j] = P[j];
  }
  const Point first = P[0];
  const Point last = P[n];
  for (int k = 1; k <= r; ++k) {
    const int m = n + k;
    for (int j = 1; j < m; ++j) {
      const double w = 1.0 - static_cast<double>(j) / m;
      P[j].x = static_cast<float>((j * static_cast<double>(Q[j - 1].x)) / m + w * P[j].x);
      P[j].y = static_cast<float>((j * static_cast<double>(Q[j - 1].y)) / m + w * P[j].y);
    }
    // The end points are set, never computed, so they survive bit for bit.
    P[0].x = first.x;
    P[0].y = first.y;
    P[m].x = last.x;
    P[m].y = last.y;
    for (int j = 0; j <= m; ++j) {
      Q[j] = P[j];
    }
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
