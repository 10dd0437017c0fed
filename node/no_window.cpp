// Where the window would open: Node.js has no window system, so the program
// says so in one line, as GLUT does at a console without a display, and
// ends with status 1.

#include <cstdio>
#include <cstdlib>

#include "viewer.h"

void startViewer(int /*argc*/, char** /*argv*/) {
  std::fputs("Greska: prozor ne moze da se prikaze jer Node.js nema prozore.\n", stderr);
  std::exit(1);
}
