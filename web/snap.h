#pragma once

// The coordinate a point moved on the page is given: of the decimals in
// [low, high] (one pixel's span), one with the fewest significant digits,
// the nearest to the span's middle among those, as the float it reads as.
// So a pixel that holds 1.25 gives 1.25, and one that holds 0 gives 0.
// A span past the floats' range is cut to it. Needs low <= high, not NaN.
float shortestInside(double low, double high);
