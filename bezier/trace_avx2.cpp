// Compiled with -mavx2 -mfma.
#include "casteljau.h"
#include "lanes.h"

void traceAvx2(const Point P[], int n, const float t[], float x[], float y[]) {
  traceWith<Twice<Avx2Lanes>>(P, n, t, x, y);
}
