// The system's scale (100 %, 125 %, 150 % ...), which Windows tells a
// program that says it is DPI aware (geometrija.manifest) instead of
// stretching its window: the window then opens as large as at 100 % and is
// drawn with every pixel.

#include <windows.h>

#include "viewer.h"

double displayScale() {
  // The system's scale does not change while a DPI-aware program runs.
  static const double scale = [] {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi / 96.0;
  }();
  return scale;
}
