#include <cstdio>

#include "dialogue.h"
#include "viewer.h"

int main(int argc, char** argv) {
  // Every prompt must be visible before the user answers it.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  Exercise exercise;
  if (!runDialogue(exercise)) {
    std::fputs("Greska: ulaz se zavrsio pre kraja dijaloga.\n", stderr);
    return 1;
  }
  startViewer(argc, argv);
}
