#pragma once

// Draws a point and a line through the page's GL layer, then clears the
// canvas to the page's own colour: the emulation's programs for the frame are
// made before the window's first frame needs them. Needs the GL context.
void drawNothing();

// What the page draws over each frame that the viewer draws, at its end, in
// its view and through the same batches; nothing where null.
extern void (*drawOverFrame)();

// Lines between the `count` consecutive points of xy (x, y, x, y...), in
// drawing units, and those points, `size` pixels wide, in rgb: in
// drawOverFrame only.
void drawPolygon(const float rgb[3], const float xy[], int count, float size);
