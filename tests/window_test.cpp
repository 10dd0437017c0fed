// Runs the real program on the test's X display and looks at its window as a
// person does: finds it by its title, reads its pixels, resizes it and closes
// it with the window manager's close message.

#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>

#include "framing.h"
#include "geometry_assertions.h"

// After gtest: X11 defines None and Bool as macros.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The program looked at: this build's, or the command in GEOMETRIJA_PROGRAM
// (scripts/test names the Windows build there, run by wine).
const std::string kProgram = std::getenv("GEOMETRIJA_PROGRAM") != nullptr
                                 ? std::getenv("GEOMETRIJA_PROGRAM")
                                 : GEOMETRIJA_BINARY;
// A Windows program writes its lines with CR LF, and Windows puts the frame,
// not the client area, where GLUT is told. By wine's metrics the frame has a
// 4-pixel left edge and a top of 4 + 19 for the caption.
const bool kWindows = kProgram.size() > 4 && kProgram.compare(kProgram.size() - 4, 4, ".exe") == 0;
constexpr int kFrameLeft = 4;
constexpr int kFrameTop = 23;

// Waits for the program's window to show, then gives its id and position.
const char* const kFind =
    "timeout 60 xdotool search --sync --onlyvisible --name "
    "'^Geometrija - prikaz zadatka$' getwindowgeometry --shell";

// Waits up to 5 s for a w x h frame that shows every probe, then checks it.
static void expectFramed(Display* display, Window window, int w, int h) {
  SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
  const std::vector<Probe> probes = probesFor(w, h);
  EXPECT_GT(edgesOf(probes, kBlue), 0) << "no Blue edge to look at";
  EXPECT_GT(edgesOf(probes, kMagenta), 0) << "no Magenta edge to look at";
  long wrong = -1;
  for (int tries = 0; tries < 100 && wrong != 0; ++tries, usleep(50000)) {
    XWindowAttributes a;
    XGetWindowAttributes(display, window, &a);
    if (a.map_state != IsViewable || a.width != w || a.height != h)
      continue;
    // Gone when the window changed size in between.
    XImage* image = XGetImage(display, window, 0, 0, w, h, AllPlanes, ZPixmap);
    if (image == nullptr)
      continue;
    wrong = wrongIn(probes, w, h, [&](int x, int y) { return XGetPixel(image, x, y); });
    XDestroyImage(image);
  }
  EXPECT_EQ(wrong, 0) << "probes not in their colour";
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
    std::string printed = converse(input);  // what the program must record and print
    if (kWindows)
      printed = std::regex_replace(printed, std::regex("\n"), "\r\n");
    const std::string run = "printf '%s' '" + input + "' | timeout 60 " + kProgram;
    std::FILE* running = popen((run + " 2>/dev/null; printf ' status %d' $?").c_str(), "r");
    std::FILE* search = popen(kFind, "r");
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_EQ(std::fscanf(search, "WINDOW=%lu X=%d Y=%d", &window, &x, &y), 3);
    pclose(search);
    EXPECT_EQ(x, 100 + (kWindows ? kFrameLeft : 0));
    EXPECT_EQ(y, 50 + (kWindows ? kFrameTop : 0));
    expectFramed(display, window, 1024, 700);
    for (const auto& [w, h] : {std::pair(500, 700), std::pair(1180, 400)}) {
      XResizeWindow(display, window, w, h);
      expectFramed(display, window, w, h);
    }
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    XClientMessageEvent close{ClientMessage, 0, True, display, window, protocols, 32, {}};
    close.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, reinterpret_cast<XEvent*>(&close));
    XFlush(display);
    char text[4096];
    EXPECT_EQ(std::string(text, std::fread(text, 1, sizeof text, running)), printed + " status 0");
    pclose(running);
  }
  XCloseDisplay(display);
}
