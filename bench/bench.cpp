#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "bezier.h"
#include "dialogue.h"
#include "trace.h"

#ifdef GEOMETRIJA_LIB2GEOM
#include <2geom/bezier.h>
#include <2geom/d2.h>

#include <vector>
#endif

namespace {

void fillPolygon(Point P[], int n) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<float> coordinate(0.0f, 1000.0f);
  for (int i = 0; i <= n; ++i) {
    P[i] = Point(coordinate(rng), coordinate(rng));
  }
}

void BM_SampleCurve(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Point P[kMaxPoints];
  fillPolygon(P, n);
  for (auto _ : state) {
    sampleCurve(P, n, kRed);
    benchmark::DoNotOptimize(scene.points.data());
    state.PauseTiming();
    scene = Scene();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SampleCurve)->Arg(3)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

#ifdef GEOMETRIJA_LIB2GEOM
// The same trace of the same polygon with lib2geom (Bernstein form, in double).
void BM_Lib2geomTrace(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Point P[kMaxPoints];
  fillPolygon(P, n);
  std::vector<double> x;
  std::vector<double> y;
  for (int i = 0; i <= n; ++i) {
    x.push_back(P[i].x);
    y.push_back(P[i].y);
  }
  const Geom::D2<Geom::Bezier> curve{Geom::Bezier(x), Geom::Bezier(y)};
  std::vector<Geom::Point> trace;
  trace.reserve(kSampleCount);
  for (auto _ : state) {
    trace.clear();
    for (int i = 0; i < kSampleCount; ++i) {
      trace.push_back(curve.pointAt(i / 999.0));
    }
    benchmark::DoNotOptimize(trace.data());
  }
}
BENCHMARK(BM_Lib2geomTrace)->Arg(3)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);
#endif

// One whole run, answers and all, with both amounts 0 on a fresh scene.
void BM_Exercise(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Point P[kMaxPoints];
  fillPolygon(P, n);
  std::string answers = std::to_string(n) + "\n";
  char number[64];
  for (int i = 0; i <= n; ++i) {
    std::snprintf(number, sizeof number, "%.9g %.9g\n", P[i].x, P[i].y);
    answers += number;
  }
  answers += "0\n0\n";
  std::FILE* in = std::tmpfile();
  std::fputs(answers.c_str(), in);
  std::FILE* discard = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    state.PauseTiming();
    scene = Scene();
    std::rewind(in);
    state.ResumeTiming();
    Exercise exercise;
    if (!runDialogue(exercise, Console{in, discard, discard})) {
      state.SkipWithError("the dialogue did not complete");
    }
  }
  std::fclose(discard);
  std::fclose(in);
}
BENCHMARK(BM_Exercise)->Arg(3)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  // Which vector unit the trace chose on this machine.
  benchmark::AddCustomContext("trace", traceTarget());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
