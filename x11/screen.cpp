// The screen on X11: its scale from the Xft.dpi resource, which GNOME and KDE
// set for every program (192 on a screen of two device pixels to a logical
// one, 96 at one to one), and the work area a window manager keeps free of
// its panels (_NET_WORKAREA), or the whole screen without one.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "viewer.h"

namespace {

// Read with the work area by desktopFor, which the viewer asks first.
double scale = 1;

// A window manager's frame cannot be measured before the window is mapped:
// room for the title bars of the desktops in use (20 to 40 pixels high) and
// borders (up to 4), at one device pixel to a designed pixel.
constexpr FrameEdges kFrameRoom{4, 40, 4, 4};

double scaleOf(Display* display) {
  const char* resources = XResourceManagerString(display);
  if (resources == nullptr) {
    return 1;
  }
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  char* type = nullptr;
  XrmValue value{};
  double dpi = 0;
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) == True &&
      value.addr != nullptr) {
    dpi = std::strtod(value.addr, nullptr);
  }
  XrmDestroyDatabase(database);
  return scaleForDpi(dpi);
}

PixelBox workAreaOf(Display* display) {
  const int screen = DefaultScreen(display);
  PixelBox area{0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
  const Atom workArea = XInternAtom(display, "_NET_WORKAREA", True);
  if (workArea == None) {
    return area;
  }
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long left = 0;
  unsigned char* data = nullptr;
  // The first desktop's; window managers give every desktop the same.
  if (XGetWindowProperty(display, RootWindow(display, screen), workArea, 0, 4, False, XA_CARDINAL,
                         &type, &format, &count, &left, &data) == Success &&
      format == 32 && count == 4) {
    const long* box = reinterpret_cast<const long*>(data);  // Xlib's 32-bit items are longs
    area = {static_cast<int>(box[0]), static_cast<int>(box[1]), static_cast<int>(box[2]),
            static_cast<int>(box[3])};
  }
  XFree(data);
  return area;
}

}  // namespace

Desktop desktopFor(int argc, char** argv) {
  // GLUT's display: the last -display NAME, or DISPLAY's.
  const char* name = nullptr;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-display") == 0) {
      name = argv[++i];
    }
  }
  Display* display = XOpenDisplay(name);
  if (display == nullptr) {
    // GLUT says that it cannot open the display, and the program ends.
    return kUnbounded;
  }
  scale = scaleOf(display);
  const PixelBox area = workAreaOf(display);
  XCloseDisplay(display);
  const auto room = [](int pixels) {
    return static_cast<int>(std::lround(pixels * scale));
  };
  return {area,
          {room(kFrameRoom.left), room(kFrameRoom.top), room(kFrameRoom.right),
           room(kFrameRoom.bottom)}};
}

double displayScale() { return scale; }
