// The page's frame in a few WebGL draw calls. Emscripten's emulation of
// immediate-mode OpenGL makes every glBegin/glEnd pair a draw call of its own,
// and the viewer draws every point and segment in a pair of its own: thousands
// a frame. Linked in front of the emulation (-Wl,--wrap), this keeps the
// viewer's consecutive points and lines of one colour, point size and line
// width, and draws them as one batch of lines and one of points when any of
// those changes, or the frame ends (glPopMatrix, glFlush). Nothing is
// depth-tested or blended, so primitives of one colour cover the same pixels
// in that colour in any order: the picture is the same. Other primitives pass
// through as they come.
// GL's own names are declared here without its headers, which only the viewer
// includes.

#include "gl_batch.h"

#include <vector>

namespace {

using Enum = unsigned;
constexpr Enum kPoints = 0x0000;  // GL_POINTS
constexpr Enum kLines = 0x0001;   // GL_LINES
constexpr unsigned kColorAndDepth = 0x4000 | 0x0100;

struct State {
  float rgb[3] = {1, 1, 1};
  float pointSize = 1;
  float lineWidth = 1;

  bool operator!=(const State& o) const {
    return rgb[0] != o.rgb[0] || rgb[1] != o.rgb[1] || rgb[2] != o.rgb[2] ||
           pointSize != o.pointSize || lineWidth != o.lineWidth;
  }
};

State current;  // as the viewer last set it
State batched;  // of the vertices kept
std::vector<float> points;
std::vector<float> lines;
std::vector<float>* kept = nullptr;  // where a primitive's vertices go; none: passed through

}  // namespace

extern "C" {

void __real_glBegin(Enum mode);
void __real_glEnd();
void __real_glVertex2f(float x, float y);
void __real_glColor3f(float r, float g, float b);
void __real_glPointSize(float size);
void __real_glLineWidth(float width);
void __real_glPopMatrix();
void __real_glFlush();
void glClearColor(float r, float g, float b, float a);
void glClear(unsigned mask);

}  // extern "C"

namespace {

void apply(const State& state) {
  __real_glColor3f(state.rgb[0], state.rgb[1], state.rgb[2]);
  __real_glPointSize(state.pointSize);
  __real_glLineWidth(state.lineWidth);
}

void draw(Enum mode, std::vector<float>& vertices) {
  if (vertices.empty()) {
    return;
  }
  __real_glBegin(mode);
  for (size_t i = 0; i < vertices.size(); i += 2) {
    __real_glVertex2f(vertices[i], vertices[i + 1]);
  }
  __real_glEnd();
  vertices.clear();
}

void drawBatch() {
  if (points.empty() && lines.empty()) {
    return;
  }
  apply(batched);
  draw(kLines, lines);
  draw(kPoints, points);
}

}  // namespace

extern "C" {

void __wrap_glBegin(Enum mode) {
  if (current != batched) {
    drawBatch();
    batched = current;
  }
  if (mode == kPoints || mode == kLines) {
    kept = mode == kPoints ? &points : &lines;
    return;
  }
  drawBatch();
  apply(current);
  kept = nullptr;
  __real_glBegin(mode);
}

void __wrap_glVertex2f(float x, float y) {
  if (kept == nullptr) {
    __real_glVertex2f(x, y);
    return;
  }
  kept->push_back(x);
  kept->push_back(y);
}

void __wrap_glEnd() {
  if (kept == nullptr) {
    __real_glEnd();
  }
}

void __wrap_glColor3f(float r, float g, float b) {
  current.rgb[0] = r;
  current.rgb[1] = g;
  current.rgb[2] = b;
}

void __wrap_glPointSize(float size) { current.pointSize = size; }

void __wrap_glLineWidth(float width) { current.lineWidth = width; }

void __wrap_glPopMatrix() {
  if (drawOverFrame != nullptr) {
    drawOverFrame();
  }
  drawBatch();
  __real_glPopMatrix();
}

void __wrap_glFlush() {
  drawBatch();
  __real_glFlush();
}

}  // extern "C"

void (*drawOverFrame)() = nullptr;

void drawPolygon(const float rgb[3], const float xy[], int count, float size) {
  __wrap_glColor3f(rgb[0], rgb[1], rgb[2]);
  __wrap_glPointSize(size);
  __wrap_glBegin(kLines);
  for (int i = 2; i < 2 * count; i += 2) {
    __wrap_glVertex2f(xy[i - 2], xy[i - 1]);
    __wrap_glVertex2f(xy[i], xy[i + 1]);
  }
  __wrap_glBegin(kPoints);
  for (int i = 0; i < 2 * count; i += 2) {
    __wrap_glVertex2f(xy[i], xy[i + 1]);
  }
}

void drawNothing() {
  apply(current);
  draw(kPoints, points = {0, 0});
  draw(kLines, lines = {0, 0, 0.5f, 0});
  // The page's background, #2b2b2b, until the window draws.
  glClearColor(43 / 255.0f, 43 / 255.0f, 43 / 255.0f, 1);
  glClear(kColorAndDepth);
}
