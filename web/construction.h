#pragma once

#include "dialogue.h"

// De Casteljau's construction of the exercise's curve at t, drawn over the
// picture (gl_batch.h's drawOverFrame): each level of the scheme but the
// control polygon itself as a polygon with its points, the levels in colours
// of their own, told apart from each other and from the picture's and at
// least 3 : 1 on its ground, and the curve's point at t twice as large.
// `unit` is the camera's (camera.h), `size` the pixels of a picture's point.
void drawConstruction(const Exercise& exercise, float t, double unit, float size);
