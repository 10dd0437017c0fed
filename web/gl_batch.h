#pragma once

// Draws a point and a line through the page's GL layer, then clears the
// canvas to the page's own colour: the emulation's programs for the frame are
// made before the window's first frame needs them. Needs the GL context.
void drawNothing();
