#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "bezier.h"
#include "dialogue.h"

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
    if (!runDialogue(Console{in, discard, discard})) {
      state.SkipWithError("the dialogue did not complete");
    }
  }
  std::fclose(discard);
  std::fclose(in);
}
BENCHMARK(BM_Exercise)->Arg(3)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
