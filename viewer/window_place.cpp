#include "window_place.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long long kWidth = 1024;
constexpr long long kHeight = 700;
constexpr int kLeft = 100;
constexpr int kTop = 50;

// The designed start along one axis, pulled in to [start, start + room].
int inside(int designed, int start, int room) {
  return std::max(start, std::min(designed, start + room));
}

}  // namespace

double scaleForDpi(double dpi) { return dpi > 0 && std::isfinite(dpi) ? dpi / 96 : 1; }

PixelBox windowPlace(const Desktop& desktop, double scale) {
  const auto scaled = [&](long long pixels) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * scale));
  };
  const PixelBox& area = desktop.workArea;
  const long long frameWidth = desktop.frame.left + desktop.frame.right;
  const long long frameHeight = desktop.frame.top + desktop.frame.bottom;
  const long long roomWidth = area.width - frameWidth;
  const long long roomHeight = area.height - frameHeight;
  long long width = scaled(kWidth);
  long long height = scaled(kHeight);
  if (width > roomWidth || height > roomHeight) {
    // Whichever side the room binds first sets the other by the shape.
    if (roomWidth * kHeight <= roomHeight * kWidth) {
      width = roomWidth;
      height = roomWidth * kHeight / kWidth;
    } else {
      height = roomHeight;
      width = roomHeight * kWidth / kHeight;
    }
    width = std::max(1LL, width);
    height = std::max(1LL, height);
  }
  return {inside(scaled(kLeft), area.x, static_cast<int>(area.width - width - frameWidth)),
          inside(scaled(kTop), area.y, static_cast<int>(area.height - height - frameHeight)),
          static_cast<int>(width), static_cast<int>(height)};
}
