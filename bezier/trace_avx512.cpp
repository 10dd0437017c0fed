// Compiled with -mavx512f -mfma.
#include "casteljau.h"
#include "lanes.h"

void traceAvx512(const Point P[], int n, const float t[], float x[], float y[]) {
  traceWith<Twice<Avx512Lanes>>(P, n, t, x, y);
}
