#include "viewer.h"

#ifdef __APPLE__
#include <GLUT/glut.h>  // macOS's own GLUT
#else
#include <GL/glut.h>
#endif

#include <cmath>
#include <cstdlib>

#include "camera.h"

namespace {

// Placed when the window opens, and again by frameScene where a front end
// changes the scene; reshape frames the same corners at every size.
Camera camera{0, 0, 0, 0, 1, 1};

// Every vertex in drawing units (unit 1 for all but extreme scenes).
void vertex(double x, double y) {
  glVertex2f(static_cast<float>(x * camera.unit), static_cast<float>(y * camera.unit));
}

// The eye placed from the scene's corners, looking down at them.
void lookAtScene() {
  camera = cameraFor(scene.sceneMin, scene.sceneMax);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-camera.cx, -camera.cy, -camera.dist);
}

// Points are 4 pixels of the window as designed, lines 1, or as near to it
// as the OpenGL in use draws them (WebGL's lines are mostly 1 device pixel).
constexpr double kPointSize = 4;

}  // namespace

void setColor(int code) {
  float rgb[3];
  if (colorComponents(code, rgb)) {
    glColor3f(rgb[0], rgb[1], rgb[2]);
  }
}

void reshape(int w, int h) {
  if (h == 0) {
    h = 1;
  }
  const double aspect = static_cast<double>(w) / h;
  const ClipPlanes clip = clipPlanesFor(camera.dist);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, w, h);
  gluPerspective(fieldOfView(scene.sceneMin, scene.sceneMax, camera, aspect), aspect,
                 clip.nearPlane, clip.farPlane);
}

void frameScene() {
  lookAtScene();
  reshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
}

void display() {
  const double scale = displayScale();
  const auto pointSize = static_cast<float>(kPointSize * scale);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLineWidth(static_cast<float>(scale));
  glPushMatrix();
  for (const Circle& circle : scene.circles) {
    setColor(circle.color);
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < 100; ++i) {
      const double a = i * 0.06283185307179587;
      vertex(std::cos(a) * circle.radius + circle.center.x,
             std::sin(a) * circle.radius + circle.center.y);
    }
    glEnd();
  }
  for (const Line& line : scene.lines) {
    setColor(line.color);
    glBegin(GL_LINES);
    vertex(line.p.x + 100.0 * line.d.x, line.p.y + 100.0 * line.d.y);
    vertex(line.p.x - 100.0 * line.d.x, line.p.y - 100.0 * line.d.y);
    glEnd();
  }
  for (const Segment& segment : scene.segments) {
    glPointSize(pointSize);
    setColor(segment.color);
    glBegin(GL_LINES);
    vertex(segment.a.x, segment.a.y);
    vertex(segment.b.x, segment.b.y);
    glEnd();
    glBegin(GL_POINTS);
    vertex(segment.a.x, segment.a.y);
    vertex(segment.b.x, segment.b.y);
    glEnd();
  }
  for (const Point& point : scene.points) {
    setColor(point.color);
    glPointSize(pointSize);
    glBegin(GL_POINTS);
    vertex(point.x, point.y);
    glEnd();
  }
  glPopMatrix();
  glFlush();
  glutSwapBuffers();
}

void startViewer(int argc, char** argv) {
  const Desktop desktop = desktopFor(argc, argv);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  // The whole window on the screen, however small the screen.
  const PixelBox window = windowPlace(desktop, displayScale());
  glutInitWindowSize(window.width, window.height);
  glutInitWindowPosition(window.x, window.y);
  glutCreateWindow("Geometrija - prikaz zadatka");
  glClearColor(0.9f, 0.9f, 0.8f, 0.0f);

  lookAtScene();
  // Replaced by reshape before the first drawing; kept as the start-up state.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(30, 1, 1, 20);
  gluLookAt(camera.cx, camera.cy, camera.dist, camera.cx, camera.cy, 0, 0, 1, 0);
  glMatrixMode(GL_MODELVIEW);

  glutDisplayFunc(display);
  glutReshapeFunc(reshape);
  glutMainLoop();
  std::exit(0);  // freeglut ends the process itself when the window closes
}
