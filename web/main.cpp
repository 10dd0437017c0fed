// The page's entry: the console program's dialogue and viewer, with the
// page's console panel (index.html) as standard input, output and error.

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogue.h"
#include "explore.h"
#include "gl_batch.h"
#include "viewer.h"

namespace {

// The next line the user enters on the page, newline included, in memory the
// caller frees; waits for it.
EM_ASYNC_JS(char*, awaitLine, (), {
  const line = await Module.nextLine();
  const size = lengthBytesUTF8(line) + 1;
  const text = _malloc(size);
  stringToUTF8(line, text, size);
  return text;
});

// Shows text on the console panel at once, marked as a complaint when `error`.
EM_JS(void, showOnPage, (const char* text, int size, int error),
      { Module.show(UTF8ToString(text, size), error); });

// Tells the page that the dialogue is over: the answers it took, the degree
// and amounts, and whether the window can be drawn.
EM_JS(void, dialogueOver, (const char* answers, int n, int r1, int r2, int drawn),
      { Module.dialogueOver(UTF8ToString(answers), n, r1, r2, Boolean(drawn)); });

// Tells the page that the window is about to open.
EM_JS(void, announceViewer, (), { Module.viewerStarting(); });

// Whether the browser gives the page WebGL, which the window is drawn with:
// whether it gives the window's context.
EM_JS(int, hasWebGL, (), { return Module.windowContext() ? 1 : 0; });

// Makes the window's GL context now, as GLUT would when the window opens (its
// display mode's attributes), which GLUT then takes as made.
EM_JS(void, makeContext, (), {
  Browser.createContext(Module.canvas, true, true,
                        {antialias : false, depth : true, stencil : false, alpha : false});
});

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

int viewerArgc;
char** viewerArgv;

// Opens the window once the dialogue's call has returned, before the browser
// draws its next frame, so that the window's first frame is that one. GLUT
// hands control back to the browser by throwing, which the runtime catches
// in a callback of its own, not in the awaited dialogue.
EM_JS(void, openWindowSoon, (), { queueMicrotask(function() { callUserCallback(_openWindow); }); });

bool windowOpened = false;

// Once the first question has been drawn on the page.
EM_JS(void, prepareWindowSoon, (), {
  requestAnimationFrame(
      function() { setTimeout(function() { callUserCallback(_prepareWindow); }); });
});

// Device pixels to a CSS pixel of the canvas, as the page last sized it.
EM_JS(double, pagePixelRatio, (), { return Module.pixelRatio; });

}  // namespace

// What the window's first frame needs, made while the student reads the
// first question, unless answers from a link have opened the window first.
extern "C" EMSCRIPTEN_KEEPALIVE void prepareWindow() {
  if (!windowOpened && hasWebGL() != 0) {
    makeContext();
    drawNothing();
  }
}

extern "C" EMSCRIPTEN_KEEPALIVE void openWindow() {
  windowOpened = true;
  announceViewer();
  startViewer(viewerArgc, viewerArgv);
}

double displayScale() { return pagePixelRatio(); }

// The page gives the window its room itself (page.js): nothing here bounds it.
Desktop desktopFor(int /*argc*/, char** /*argv*/) { return kUnbounded; }

int main(int argc, char** argv) {
  prepareWindowSoon();
  static Typed typed;
  const Console console{fopencookie(&typed, "r", {readTyped, nullptr, nullptr, nullptr}),
                        unbuffered(writeOut), unbuffered(writeErr)};
  // The page's input never ends: the dialogue always completes.
  if (!runDialogue(pageExercise, console)) {
    return 1;
  }
  const int drawn = hasWebGL();
  dialogueOver(answersOf(pageExercise).c_str(), pageExercise.n, pageExercise.r1, pageExercise.r2,
               drawn);
  if (drawn == 0) {
    // Where the console program's GLUT would say that there is no display.
    std::fputs("Greska: prozor ne moze da se prikaze jer pregledac ne nudi WebGL.\n", console.err);
    return 1;
  }
  viewerArgc = argc;
  viewerArgv = argv;
  openWindowSoon();
  return 0;
}
