#pragma once

// Opens the window, frames the camera from the scene's corners as they stand
// now, and hands control to GLUT. Never returns: closing the window ends the
// process with status 0.
[[noreturn]] void startViewer(int argc, char** argv);

void display();
void reshape(int w, int h);
// Makes a colour code the current drawing colour; other codes keep the
// current one.
void setColor(int code);

// Device pixels to one pixel of the window as it is designed (1024 x 700,
// 4-pixel points), so that it looks as large on every screen and is drawn
// with every pixel. Each target has its own: 1 on X11, which has no one
// convention for it; the system's scale on Windows; the page's device pixels
// to a CSS pixel in a browser, which may change while the window is open.
double displayScale();
