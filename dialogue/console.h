#pragma once

#include <cstdint>
#include <cstdio>

// Where the dialogue reads its answers and writes prompts and complaints.
struct Console {
  std::FILE* in = stdin;
  std::FILE* out = stdout;
  std::FILE* err = stderr;
};

enum class Answer : std::uint8_t { kAccepted, kRejected, kEndOfInput };

// One answer is one white-space-delimited word that must be a number as a
// whole: "3x" or "1,5" are rejected rather than read as 3 or 1.
Answer readInt(std::FILE* in, int& value);
// A finite float; nan, inf and values beyond the float range are rejected.
Answer readCoordinate(std::FILE* in, float& value);

// Drops the rest of the current input line, so a bad answer and whatever was
// typed after it on that line are not taken as the next answer.
void discardLine(std::FILE* in);

// Prints a prompt and reads until an answer is accepted, complaining about
// each rejected one on one line of the error stream. False when the input
// ends first.
template <typename Prompt, typename Read>
bool askUntilAccepted(const Console& console, Prompt prompt, Read read, const char* complaint) {
  for (;;) {
    prompt();
    switch (read()) {
      case Answer::kAccepted:
        return true;
      case Answer::kEndOfInput:
        return false;
      case Answer::kRejected:
        std::fputs(complaint, console.err);
        discardLine(console.in);
        break;
    }
  }
}
