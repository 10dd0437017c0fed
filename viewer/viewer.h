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
