// Runs the real program on the test's X display and looks at its window as a
// person does: finds it by its title, reads its pixels, resizes it and closes
// it with the window manager's close message.

#include <unistd.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "camera.h"
#include "console_capture.h"
#include "dialogue.h"
#include "geometry_assertions.h"
#include "viewer.h"

// After gtest: X11 defines None and Bool as macros.
#include <GL/glut.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

const char* const kTitle = "Geometrija - prikaz zadatka";

// The program answering `input`; reading it gives its console output, then its exit status.
std::FILE* start(const std::string& input, const char* environment = "") {
  const std::string command = "printf '%s' '" + input + "' | " + environment +
                              " timeout 60 " GEOMETRIJA_BINARY
                              " 2>/dev/null; printf ' status %d' $?";
  return popen(command.c_str(), "r");
}

std::string finish(std::FILE* program) {
  std::string text;
  for (int c = std::fgetc(program); c != EOF; c = std::fgetc(program)) {
    text += static_cast<char>(c);
  }
  pclose(program);
  return text;
}

// A recorded point's pixel (from the top left) and the colour it must show there.
struct Probe {
  int x, y;
  int color;
};

// Where the framing rule puts every recorded point in a w x h window; each
// must land inside. Returns those that no later point of another colour covers.
std::vector<Probe> probesFor(int w, int h) {
  const Camera c = cameraFor(scene.sceneMin, scene.sceneMax);
  const double aspect = static_cast<double>(w) / h;
  const double fovy = fieldOfView(scene.sceneMin, scene.sceneMax, c, aspect);
  const double f = 1 / std::tan(fovy * M_PI / 360);
  std::vector<Probe> all;
  for (const Point& p : scene.points) {
    const double x = (f / aspect * (p.x * c.unit - c.cx) / c.dist + 1) * w / 2;
    const double y = (1 - f * (p.y * c.unit - c.cy) / c.dist) * h / 2;
    EXPECT_TRUE(x >= 0 && x < w && y >= 0 && y < h) << p << " at " << x << ", " << y;
    all.push_back({static_cast<int>(x), static_cast<int>(y), p.color});
  }
  std::vector<Probe> shown;
  for (size_t i = 0; i < all.size(); ++i) {
    bool covered = false;
    for (size_t j = i + 1; j < all.size() && !covered; ++j) {
      covered = all[j].color != all[i].color && std::abs(all[j].x - all[i].x) < 4 &&
                std::abs(all[j].y - all[i].y) < 4;
    }
    if (!covered) {
      shown.push_back(all[i]);
    }
  }
  return shown;
}

class ProgramWindow {
 public:
  explicit ProgramWindow(Display* display) : display_(display) {
    for (int tries = 0; tries < 100 && id_ == 0; ++tries, usleep(50000)) {
      Window root, parent, *children = nullptr;
      unsigned count = 0;
      XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
      for (unsigned i = 0; i < count; ++i) {
        char* name = nullptr;
        if (XFetchName(display_, children[i], &name) != 0 && std::strcmp(name, kTitle) == 0) {
          id_ = children[i];
        }
        XFree(name);
      }
      XFree(children);
    }
  }
  bool found() const { return id_ != 0; }

  XWindowAttributes attributes() {
    XWindowAttributes a;
    XGetWindowAttributes(display_, id_, &a);
    Window child;
    XTranslateCoordinates(display_, id_, DefaultRootWindow(display_), 0, 0, &a.x, &a.y, &child);
    return a;
  }

  void resize(int w, int h) {
    XResizeWindow(display_, id_, w, h);
    XSync(display_, False);
  }

  // Waits up to 5 s for a w x h frame in which every probe shows its colour
  // within a pixel; the number of probes that still do not.
  int missing(int w, int h) {
    const std::vector<Probe> probes = probesFor(w, h);
    int left = -1;
    for (int tries = 0; tries < 100 && left != 0; ++tries, usleep(50000)) {
      const XWindowAttributes a = attributes();
      if (a.width != w || a.height != h) {
        continue;
      }
      XImage* image = XGetImage(display_, id_, 0, 0, w, h, AllPlanes, ZPixmap);
      left = 0;
      for (const Probe& p : probes) {
        left += shows(image, p) ? 0 : 1;
      }
      XDestroyImage(image);
    }
    return left;
  }

