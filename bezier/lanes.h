#pragma once

// GCC 12's AVX-512 conversions start from an undefined register and warn
// about it wherever they are inlined.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// How a group of parameter values is traced side by side: kCount lanes,
// held as doubles in the widest registers an instruction set has. widen()
// reads kCount stored floats; step() works out u a + s b in each lane and
// stores it rounded to float. A lane does exactly the operations of a lone
// evaluation, so its result does not depend on the lanes beside it.
//
// With FMA the sum is fused as fma(s, b, u a). s b, a product of two floats,
// is exact in double, so adding it to the rounded u a and rounding once is
// what the separate sum does: the result is bit for bit the same.
//
// Each source file that traces is compiled for one instruction set and sees
// the groups that set allows; they have internal linkage, so code built for
// a wider set never stands in for a narrower one.
namespace {

struct OneLane {
  static constexpr int kCount = 1;
  using Wide = double;
  static Wide widen(const float* f) { return *f; }
  static Wide splat(double v) { return v; }
  static void step(Wide u, Wide s, Wide a, Wide b, float* w) {
    *w = static_cast<float>(u * a + s * b);
  }
};

struct Sse2Lanes {
  static constexpr int kCount = 2;
  using Wide = __m128d;
  static Wide widen(const float* f) {
    return _mm_cvtps_pd(_mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(f))));
  }
  static Wide splat(double v) { return _mm_set1_pd(v); }
  static void step(Wide u, Wide s, Wide a, Wide b, float* w) {
    const __m128 r = _mm_cvtpd_ps(_mm_add_pd(_mm_mul_pd(u, a), _mm_mul_pd(s, b)));
    _mm_store_sd(reinterpret_cast<double*>(w), _mm_castps_pd(r));
  }
};

#if defined(__AVX2__) && defined(__FMA__)
struct Avx2Lanes {
  static constexpr int kCount = 4;
  using Wide = __m256d;
  static Wide widen(const float* f) { return _mm256_cvtps_pd(_mm_loadu_ps(f)); }
  static Wide splat(double v) { return _mm256_set1_pd(v); }
  static void step(Wide u, Wide s, Wide a, Wide b, float* w) {
    _mm_storeu_ps(w, _mm256_cvtpd_ps(_mm256_fmadd_pd(s, b, _mm256_mul_pd(u, a))));
  }
};
#endif

#if defined(__AVX512F__) && defined(__FMA__)
struct Avx512Lanes {
  static constexpr int kCount = 8;
  using Wide = __m512d;
  static Wide widen(const float* f) { return _mm512_cvtps_pd(_mm256_loadu_ps(f)); }
  static Wide splat(double v) { return _mm512_set1_pd(v); }
  static void step(Wide u, Wide s, Wide a, Wide b, float* w) {
    _mm256_storeu_ps(w, _mm512_cvtpd_ps(_mm512_fmadd_pd(s, b, _mm512_mul_pd(u, a))));
  }
};
#endif

// Two groups side by side, for processors that overlap independent work.
template <class Lanes>
struct Twice {
  static constexpr int kCount = 2 * Lanes::kCount;
  struct Wide {
    typename Lanes::Wide lo;
    typename Lanes::Wide hi;
    friend Wide operator-(Wide a, Wide b) { return {a.lo - b.lo, a.hi - b.hi}; }
  };
  static Wide widen(const float* f) { return {Lanes::widen(f), Lanes::widen(f + Lanes::kCount)}; }
  static Wide splat(double v) { return {Lanes::splat(v), Lanes::splat(v)}; }
  static void step(Wide u, Wide s, Wide a, Wide b, float* w) {
    Lanes::step(u.lo, s.lo, a.lo, b.lo, w);
    Lanes::step(u.hi, s.hi, a.hi, b.hi, w + Lanes::kCount);
  }
};

}  // namespace
