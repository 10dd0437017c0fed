// The exercise on the page changed after the dialogue: a control point taken
// in the picture and moved, an amount changed, an earlier exercise brought
// back from the page's history. Each change is worked out by the dialogue's
// own steps (workExercise) on a fresh scene and drawn by the viewer; page.js
// and explore.js hand it the pointer, the keys and the fields.

#include "explore.h"

#include <emscripten.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "camera.h"
#include "construction.h"
#include "gl_batch.h"
#include "judge.h"
#include "snap.h"
#include "viewer.h"
#include "working.h"

Exercise pageExercise;

namespace {

// Shows each step of a change on the page: the listing, the degree and the
// amounts; then, once a change is finished, its answers, in the link and the
// address, as a step of the page's history where `step`.
EM_JS(void, exerciseNow, (const char* listing, int n, int r1, int r2),
      { Module.exerciseNow(UTF8ToString(listing), n, r1, r2); });
EM_JS(void, exerciseDone, (const char* answers, int step),
      { Module.exerciseDone(UTF8ToString(answers), Boolean(step)); });
EM_JS(void, amountRefused, (int which, const char* complaint),
      { Module.amountRefused(which, UTF8ToString(complaint)); });

// The text the page holds for `which`: 0 the answers in its address, 1 and 2
// the amounts' fields, 3 the student's sheet, a field a line; in memory the
// caller frees.
EM_JS(char*, pageTextCopy, (int which), {
  const text = Module.pageText(which);
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

// The canvas's device pixels, which are the window's.
EM_JS(int, canvasWidth, (), { return Module.canvas.width; });
EM_JS(int, canvasHeight, (), { return Module.canvas.height; });

// The exercise as last finished, which a drag's Escape puts back.
Exercise finished;
// The corners the view was framed from; it stays on them while a point is held.
Point framedMin;
Point framedMax;

std::string listing;

// The page's text for `which` as one line typed at the console, read to its end.
struct Typed {
  std::string line;
  size_t read = 0;
};

ssize_t readTyped(void* cookie, char* buffer, size_t size) {
  Typed& typed = *static_cast<Typed*>(cookie);
  const size_t count = std::min(size, typed.line.size() - typed.read);
  std::memcpy(buffer, typed.line.data() + typed.read, count);
  typed.read += count;
  return static_cast<ssize_t>(count);
}

std::FILE* pageLine(int which, Typed& typed) {
  char* text = pageTextCopy(which);
  typed.line = std::string(text) + "\n";
  std::free(text);
  return fopencookie(&typed, "r", {readTyped, nullptr, nullptr, nullptr});
}

ssize_t appendToListing(void* /*cookie*/, const char* text, size_t size) {
  listing.append(text, size);
  return static_cast<ssize_t>(size);
}

ssize_t discard(void* /*cookie*/, const char* /*text*/, size_t size) {
  return static_cast<ssize_t>(size);
}

// What the window shows, in the canvas's CSS pixels: the framed camera and
// the scene's half width and half height at the drawing plane, in drawing units.
struct View {
  Camera camera;
  double halfWidth;
  double halfHeight;
  double width;
  double height;
};

View currentView() {
  const double w = canvasWidth();
  const double h = canvasHeight();
  View view{cameraFor(framedMin, framedMax), 0, 0, w / displayScale(), h / displayScale()};
  const double fov = fieldOfView(framedMin, framedMax, view.camera, w / h);
  // sin / cos rather than tan, which the page would carry only for this.
  view.halfHeight = view.camera.dist * std::sin(fov * kPi / 360) / std::cos(fov * kPi / 360);
  view.halfWidth = view.halfHeight * w / h;
  return view;
}

double cssX(const View& view, float x) {
  return ((x * view.camera.unit - view.camera.cx) / view.halfWidth + 1) * view.width / 2;
}
double cssY(const View& view, float y) {
  return (1 - (y * view.camera.unit - view.camera.cy) / view.halfHeight) * view.height / 2;
}
double sceneX(const View& view, double css) {
  return ((2 * css / view.width - 1) * view.halfWidth + view.camera.cx) / view.camera.unit;
}
double sceneY(const View& view, double css) {
  return ((1 - 2 * css / view.height) * view.halfHeight + view.camera.cy) / view.camera.unit;
}

// The shortest coordinates inside the CSS pixel column under x, and the row under y.
float snappedX(const View& view, double x) {
  const double left = std::floor(x);
  return shortestInside(sceneX(view, left), sceneX(view, left + 1));
}
float snappedY(const View& view, double y) {
  const double top = std::floor(y);
  return shortestInside(sceneY(view, top + 1), sceneY(view, top));
}

// The exercise worked out anew and its listing kept, both shown on the page.
void rework() {
  static std::FILE* const out =
      fopencookie(nullptr, "w", {nullptr, appendToListing, nullptr, nullptr});
  listing.clear();
  workExercise(pageExercise, out);
  std::fflush(out);
  exerciseNow(listing.c_str(), pageExercise.n, pageExercise.r1, pageExercise.r2);
}

// The view framed by the window's own rule, as when it opens.
void frame() {
  framedMin = scene.sceneMin;
  framedMax = scene.sceneMax;
  frameScene();
  display();
}

// A change done, framed: one step of the page's history where `step`.
void finish(bool step = true) {
  frame();
  finished = pageExercise;
  exerciseDone(answersOf(finished).c_str(), step ? 1 : 0);
}

// The construction at this t shown over the picture (construction.h), or
// none: below 0.
double constructionAt = -1;

void drawOver() {
  if (constructionAt >= 0) {
    drawConstruction(pageExercise, static_cast<float>(constructionAt),
                     cameraFor(framedMin, framedMax).unit, static_cast<float>(4 * displayScale()));
  }
}

// `p` added as control point i, a change done; or the exercise as it was, and
// why: 1 or 2, the amount that it would break, whose complaint is shown, or 3,
// the degree. 0 when taken.
int add(int i, Point p) {
  const Added added = insertPoint(pageExercise, i, p);
  if (added == Added::kAdded) {
    rework();
    finish();
    return 0;
  }
  const int amount = added == Added::kFirstAmount ? 1 : 2;
  if (added != Added::kDegree) {
    amountRefused(amount, amountComplaint(pageExercise.n + 1).c_str());
  }
  return added == Added::kDegree ? 3 : amount;
}

}  // namespace

// Once the window has shown the dialogue's exercise: from now on it can be
// changed, and the page is shown its listing.
extern "C" EMSCRIPTEN_KEEPALIVE void beginExploring() {
  framedMin = scene.sceneMin;
  framedMax = scene.sceneMax;
  drawOverFrame = drawOver;
  finished = pageExercise;
  rework();
  exerciseDone(answersOf(finished).c_str(), 0);
}

// The control point under (x, y), in the canvas's CSS pixels, within 12 of
// its centre: the nearest to the pointer, counting from the edge of the
// square drawn for it; of points drawn over each other, the last drawn. -1
// where there is none.
extern "C" EMSCRIPTEN_KEEPALIVE int pointAt(double x, double y) {
  constexpr double kReach = 12;
  constexpr double kHalfSquare = 2;
  const View view = currentView();
  int taken = -1;
  double nearest = kReach * kReach;
  for (int i = 0; i <= pageExercise.n; ++i) {
    const double dx = cssX(view, pageExercise.control[i].x) - x;
    const double dy = cssY(view, pageExercise.control[i].y) - y;
    if (dx * dx + dy * dy > kReach * kReach) {
      continue;
    }
    const double ex = std::fmax(0, std::fabs(dx) - kHalfSquare);
    const double ey = std::fmax(0, std::fabs(dy) - kHalfSquare);
    if (ex * ex + ey * ey <= nearest) {
      nearest = ex * ex + ey * ey;
      taken = i;
    }
  }
  return taken;
}

// The edge of the control polygon under (x, y), in the canvas's CSS pixels,
// within 8 of it, the nearest: i for the edge from point i to i + 1; -1
// where there is none.
extern "C" EMSCRIPTEN_KEEPALIVE int edgeAt(double x, double y) {
  constexpr double kReach = 8;
  const View view = currentView();
  int taken = -1;
  double nearest = kReach * kReach;
  for (int i = 0; i < pageExercise.n; ++i) {
    const double ax = cssX(view, pageExercise.control[i].x);
    const double ay = cssY(view, pageExercise.control[i].y);
    const double dx = cssX(view, pageExercise.control[i + 1].x) - ax;
    const double dy = cssY(view, pageExercise.control[i + 1].y) - ay;
    const double length = dx * dx + dy * dy;
    const double along =
        length > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0) : 0;
    const double ex = ax + along * dx - x;
    const double ey = ay + along * dy - y;
    if (ex * ex + ey * ey <= nearest) {
      nearest = ex * ex + ey * ey;
      taken = i;
    }
  }
  return taken;
}

// A point added under (x, y), in the canvas's CSS pixels, as control point i,
// with the shortest coordinates inside that pixel; 0 when taken, else as add.
extern "C" EMSCRIPTEN_KEEPALIVE int addPoint(int i, double x, double y) {
  const View view = currentView();
  return add(i, Point(snappedX(view, x), snappedY(view, y)));
}

// A point added halfway between control point i and the next, or the one
// before it where i is the last; at degree 0, on the one point. Added after
// the first of the two: 0 when taken, else as add.
extern "C" EMSCRIPTEN_KEEPALIVE int addHalfway(int i) {
  const int from = std::max(0, std::min(i, pageExercise.n - 1));
  Point halfway = pageExercise.control[from];
  midpointLevel(pageExercise.control + from, pageExercise.n > 0 ? 2 : 1, &halfway);
  return add(from + 1, halfway);
}

// Control point i taken away, a change done; 0 at degree 0, which has none to take.
extern "C" EMSCRIPTEN_KEEPALIVE int takePoint(int i) {
  if (!removePoint(pageExercise, i)) {
    return 0;
  }
  rework();
  finish();
  return 1;
}

// The construction at t shown over the picture, or none where t < 0.
extern "C" EMSCRIPTEN_KEEPALIVE void showConstruction(double t) {
  constructionAt = t;
  display();
}

// Where control point i shows, in the canvas's CSS pixels.
extern "C" EMSCRIPTEN_KEEPALIVE double pointX(int i) {
  return cssX(currentView(), pageExercise.control[i].x);
}
extern "C" EMSCRIPTEN_KEEPALIVE double pointY(int i) {
  return cssY(currentView(), pageExercise.control[i].y);
}

// A held point i under the pointer at (x, y): the exercise follows, the view stays.
extern "C" EMSCRIPTEN_KEEPALIVE void movePoint(int i, double x, double y) {
  const View view = currentView();
  pageExercise.control[i].x = snappedX(view, x);
  pageExercise.control[i].y = snappedY(view, y);
  rework();
  display();
}

// The held point let go.
extern "C" EMSCRIPTEN_KEEPALIVE void letGo() { finish(); }

// The held point back where it was taken.
extern "C" EMSCRIPTEN_KEEPALIVE void putBack() {
  pageExercise = finished;
  rework();
  frame();
}

// Point i moved by (dx, dy) CSS pixels, a change done; a coordinate that
// does not move stays as it is.
extern "C" EMSCRIPTEN_KEEPALIVE void nudgePoint(int i, int dx, int dy) {
  const View view = currentView();
  Point& p = pageExercise.control[i];
  if (dx != 0) {
    p.x = snappedX(view, cssX(view, p.x) + dx);
  }
  if (dy != 0) {
    p.y = snappedY(view, cssY(view, p.y) + dy);
  }
  rework();
  finish();
}

// The amount in field 1 or 2 as the dialogue takes it, alone in the field,
// shown at once; or the dialogue's complaint, and the amount as it was before
// this editing began. 1 when taken.
extern "C" EMSCRIPTEN_KEEPALIVE int changeAmount(int which) {
  Typed typed;
  std::FILE* in = pageLine(which, typed);
  int amount = 0;
  const Answer answer = readAmount(in, pageExercise.n, amount);
  int next = std::getc(in);
  while (next != EOF && std::isspace(next) != 0) {
    next = std::getc(in);
  }
  std::fclose(in);
  const bool taken = answer == Answer::kAccepted && next == EOF;
  if (!taken) {
    amountRefused(which, amountComplaint(pageExercise.n).c_str());
    // A refused value leaves the exercise as it was before this editing.
    amount = which == 1 ? finished.r1 : finished.r2;
  }
  int& changed = which == 1 ? pageExercise.r1 : pageExercise.r2;
  if (changed != amount) {
    changed = amount;
    rework();
    frame();
  }
  return taken ? 1 : 0;
}

// The amounts as they stand, once their field is left: a change done.
extern "C" EMSCRIPTEN_KEEPALIVE void settleAmounts() {
  if (pageExercise.r1 != finished.r1 || pageExercise.r2 != finished.r2) {
    finished = pageExercise;
    exerciseDone(answersOf(finished).c_str(), 1);
  }
}

// The exercise whose answers the page's address holds, as the dialogue reads
// them, shown framed: Back and Forward. 0 where they are not a whole
// exercise, which the page then loads anew.
extern "C" EMSCRIPTEN_KEEPALIVE int showAddressed() {
  Typed typed;
  std::FILE* in = pageLine(0, typed);
  static std::FILE* const nowhere = fopencookie(nullptr, "w", {nullptr, discard, nullptr, nullptr});
  Exercise addressed;
  const bool whole = runDialogue(addressed, Console{in, nowhere, nowhere});
  std::fclose(in);
  if (!whole) {
    return 0;  // the page is loaded anew for it
  }
  pageExercise = addressed;
  rework();
  finish(false);
  return 1;
}

// The working of the exercise shown, as JSON (working.h).
extern "C" EMSCRIPTEN_KEEPALIVE const char* working() {
  static std::string json;
  json = describeWorking(pageExercise);
  return json.c_str();
}

// The student's sheet judged (judge.h): its marks, a letter a field, then a
// line with the first wrong point in words, if any.
extern "C" EMSCRIPTEN_KEEPALIVE const char* judged() {
  static Judgement judgement;
  static char marks[sizeof judgement.marks + sizeof judgement.firstWrong + 1];
  char* fields = pageTextCopy(3);
  judgeSheet(pageExercise.control, pageExercise.n, pageExercise.r1, pageExercise.r2, fields,
             judgement);
  std::free(fields);
  std::snprintf(marks, sizeof marks, "%s\n%s", judgement.marks, judgement.firstWrong);
  return marks;
}
