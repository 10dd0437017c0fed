#include "construction.h"

#include "gl_batch.h"

void drawConstruction(const Exercise& exercise, float t, double unit, float size) {
  // Dark green, teal, brown and violet: 4.1, 4.5, 5.5 and 7.1 : 1 on the
  // picture's ground (0.9, 0.9, 0.8).
  constexpr float kColors[][3] = {
      {0, 0.5f, 0}, {0, 0.45f, 0.45f}, {0.55f, 0.27f, 0.07f}, {0.45f, 0.1f, 0.6f}};
  constexpr int kColorCount = 4;
  constexpr float kBlack[3] = {0, 0, 0};
  // Made once, on the heap: static Points, which start Black, would be the
  // page's own data.
  static Point* const scheme = new Point[kMaxWorkingPoints];
  static float* const xy = new float[2 * kMaxPoints];
  const int n = exercise.n;
  casteljauScheme(exercise.control, n, t, scheme);
  // The levels of a colour one after another, so that each colour is one
  // batch of lines and one of points.
  for (int color = 0; color < kColorCount; ++color) {
    for (int k = 1 + color; k < n; k += kColorCount) {
      const Point* level = scheme + k * (n + 1) - k * (k - 1) / 2;
      for (int i = 0; i <= n - k; ++i) {
        xy[2 * i] = static_cast<float>(level[i].x * unit);
        xy[2 * i + 1] = static_cast<float>(level[i].y * unit);
      }
      drawPolygon(kColors[color], xy, n + 1 - k, size);
    }
  }
  const Point& at = scheme[(n + 1) * (n + 2) / 2 - 1];
  xy[0] = static_cast<float>(at.x * unit);
  xy[1] = static_cast<float>(at.y * unit);
  drawPolygon(kBlack, xy, 1, 2 * size);
}
