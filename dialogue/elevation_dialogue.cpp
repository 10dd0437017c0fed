#include <cstdio>

#include "dialogue.h"

namespace {

// Reads one elevation amount r; the elevated half's degree n + r must fit.
bool askAmount(const Console& console, const char* prompt, int n, int& amount) {
  const int largest = kMaxDegree - n;
  char complaint[128];
  std::snprintf(complaint, sizeof complaint,
                "Greska: uvecanje mora biti ceo broj najvise %d (stepen dela krive najvise %d).\n",
                largest, kMaxDegree);
  return askUntilAccepted(
      console,
      [&] {
        std::fputs(prompt, console.out);
      },
      [&] {
        const Answer answer = readInt(console.in, amount);
        if (answer == Answer::kAccepted && amount > largest) {
          return Answer::kRejected;
        }
        return answer;
      },
      complaint);
}

}  // namespace

bool runElevationDialogue(Point control[], int n, int& r1, int& r2, const Console& console) {
  if (!askAmount(console, "\n Unesite za koji stepen zelite da uvecate 1. deo krive: ", n, r1) ||
      !askAmount(console, "\n Unesite za koji stepen zelite da uvecate 2. deo krive: ", n, r2)) {
    return false;
  }
  splitAndElevate(control, n, r1, r2, console.out);
  return true;
}
