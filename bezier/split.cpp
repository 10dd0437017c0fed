#include <algorithm>

#include "bezier.h"
#include "listing.h"

void midpointLevel(const Point above[], int count, Point level[]) {
  for (int i = 0; i + 1 < count; ++i) {
    level[i].x = static_cast<float>((static_cast<double>(above[i + 1].x) + above[i].x) * 0.5);
    level[i].y = static_cast<float>((static_cast<double>(above[i + 1].y) + above[i].y) * 0.5);
  }
}

void midpointScheme(const Point P[], int n, Point scheme[]) {
  std::copy(P, P + n + 1, scheme);
  for (int count = n + 1; count > 1; --count) {
    midpointLevel(scheme, count, scheme + count);
    scheme += count;
  }
}

void splitAndElevate(Point P[], int n, int r1, int r2, std::FILE* out) {
  if (n < 0) {
    return;
  }
  Point L[kMaxPoints];
  Point R[kMaxPoints];
  L[0] = P[0];
  R[0] = P[n];
  // Each level halves the remaining polygon in place; its first point lies on
  // the first half's polygon, its last on the second half's.
  for (int k = 0; k < n; ++k) {
    midpointLevel(P, n - k + 1, P);
    L[k + 1] = P[0];
    R[k + 1] = P[n - k - 1];
  }

  elevateDegree(L, n, r1);
  elevateDegree(R, n, r2);

  for (int k = 0; k <= n + r1; ++k) {
    printPair(out, L[k]);
  }
  for (int k = 0; k <= n + r2; ++k) {
    printPair(out, R[k]);
  }
  std::fflush(out);

  sampleCurve(L, n + r1, kBlue);
}
