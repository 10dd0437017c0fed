// Feeds arbitrary bytes to the dialogue as its console input and checks what
// every completed run must have recorded. Any broken rule aborts.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "dialogue.h"

namespace {

void check(bool rule) {
  if (!rule) {
    std::abort();
  }
}

long count(int color) {
  long n = 0;
  for (const Point& p : scene.points) {
    n += p.color == color ? 1 : 0;
  }
  return n;
}

long segmentCount(int color) {
  long n = 0;
  for (const Segment& s : scene.segments) {
    n += s.color == color ? 1 : 0;
  }
  return n;
}

bool same(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

bool finite(const Point& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Points and edges an elevated half of degree d records: none below degree 0.
long halfPoints(int d) { return d < 0 ? 0 : d + 1; }
long halfEdges(int d) { return d < 0 ? 0 : d; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::FILE* discard = std::fopen("/dev/null", "w");
  if (size == 0) {
    return 0;  // fmemopen cannot hold nothing; an empty input is a unit test
  }
  std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  const Console console{in, discard, discard};
  scene = Scene();

  Point control[kMaxPoints];
  int n = -1;
  int r1 = 0;
  int r2 = 0;
  if (runCurveDialogue(control, n, console)) {
    check(n >= 0 && n <= kMaxDegree);
    check(count(kOrange) == n + 1 && segmentCount(kBlue) == n && count(kRed) == kSampleCount);
    const Point first = control[0];
    const Point last = control[n];
    if (askAmounts(n, r1, r2, console)) {
      check(n + r1 <= kMaxDegree && n + r2 <= kMaxDegree);
      splitAndElevate(control, n, r1, r2, discard);
      check(count(kBlack) == halfPoints(n + r1) + halfPoints(n + r2));
      check(segmentCount(kMagenta) == halfEdges(n + r1) + halfEdges(n + r2));
      check(count(kBlue) == kSampleCount);
      // The Black points: the first half, then the second from the curve's end.
      const Point* left = scene.points.data() + (n + 1) + kSampleCount;
      const Point* right = left + halfPoints(n + r1);
      if (r1 >= 0 && r2 >= 0) {
        check(same(left[0], first) && same(right[0], last));
        check(same(left[n + r1], right[n + r2]));
      }
    }
  }
  for (const Point& p : scene.points) {
    check(finite(p));
  }
  for (const Segment& s : scene.segments) {
    check(finite(s.a) && finite(s.b));
  }
  std::fclose(in);
  return 0;
}
