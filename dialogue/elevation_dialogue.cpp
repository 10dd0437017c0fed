#include <cstdio>

#include "dialogue.h"

Answer readAmount(std::FILE* in, int n, int& amount) {
  const Answer answer = readInt(in, amount);
  // The elevated half's degree n + r must fit.
  if (answer == Answer::kAccepted && amount > kMaxDegree - n) {
    return Answer::kRejected;
  }
  return answer;
}

std::string amountComplaint(int n) {
  char complaint[128];
  std::snprintf(complaint, sizeof complaint,
                "Greska: uvecanje mora biti ceo broj najvise %d (stepen dela krive najvise %d).\n",
                kMaxDegree - n, kMaxDegree);
  return complaint;
}

namespace {

bool askAmount(const Console& console, const char* prompt, int n, int& amount) {
  const std::string complaint = amountComplaint(n);
  return askUntilAccepted(
      console,
      [&] {
        std::fputs(prompt, console.out);
      },
      [&] {
        return readAmount(console.in, n, amount);
      },
      complaint.c_str());
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