  void close() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id_;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    XSendEvent(display_, id_, False, NoEventMask, &event);
    XSync(display_, False);
  }

 private:
  static bool shows(XImage* image, const Probe& p) {
    float rgb[3];
    colorComponents(p.color, rgb);
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int x = p.x + dx;
        const int y = p.y + dy;
        if (x < 0 || y < 0 || x >= image->width || y >= image->height) {
          continue;
        }
        const unsigned long pixel = XGetPixel(image, x, y);
        const int got[3] = {static_cast<int>(pixel >> 16 & 255), static_cast<int>(pixel >> 8 & 255),
                            static_cast<int>(pixel & 255)};
        bool same = true;
        for (int k = 0; k < 3; ++k) {
          same = same && std::abs(got[k] - std::lround(rgb[k] * 255)) <= 2;
        }
        if (same) {
          return true;
        }
      }
    }
    return false;
  }

  Display* display_;
  Window id_ = 0;
};

// Records in this process the scene the program records for `input`.
void recordScene(const std::string& input) {
  scene = Scene();
  std::FILE* discard = std::tmpfile();
  std::FILE* in = fileWith(input);
  runDialogue(Console{in, discard, discard});
  std::fclose(in);
  std::fclose(discard);
}

const std::string kExample = "2\n0 0\n1 2\n2 0\n1\n0\n";
const std::string kExampleOutput =
    "Unesite stepen Beizerove krive Unesite koordinate 1. kontrolne tacke:\n"
    "Unesite koordinate 2. kontrolne tacke:\nUnesite koordinate 3. kontrolne tacke:\n"
    "\n Unesite za koji stepen zelite da uvecate 1. deo krive: "
    "\n Unesite za koji stepen zelite da uvecate 2. deo krive: "
    " (0.00,0.00)  (0.33,0.67)  (0.67,1.00)  (1.00,1.00)  (2.00,0.00)  (1.50,1.00)  (1.00,1.00) ";

// False when there is no X display to test on, a failure where one is required.
bool haveDisplay() {
  const char* display = std::getenv("DISPLAY");
  if (display != nullptr && *display != '\0') {
    return true;
  }
  EXPECT_EQ(std::getenv("GEOMETRIJA_REQUIRE_DISPLAY"), nullptr) << "no X display to test on";
  return false;
}

}  // namespace

TEST(Window, ShowsEveryRecordedPointAtEverySizeAndClosesWithStatusZero) {
  if (!haveDisplay()) {
    GTEST_SKIP();
  }
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  struct Case {
    std::string input;
    bool resized;
  };
  const Case cases[] = {
      {kExample, true},
      {"2\n0 0\n0.5 5\n1 0\n1\n0\n", true},                     // tall
      {"3\n100 100\n150 300\n300 320\n400 120\n1\n2\n", true},  // fits at 45 degrees
      {"2\n-3e38 -3e38\n0 3e38\n3e38 -3e38\n1\n0\n", false},    // the float range's edge
      {"2\n0 0\n1e-30 2e-30\n2e-30 0\n1\n0\n", false},          // tiny
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    recordScene(c.input);
    std::FILE* program = start(c.input);
    ProgramWindow window(display);
    ASSERT_TRUE(window.found());
    const XWindowAttributes a = window.attributes();
    EXPECT_EQ(a.x, 100);
    EXPECT_EQ(a.y, 50);
    EXPECT_EQ(window.missing(1024, 700), 0);
    if (c.resized) {
      window.resize(500, 700);
      EXPECT_EQ(window.missing(500, 700), 0);
      window.resize(1180, 400);
      EXPECT_EQ(window.missing(1180, 400), 0);
    }
    window.close();
    const std::string output = finish(program);
    EXPECT_EQ(output.substr(output.size() - 9), " status 0");
    if (c.input == kExample) {
      EXPECT_EQ(output, kExampleOutput + " status 0");
    }
  }
  XCloseDisplay(display);
}

TEST(Window, WithoutADisplayTheListingStandsAndTheStatusIsAFailure) {
  EXPECT_EQ(finish(start(kExample, "env -u DISPLAY")), kExampleOutput + " status 1");
}

TEST(Window, ReshapeAndColoursInTheGlState) {
  if (!haveDisplay()) {
    GTEST_SKIP();
  }
  int argc = 1;
  char name[] = "window_test";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow("reshape");

  reshape(640, 0);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 640);
  EXPECT_EQ(viewport[3], 1);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  EXPECT_NEAR(projection[5] / projection[0], 640.0, 0.01);  // GL keeps floats

  setColor(kOrange);
  setColor(10);
  setColor(-1);
  GLfloat color[4];
  glGetFloatv(GL_CURRENT_COLOR, color);
  EXPECT_EQ(color[0], 1.0f);
  EXPECT_EQ(color[1], 0.5f);
  EXPECT_EQ(color[2], 0.0f);
}
