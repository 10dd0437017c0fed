#pragma once

// Where the window opens on a screen that may be too small for it. Plain
// values and a plain function, so the rule is tested without a window.

#include <climits>

// A box of device pixels: its top-left corner and its size.
struct PixelBox {
  int x;
  int y;
  int width;
  int height;
};

// What the window system draws around a window's client area, in device
// pixels.
struct FrameEdges {
  int left;
  int top;
  int right;
  int bottom;
};

// The screen as the window system tells it before the window opens: where a
// window's frame may lie (the screen without its taskbar or panels), and the
// frame it draws.
struct Desktop {
  PixelBox workArea;
  FrameEdges frame;
};

// A desktop that bounds no window: where the screen is unknown, or where the
// page gives the window its room itself.
constexpr Desktop kUnbounded{{0, 0, INT_MAX, INT_MAX}, {0, 0, 0, 0}};

// Device pixels to a designed pixel on a screen of `dpi` dots per inch (96 is
// one to one); 1 where that is not a positive number.
double scaleForDpi(double dpi);

// The window GLUT is asked for: its frame's top-left corner (x, y) and its
// client area's size. As designed, 1024 x 700 with the frame at (100, 50),
// times `scale`, where the work area holds that; otherwise the largest client
// area of the designed shape whose frame the work area holds, never larger
// than designed, moved as little as it takes for the frame to lie inside.
PixelBox windowPlace(const Desktop& desktop, double scale);
