// Judges a frame of the window, or of the page's canvas, by the viewer's
// framing rule: runs the dialogue on the answers in the file named, reads a
// frame (a binary PPM) on standard input, and prints how many of the places
// where it must show a recorded shape do not show it, and how many of those
// places lie along Blue and Magenta edges. SCALE is the frame's pixels to a
// pixel of the window as designed (its points are 4 of those).
// It prints too the smallest and largest width in pixels of the points it
// can measure, which must be 4 times SCALE.
// Usage: frame_check ANSWERS [SCALE] < FRAME.ppm

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <vector>

#include "camera.h"
#include "dialogue_run.h"

namespace {

// A place in pixels from the frame's top left, the colour code it must show
// (-1: the clear colour) and whether it lies along an edge.
struct Probe {
  double x;
  double y;
  int color;
  bool edge;
};

// The 24-bit pixel of each colour code drawn, and of the clear colour (-1).
const std::map<int, unsigned long> kRgb = {{kRed, 0xff0000},    {kBlue, 0x0000ff},
                                           {kOrange, 0xff8000}, {kMagenta, 0xff00ff},
                                           {kBlack, 0x000000},  {-1, 0xe6e6cc}};

// Distance in pixels from p to the segment from a to b.
double distance(const Probe& p, const Probe& a, const Probe& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
  const double k =
      length == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0);
  return std::hypot(a.x + k * dx - p.x, a.y + k * dy - p.y);
}

// The corner, every recorded point and nine places along every edge, each
// kept only where nothing drawn after it in another colour comes within a
// point's width. A frame that shows them all in their colours frames the scene: one
// that leaves a recorded point out leaves out an uncovered probe with it.
std::vector<Probe> probesFor(int w, int h, double scale) {
  const Camera c = cameraFor(scene.sceneMin, scene.sceneMax);
  const double aspect = static_cast<double>(w) / h;
  const double f = 1 / std::tan(fieldOfView(scene.sceneMin, scene.sceneMax, c, aspect) * kPi / 360);
  const auto at = [&](const Point& p, int color) {
    return Probe{(f / aspect * (p.x * c.unit - c.cx) / c.dist + 1) * w / 2,
                 (1 - f * (p.y * c.unit - c.cy) / c.dist) * h / 2, color, false};
  };
  // Everything in drawing order, a point as an edge of no length.
  std::vector<std::pair<Probe, Probe>> drawn{{{1, 1, -1, false}, {1, 1, -1, false}}};
  for (const Segment& s : scene.segments)
    drawn.emplace_back(at(s.a, s.color), at(s.b, s.color));
  for (const Point& p : scene.points)
    drawn.emplace_back(at(p, p.color), at(p, p.color));
  std::vector<Probe> probes;
  for (auto e = drawn.begin(); e != drawn.end(); ++e) {
    const double dx = e->second.x - e->first.x, dy = e->second.y - e->first.y;
    const bool edge = dx != 0 || dy != 0;
    for (int k = edge; k <= 9 * edge; ++k) {
      const Probe p{e->first.x + k * dx / 10, e->first.y + k * dy / 10, e->first.color, edge};
      const bool covered = std::any_of(e + 1, drawn.end(), [&](const auto& later) {
        return later.first.color != p.color && distance(p, later.first, later.second) < 4 * scale;
      });
      if (!covered)
        probes.push_back(p);
    }
  }
  return probes;
}

// The recorded points, in pixels, that no other recorded point comes within
// two of their sizes of.
std::vector<Probe> pointsOf(int w, int h, double size) {
  std::vector<Probe> all;
  for (const Probe& p : probesFor(w, h, 0))
    if (!p.edge && p.color != -1)
      all.push_back(p);
  std::vector<Probe> alone;
  for (const Probe& p : all)
    if (std::count_if(all.begin(), all.end(), [&](const Probe& q) {
          return std::hypot(p.x - q.x, p.y - q.y) < 2 * size;
        }) == 1)
      alone.push_back(p);
  return alone;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: frame_check ANSWERS [SCALE] < FRAME.ppm\n";
    return 2;
  }
  std::stringstream answers;
  answers << std::ifstream(argv[1]).rdbuf();
  converse(answers.str());
  std::string magic;
  int w = 0, h = 0, most = 0;
  std::cin >> magic >> w >> h >> most;
  std::cin.get();
  std::vector<unsigned char> rgb(3 * w * h);
  std::cin.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  if (magic != "P6" || most != 255 || !std::cin) {
    std::cerr << "frame_check: the frame is not a whole 8-bit binary PPM\n";
    return 2;
  }
  const double scale = argc == 3 ? std::atof(argv[2]) : 1;
  const auto is = [&](int x, int y, int color) {
    const unsigned char* c = &rgb[3 * (y * w + x)];
    return static_cast<unsigned long>(c[0] << 16 | c[1] << 8 | c[2]) == kRgb.at(color);
  };
  // A probe shows its colour when a pixel within one of its place does.
  const std::vector<Probe> probes = probesFor(w, h, scale);
  const auto shown = [&](const Probe& p) {
    for (int x = std::max(0, int(p.x) - 1); x <= std::min(w - 1, int(p.x) + 1); ++x)
      for (int y = std::max(0, int(p.y) - 1); y <= std::min(h - 1, int(p.y) + 1); ++y)
        if (is(x, y, p.color))
          return true;
    return false;
  };
  const auto edges = [&](int color) {
    return std::count_if(probes.begin(), probes.end(), [&](const Probe& p) {
      return p.edge && p.color == color;
    });
  };
  // A point's width: the run of its colour along the row through its centre
  // (none where it is not shown), for each point with no other within two
  // sizes of it.
  std::vector<int> widths;
  for (const Probe& p : pointsOf(w, h, 4 * scale)) {
    const int x = int(p.x), y = int(p.y);
    if (x < 0 || x >= w || y < 0 || y >= h)
      continue;
    int left = x, right = x;
    while (left > 0 && is(left - 1, y, p.color))
      --left;
    while (right < w - 1 && is(right + 1, y, p.color))
      ++right;
    widths.push_back(is(x, y, p.color) ? right - left + 1 : 0);
  }
  if (widths.empty())
    widths.push_back(0);  // no point measured
  const auto [smallest, largest] = std::minmax_element(widths.begin(), widths.end());
  std::cout << w << " x " << h << ": wrong "
            << std::count_if(probes.begin(), probes.end(),
                             [&](const Probe& p) {
                               return !shown(p);
                             })
            << " blue " << edges(kBlue) << " magenta " << edges(kMagenta) << " points " << *smallest
            << " " << *largest << "\n";
}
