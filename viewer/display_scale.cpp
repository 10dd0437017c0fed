#include "viewer.h"

// X11 has no one convention for a screen's scale: the window is drawn as
// designed, one pixel to a pixel.
double displayScale() { return 1; }
