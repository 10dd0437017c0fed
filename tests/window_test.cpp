// Runs the real program on the test's X display and looks at its window as a
// person does: finds it by its title, reads its pixels, resizes it and closes
// it with the window manager's close message.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <map>
#include <vector>

#include "camera.h"
#include "geometry_assertions.h"

// After gtest: X11 defines None and Bool as macros.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// Waits for the program's window to show, then gives its id and position.
const char* const kFind =
    "xdotool search --sync --onlyvisible --name "
    "'^Geometrija - prikaz zadatka$' getwindowgeometry --shell";

// Waits up to 5 s for a w x h frame that shows what the framing rule says:
// every recorded point inside the window, each that no later point of another
// colour covers in its colour, the corner clear; the pixels that do not.
static int missing(Display* display, Window window, int w, int h) {
  const std::map<int, unsigned long> rgb = {
      {kRed, 0xff0000}, {kBlue, 0x0000ff}, {kOrange, 0xff8000}, {kBlack, 0}, {-1, 0xe6e6cc}};
  const Camera c = cameraFor(scene.sceneMin, scene.sceneMax);
  const double aspect = static_cast<double>(w) / h;
  const double f =
      1 / std::tan(fieldOfView(scene.sceneMin, scene.sceneMax, c, aspect) * M_PI / 360);
  std::vector<Point> at(1);  // in pixels from the top left: the corner, then every point
  at[0].color = -1;
  for (const Point& p : scene.points) {
    at.emplace_back((f / aspect * (p.x * c.unit - c.cx) / c.dist + 1) * w / 2,
                    (1 - f * (p.y * c.unit - c.cy) / c.dist) * h / 2);
    at.back().color = p.color;
    EXPECT_TRUE(at.back().x >= 0 && at.back().x < w && at.back().y >= 0 && at.back().y < h);
  }
  int wrong = -1;
  for (int tries = 0; tries < 100 && wrong != 0; ++tries, usleep(50000)) {
    XWindowAttributes a;
    XGetWindowAttributes(display, window, &a);
    if (a.map_state != IsViewable || a.width != w || a.height != h)
      continue;
    XImage* image = XGetImage(display, window, 0, 0, w, h, AllPlanes, ZPixmap);
    wrong = 0;
    for (auto p = at.begin(); p != at.end(); ++p) {
      const bool covered = std::any_of(p + 1, at.end(), [&](const Point& q) {
        return q.color != p->color && std::fabs(q.x - p->x) < 4 && std::fabs(q.y - p->y) < 4;
      });
      wrong += !covered &&
               XGetPixel(image, static_cast<int>(p->x), static_cast<int>(p->y)) != rgb.at(p->color);
    }
    XDestroyImage(image);
  }
  return wrong;
}

TEST(Window, ShowsEveryRecordedPointAtEverySizeAndClosesWithStatusZero) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr) << "the window tests need an X display; scripts/test starts one";
  // A window that is gone fails the test rather than ending it.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  for (const std::string& input :
       {kExample, std::string("2\n0 0\n0.5 5\n1 0\n1\n0\n"),           // tall
        std::string("3\n100 100\n150 300\n300 320\n400 120\n1\n2\n"),  // fits at 45 degrees
        std::string("2\n-3e38 -3e38\n0 3e38\n3e38 -3e38\n1\n0\n"),     // the float range's edge
        std::string("2\n0 0\n1e-30 2e-30\n2e-30 0\n1\n0\n")}) {        // tiny
    SCOPED_TRACE(input);
    const std::string printed = converse(input);  // what the program must record and print
    const std::string run = "printf '%s' '" + input + "' | timeout 60 " GEOMETRIJA_BINARY;
    std::FILE* program = popen((run + " 2>/dev/null; printf ' status %d' $?").c_str(), "r");
    std::FILE* search = popen(kFind, "r");
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_EQ(std::fscanf(search, "WINDOW=%lu X=%d Y=%d", &window, &x, &y), 3);
    pclose(search);
    EXPECT_EQ(std::pair(x, y), std::pair(100, 50));
    EXPECT_EQ(missing(display, window, 1024, 700), 0);
    for (const auto& [w, h] : {std::pair(500, 700), std::pair(1180, 400)}) {
      XResizeWindow(display, window, w, h);
      EXPECT_EQ(missing(display, window, w, h), 0) << w << " x " << h;
    }
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    XClientMessageEvent close{ClientMessage, 0, True, display, window, protocols, 32, {}};
    close.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, reinterpret_cast<XEvent*>(&close));
    XFlush(display);
    char text[4096];
    EXPECT_EQ(std::string(text, std::fread(text, 1, sizeof text, program)), printed + " status 0");
    pclose(program);
  }
  XCloseDisplay(display);
}
