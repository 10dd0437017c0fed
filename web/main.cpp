// The page's entry: the console program's dialogue and viewer, with the
// page's console panel (index.html) as standard input, output and error.

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dialogue.h"
#include "viewer.h"

namespace {

// The next line the user enters on the page, newline included; waits for it.
EM_ASYNC_JS(char*, awaitLine, (), { return allocateUTF8(await Module.nextLine()); });

// Shows text on the console panel at once, marked as a complaint when `error`.
EM_JS(void, showOnPage, (const char* text, int size, int error),
      { Module.show(UTF8ToString(text, size), error); });

// Tells the page that the window is about to open.
EM_JS(void, announceViewer, (), { Module.viewerStarting(); });

// What has been entered and not yet read.
struct Typed {
  char* line = nullptr;
  size_t read = 0;
};

ssize_t readTyped(void* cookie, char* buffer, size_t size) {
  Typed& typed = *static_cast<Typed*>(cookie);
  if (typed.line == nullptr || typed.line[typed.read] == '\0') {
    std::free(typed.line);
    typed.line = awaitLine();
    typed.read = 0;
  }
  const size_t count = std::min(size, std::strlen(typed.line + typed.read));
  std::memcpy(buffer, typed.line + typed.read, count);
  typed.read += count;
  return static_cast<ssize_t>(count);
}

ssize_t writeOut(void*, const char* text, size_t size) {
  showOnPage(text, static_cast<int>(size), 0);
  return static_cast<ssize_t>(size);
}

ssize_t writeErr(void*, const char* text, size_t size) {
  showOnPage(text, static_cast<int>(size), 1);
  return static_cast<ssize_t>(size);
}

// A stream that hands every write to the page as it is made.
std::FILE* unbuffered(cookie_write_function_t* write) {
  std::FILE* stream = fopencookie(nullptr, "w", {nullptr, write, nullptr, nullptr});
  std::setvbuf(stream, nullptr, _IONBF, 0);
  return stream;
}

}  // namespace

int main(int argc, char** argv) {
  static Typed typed;
  const Console console{fopencookie(&typed, "r", {readTyped, nullptr, nullptr, nullptr}),
                        unbuffered(writeOut), unbuffered(writeErr)};
  // The page's input never ends: the dialogue always completes.
  if (runDialogue(console)) {
    announceViewer();
    startViewer(argc, argv);
  }
  return 1;
}
