// Feeds arbitrary bytes to the dialogue as its console input, under the
// sanitizers: whatever it accepts, every recorded point is finite, and a run
// is complete exactly when it has traced both the curve and its first half.

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "dialogue_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string transcript = converse(std::string(reinterpret_cast<const char*>(data), size));
  const bool complete = transcript.rfind("cut short", 0) != 0;
  const bool traced = countIn(scene.points, kRed) + countIn(scene.points, kBlue) == 2000;
  if (complete != traced || !std::all_of(scene.points.begin(), scene.points.end(), [](Point p) {
        return std::isfinite(p.x) && std::isfinite(p.y);
      }))
    std::abort();
  return 0;
}
