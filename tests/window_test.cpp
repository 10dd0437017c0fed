#include <GL/glut.h>

#include <vector>

#include "geometry_assertions.h"
#include "program_window.h"
#include "viewer.h"

namespace {

const char* const kTitle = "Geometrija - prikaz zadatka";
const Rgb kClear{230, 230, 204};
const Rgb kOrangeRgb{255, 128, 0};
const Rgb kRedRgb{255, 0, 0};
const Rgb kBlueRgb{0, 0, 255};
const Rgb kBlackRgb{0, 0, 0};

struct Probe {
  double x, y;
  Rgb color;
  const char* what;
};

// A complete run and what its window must show, with the camera worked out by hand.
struct Shot {
  std::string input;
  double cx, cy, dist;
  std::vector<Probe> probes;
};

// A parabola-like curve P0, P1, P2 with P0.y == P2.y, the first half raised by
// one degree: Blue covers the first half of the Red trace, the second half's
// polygon stays Black at (P1 + P2) / 2.
Shot tent(double x0, double y0, double x1, double y1, double x2, double cx, double cy, double dist,
          bool apexShows) {
  const auto curve = [&](double t) {
    const double u = 1 - t;
    return Point(static_cast<float>(u * u * x0 + 2 * u * t * x1 + t * t * x2),
                 static_cast<float>(u * u * y0 + 2 * u * t * y1 + t * t * y0));
  };
  Shot shot;
  shot.input = "2\n" + std::to_string(x0) + " " + std::to_string(y0) + "\n" + std::to_string(x1) +
               " " + std::to_string(y1) + "\n" + std::to_string(x2) + " " + std::to_string(y0) +
               "\n1\n0\n";
  shot.cx = cx;
  shot.cy = cy;
  shot.dist = dist;
  shot.probes = {{curve(0.25).x, curve(0.25).y, kBlueRgb, "Blue trace"},
                 {curve(0.75).x, curve(0.75).y, kRedRgb, "Red trace"},
                 {(x1 + x2) / 2, (y1 + y0) / 2, kBlackRgb, "Black elevated point"}};
  if (apexShows) {
    shot.probes.push_back({x1, y1, kOrangeRgb, "Orange control point"});
  }
  return shot;
}

// Where a scene point lands in a w x h window (rows counted from the top).
void pixelOf(const Shot& shot, const Probe& p, int w, int h, double& px, double& py) {
  const double f = 1 / std::tan(M_PI / 8);  // a 45 degree field of view
  px = (f * h / w * (p.x - shot.cx) / shot.dist + 1) * w / 2;
  py = h - (f * (p.y - shot.cy) / shot.dist + 1) * h / 2;
}

bool shows(const ProgramWindow::Image& image, const Shot& shot, const Probe& p) {
  double px = 0;
  double py = 0;
  pixelOf(shot, p, image.width(), image.height(), px, py);
  return image.showsNear(px, py, p.color);
}

// Waits for a redraw that shows every probe, then reports each one.
void expectShot(ProgramWindow& window, const Shot& shot) {
  for (int tries = 0; tries < 100; ++tries) {
    const ProgramWindow::Image image = window.image();
    bool all = true;
    for (const Probe& p : shot.probes) {
      all = all && shows(image, shot, p);
    }
    if (all || tries == 99) {
      for (const Probe& p : shot.probes) {
        EXPECT_TRUE(shows(image, shot, p)) << p.what << " at " << Point(p.x, p.y) << " in "
                                           << image.width() << " x " << image.height();
      }
      EXPECT_GT(image.share(kClear), 0.6);
      return;
    }
    ProgramWindow::pause();
  }
}

bool needDisplay() {
  const char* display = std::getenv("DISPLAY");
  if (display != nullptr && *display != '\0') {
    return true;
  }
  EXPECT_EQ(std::getenv("GEOMETRIJA_REQUIRE_DISPLAY"), nullptr) << "no X display to test on";
  return false;
}

const std::string kExampleOutput =
    "Unesite stepen Beizerove krive Unesite koordinate 1. kontrolne tacke:\n"
    "Unesite koordinate 2. kontrolne tacke:\nUnesite koordinate 3. kontrolne tacke:\n"
    "\n Unesite za koji stepen zelite da uvecate 1. deo krive: "
    "\n Unesite za koji stepen zelite da uvecate 2. deo krive: "
    " (0.00,0.00)  (0.33,0.67)  (0.67,1.00)  (1.00,1.00)  (2.00,0.00)  (1.50,1.00)  (1.00,1.00) ";

}  // namespace

TEST(Window, ShowsTheExerciseRedrawsOnResizeAndClosesWithStatusZero) {
  if (!needDisplay()) {
    GTEST_SKIP();
  }
  const Shot example = tent(0, 0, 1, 2, 2, 1, 1, 2, false);
  ProgramWindow window(example.input);
  ASSERT_TRUE(window.find(kTitle));
  const XWindowAttributes a = window.attributes();
  EXPECT_EQ(a.width, 1024);
  EXPECT_EQ(a.height, 700);
  EXPECT_EQ(a.x, 100);
  EXPECT_EQ(a.y, 50);
  expectShot(window, example);

  window.resize(640, 480);
  expectShot(window, example);
  window.resize(640, 1);  // as flat as X allows; reshape itself is tested at height 0
  ProgramWindow::pause();
  EXPECT_TRUE(window.running());
  window.resize(500, 700);
  expectShot(window, example);

  window.close();
  EXPECT_EQ(window.exitStatus(), 0);
  EXPECT_EQ(window.output(), kExampleOutput);
}

TEST(Window, ScenesFarAndNearAreNotBlank) {
  if (!needDisplay()) {
    GTEST_SKIP();
  }
  Shot origin{"0\n0 0\n0\n0\n", 0, 0, 1, {{0, 0, kBlueRgb, "Blue trace at the origin"}}};
  for (const Shot& shot : {tent(600, 100, 800, 300, 1000, 800, 200, 1600, true),
                           tent(0.1, 0.1, 0.25, 0.3, 0.4, 0.25, 0.2, 0.5, true), origin}) {
    ProgramWindow window(shot.input);
    ASSERT_TRUE(window.find(kTitle));
    expectShot(window, shot);
    window.close();
    EXPECT_EQ(window.exitStatus(), 0);
  }
}

TEST(Window, WithoutADisplayTheListingStandsAndTheStatusIsAFailure) {
  ProgramWindow program(tent(0, 0, 1, 2, 2, 1, 1, 2, false).input, false);
  EXPECT_GT(program.exitStatus(), 0);
  EXPECT_EQ(program.output(), kExampleOutput);
}

TEST(Window, ReshapeAndColoursInTheGlState) {
  if (!needDisplay()) {
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
