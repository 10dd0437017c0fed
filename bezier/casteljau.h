#pragma once

#include "bezier.h"

// De Casteljau's recurrence for kLanes parameter values at once. Each lane
// performs exactly the operations of a lone evaluation (double products and
// sum from the stored floats, rounded to float on store), so a lane's result
// does not depend on how many lanes run beside it; the lanes only give the
// processor independent work. Needs 1 <= n < kMaxPoints.
template <int kLanes>
void casteljau(const Point P[], int n, const float t[kLanes], float x[kLanes], float y[kLanes]) {
  double u[kLanes];
  double s[kLanes];
  for (int l = 0; l < kLanes; ++l) {
    s[l] = t[l];
    u[l] = 1.0 - s[l];
  }
  float wx[kMaxPoints][kLanes];
  float wy[kMaxPoints][kLanes];
  // The first level reads the polygon itself instead of a copy of it.
  for (int j = 0; j < n; ++j) {
    for (int l = 0; l < kLanes; ++l) {
      wx[j][l] = static_cast<float>(u[l] * P[j].x + s[l] * P[j + 1].x);
      wy[j][l] = static_cast<float>(u[l] * P[j].y + s[l] * P[j + 1].y);
    }
  }
  for (int k = n - 1; k >= 1; --k) {
    for (int j = 0; j < k; ++j) {
      for (int l = 0; l < kLanes; ++l) {
        wx[j][l] = static_cast<float>(u[l] * wx[j][l] + s[l] * wx[j + 1][l]);
        wy[j][l] = static_cast<float>(u[l] * wy[j][l] + s[l] * wy[j + 1][l]);
      }
    }
  }
  for (int l = 0; l < kLanes; ++l) {
    x[l] = wx[0][l];
    y[l] = wy[0][l];
  }
}
