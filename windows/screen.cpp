// The screen on Windows: the system's scale (100 %, 125 %, 150 % ...), which
// Windows tells a program that says it is DPI aware (geometrija.manifest)
// instead of stretching its window, and the primary monitor's work area, the
// screen without its taskbar, where the window opens.

#include <windows.h>

#include "viewer.h"

Desktop desktopFor(int /*argc*/, char** /*argv*/) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  // The frame freeglut gives its windows, at the system's scale.
  RECT frame{};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, FALSE, 0);
  return {{area.left, area.top, area.right - area.left, area.bottom - area.top},
          {-frame.left, -frame.top, frame.right, frame.bottom}};
}

double displayScale() {
  // The system's scale does not change while a DPI-aware program runs.
  static const double scale = [] {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return scaleForDpi(dpi);
  }();
  return scale;
}
