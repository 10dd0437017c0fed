#include "console.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Longer words are no number a user types; they are rejected whole.
constexpr int kMaxWordLength = 255;

bool isSpace(int c) { return c != EOF && std::isspace(static_cast<unsigned char>(c)) != 0; }

// Reads the next word into `word`. The white space that ends it is left in
// the input, so a line that ends right after a bad answer is not dropped too.
Answer readWord(std::FILE* in, char (&word)[kMaxWordLength + 1]) {
  int c = std::getc(in);
  while (isSpace(c)) {
    c = std::getc(in);
  }
  if (c == EOF) {
    return Answer::kEndOfInput;
  }
  int length = 0;
  bool tooLong = false;
  for (; c != EOF && !isSpace(c); c = std::getc(in)) {
    // A NUL byte would end the text early and let a prefix pass as the word.
    if (c == '\0' || length == kMaxWordLength) {
      tooLong = true;
    } else {
      word[length++] = static_cast<char>(c);
    }
  }
  if (c != EOF) {
    std::ungetc(c, in);
  }
  word[length] = '\0';
  return tooLong ? Answer::kRejected : Answer::kAccepted;
}

}  // namespace

Answer readInt(std::FILE* in, int& value) {
  char word[kMaxWordLength + 1];
  const Answer answer = readWord(in, word);
  if (answer != Answer::kAccepted) {
    return answer;
  }
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(word, &end, 10);
  if (end == word || *end != '\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) {
    return Answer::kRejected;
  }
  value = static_cast<int>(parsed);
  return Answer::kAccepted;
}

Answer readCoordinate(std::FILE* in, float& value) {
  char word[kMaxWordLength + 1];
  const Answer answer = readWord(in, word);
  if (answer != Answer::kAccepted) {
    return answer;
  }
  char* end = nullptr;
  // strtof rounds the text to float directly, as "%f" does; only overflow
  // (to inf) matters, a value too small for a float is read as it rounds.
  const float parsed = std::strtof(word, &end);
  if (end == word || *end != '\0' || !std::isfinite(parsed)) {
    return Answer::kRejected;
  }
  value = parsed;
  return Answer::kAccepted;
}

void discardLine(std::FILE* in) {
  int c = std::getc(in);
  while (c != EOF && c != '\n') {
    c = std::getc(in);
  }
}
