#pragma once

#include "window_place.h"

// Opens the window, frames the camera from the scene's corners as they stand
// now, and hands control to GLUT. Never returns: closing the window ends the
// process with status 0.
[[noreturn]] void startViewer(int argc, char** argv);

// Places the camera anew from the scene's corners as they stand now, as the
// window does when it opens, and frames them at the window's present size.
// For a front end whose scene changes while the window is open.
void frameScene();

void display();
void reshape(int w, int h);
// Makes a colour code the current drawing colour; other codes keep the
// current one.
void setColor(int code);

// What the window system tells of the screen the window opens on. Each
// target has its own (x11/, windows/, web/). Read before GLUT takes its
// options from the command line, so that X11's comes from the display GLUT
// opens (-display).
Desktop desktopFor(int argc, char** argv);

// Device pixels to one pixel of the window as it is designed (1024 x 700,
// 4-pixel points), so that it looks as large on every screen and is drawn
// with every pixel. Each target has its own: Xft.dpi / 96 on X11, as its
// desktops tell their programs; the system's scale on Windows; the page's
// device pixels to a CSS pixel in a browser, which may change while the
// window is open.
double displayScale();
