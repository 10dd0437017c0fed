// The trace, compiled by Highway once for every vector unit it targets on
// this architecture; the first trace picks the widest the processor has.
//
// Each lane does exactly the operations of a lone evaluation: the stored
// floats widened to double, u a + s b, rounded to float on store. Where
// MulAdd is fused it works out fma(s, b, u a): s b, a product of two floats,
// is exact in double, so adding it to the rounded u a and rounding once is
// what the separate sum does, and the result is bit for bit the same.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "trace.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include <algorithm>
#include <cstring>

#include "trace.h"

HWY_BEFORE_NAMESPACE();
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

#if HWY_TARGET == HWY_WASM
// Highway 1.0's WebAssembly target has no doubles, and its emulation rounds
// each lane to float behind a branch, at half the speed: the page's lanes are
// WebAssembly's own f64x2, as the compiler's vectors, doing the same steps.
using Wide = double __attribute__((vector_size(16)));
using Narrow = float __attribute__((vector_size(8)));

HWY_INLINE size_t lanes() { return 2; }
HWY_INLINE Wide set(double v) { return Wide{v, v}; }
HWY_INLINE Wide sub(Wide a, Wide b) { return a - b; }

HWY_INLINE Wide load(const float* f) {
  Narrow n;
  std::memcpy(&n, f, sizeof n);
  return __builtin_convertvector(n, Wide);
}

HWY_INLINE void step(Wide u, Wide s, Wide a, Wide b, float* w) {
  const Narrow rounded = __builtin_convertvector(u * a + s * b, Narrow);
  std::memcpy(w, &rounded, sizeof rounded);
}
#else
using Doubles = hn::ScalableTag<double>;
using Floats = hn::Rebind<float, Doubles>;
using Wide = hn::Vec<Doubles>;

HWY_INLINE size_t lanes() { return hn::Lanes(Doubles()); }
HWY_INLINE Wide set(double v) { return hn::Set(Doubles(), v); }
HWY_INLINE Wide sub(Wide a, Wide b) { return hn::Sub(a, b); }

// Doubles widened from the floats stored at f.
HWY_INLINE Wide load(const float* f) { return hn::PromoteTo(Doubles(), hn::LoadU(Floats(), f)); }

// One step of the recurrence in every lane: w = u a + s b, rounded to float.
HWY_INLINE void step(Wide u, Wide s, Wide a, Wide b, float* w) {
  hn::StoreU(hn::DemoteTo(Floats(), hn::MulAdd(s, b, hn::Mul(u, a))), Floats(), w);
}
#endif

// The most samples one pass of this target works out.
constexpr size_t kMostPerPass = HWY_MAX_BYTES / sizeof(double) * 2;
static_assert(kMostPerPass <= kTracePadding, "a pass would run past the room");

void traceCurve(const Point P[], int n, const float t[], float x[], float y[]) {
  // Two groups of lanes side by side, so the processor overlaps their work;
  // SVE vectors are sizeless, so each is a variable of its own.
  const size_t lanes = HWY_NAMESPACE::lanes();
  const size_t pass = 2 * lanes;
  // Level by level, W[j] of both groups: pass floats at wx + j * pass.
  HWY_ALIGN float wx[kMaxPoints * kMostPerPass];
  HWY_ALIGN float wy[kMaxPoints * kMostPerPass];
  const Wide one = set(1.0);
  for (size_t i = 0; i < static_cast<size_t>(kSampleCount); i += pass) {
    const Wide s0 = load(t + i);
    const Wide s1 = load(t + i + lanes);
    const Wide u0 = sub(one, s0);
    const Wide u1 = sub(one, s1);
    // The first level reads the polygon itself instead of a copy of it.
    for (int j = 0; j < n; ++j) {
      float* const w = wx + j * pass;
      float* const v = wy + j * pass;
      const Wide ax = set(P[j].x);
      const Wide bx = set(P[j + 1].x);
      const Wide ay = set(P[j].y);
      const Wide by = set(P[j + 1].y);
      step(u0, s0, ax, bx, w);
      step(u1, s1, ax, bx, w + lanes);
      step(u0, s0, ay, by, v);
      step(u1, s1, ay, by, v + lanes);
    }
    for (int k = n - 1; k >= 1; --k) {
      // W[j] as it stood before this level, widened when it was read as W[j + 1].
      Wide ax0 = load(wx);
      Wide ax1 = load(wx + lanes);
      Wide ay0 = load(wy);
      Wide ay1 = load(wy + lanes);
      for (int j = 0; j < k; ++j) {
        float* const w = wx + j * pass;
        float* const v = wy + j * pass;
        const Wide bx0 = load(w + pass);
        const Wide bx1 = load(w + pass + lanes);
        const Wide by0 = load(v + pass);
        const Wide by1 = load(v + pass + lanes);
        step(u0, s0, ax0, bx0, w);
        step(u1, s1, ax1, bx1, w + lanes);
        step(u0, s0, ay0, by0, v);
        step(u1, s1, ay1, by1, v + lanes);
        ax0 = bx0;
        ax1 = bx1;
        ay0 = by0;
        ay1 = by1;
      }
    }
    std::copy(wx, wx + pass, x + i);
    std::copy(wy, wy + pass, y + i);
  }
}

const char* traceTarget() { return hwy::TargetName(HWY_TARGET); }

}  // namespace HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
HWY_EXPORT(traceCurve);
HWY_EXPORT(traceTarget);

void traceCurve(const Point P[], int n, const float t[], float x[], float y[]) {
  HWY_DYNAMIC_DISPATCH(traceCurve)(P, n, t, x, y);
}

const char* traceTarget() { return HWY_DYNAMIC_DISPATCH(traceTarget)(); }
#endif
