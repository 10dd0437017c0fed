// For the browser test: runs the dialogue on the answers in the file named,
// then reads a frame of the window (a binary PPM) on standard input and
// prints how many probes it does not show and how many Blue and Magenta
// edge probes it looked at.

#include <fstream>
#include <iostream>
#include <sstream>

#include "framing.h"
#include "geometry_assertions.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: frame_check ANSWERS < FRAME.ppm\n";
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
  const std::vector<Probe> probes = probesFor(w, h);
  const long wrong = wrongIn(probes, w, h, [&](int x, int y) {
    const unsigned char* p = &rgb[3 * (y * w + x)];
    return static_cast<unsigned long>(p[0] << 16 | p[1] << 8 | p[2]);
  });
  std::cout << w << " x " << h << ": wrong " << wrong << " blue " << edgesOf(probes, kBlue)
            << " magenta " << edgesOf(probes, kMagenta) << "\n";
}
