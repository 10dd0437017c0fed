#pragma once

// Runs the real program on the test's X display and looks at its window the
// way a person would: finds it by title, reads its pixels, resizes and closes it.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

struct Rgb {
  int r, g, b;
};

class ProgramWindow {
 public:
  // Starts the program with `input` as its whole console input.
  explicit ProgramWindow(const std::string& input, bool withDisplay = true) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
      std::abort();
    }
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      ::close(in[1]);
      ::close(out[0]);
      if (!withDisplay) {
        unsetenv("DISPLAY");
      }
      execl(GEOMETRIJA_BINARY, GEOMETRIJA_BINARY, static_cast<char*>(nullptr));
      _exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    out_ = out[0];
    if (write(in[1], input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
      std::abort();
    }
    ::close(in[1]);
  }

  ~ProgramWindow() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (display_ != nullptr) {
      XCloseDisplay(display_);
    }
    ::close(out_);
  }

  // Waits for the window with this title; false when none shows in time.
  bool find(const char* title) {
    display_ = XOpenDisplay(nullptr);
    for (int tries = 0; display_ != nullptr && tries < 100; ++tries) {
      window_ = search(DefaultRootWindow(display_), title);
      if (window_ != 0) {
        return true;
      }
      pause();
    }
    return false;
  }

  XWindowAttributes attributes() {
    XWindowAttributes a;
    XGetWindowAttributes(display_, window_, &a);
    Window child;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &a.x, &a.y, &child);
    return a;
  }

  void resize(int w, int h) {
    XResizeWindow(display_, window_, w, h);
    XSync(display_, False);
  }

  // The window's pixels as they are now.
  class Image {
   public:
    explicit Image(XImage* image) : image_(image) {}
    Image(const Image&) = delete;
    ~Image() { XDestroyImage(image_); }
    int width() const { return image_->width; }
    int height() const { return image_->height; }
    Rgb at(int x, int y) const {
      const unsigned long p = XGetPixel(image_, x, y);
      return {static_cast<int>((p & image_->red_mask) >> 16),
              static_cast<int>((p & image_->green_mask) >> 8),
              static_cast<int>(p & image_->blue_mask)};
    }
    // Whether `color` shows within one pixel of (x, y).
    bool showsNear(double x, double y, Rgb color) const {
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int px = static_cast<int>(std::floor(x)) + dx;
          const int py = static_cast<int>(std::floor(y)) + dy;
          if (px >= 0 && py >= 0 && px < width() && py < height() && close(at(px, py), color)) {
            return true;
          }
        }
      }
      return false;
    }
    double share(Rgb color) const {
      long hits = 0;
      for (int y = 0; y < height(); y += 4) {
        for (int x = 0; x < width(); x += 4) {
          hits += close(at(x, y), color) ? 1 : 0;
        }
      }
      return hits / ((height() + 3) / 4 * static_cast<double>((width() + 3) / 4));
    }

   private:
    static bool close(Rgb a, Rgb b) {
      return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
    }
    XImage* image_;
  };

  Image image() {
    const XWindowAttributes a = attributes();
    return Image(XGetImage(display_, window_, 0, 0, a.width, a.height, AllPlanes, ZPixmap));
  }

  // Asks the window to close as a window manager would.
  void close() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    XSendEvent(display_, window_, False, NoEventMask, &event);
    XSync(display_, False);
  }

  bool running() { return pid_ > 0 && waitpid(pid_, &status_, WNOHANG) == 0; }

  // Waits for the program to end; its exit status, or -1 when it had to be killed.
  int exitStatus() {
    for (int tries = 0; tries < 100 && running(); ++tries) {
      pause();
    }
    if (running()) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
      return -1;
    }
    pid_ = -1;
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
  }

  // Everything the program wrote to standard output; call once it has ended.
  std::string output() {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out_, buffer, sizeof buffer)) > 0;) {
      text.append(buffer, static_cast<size_t>(n));
    }
    return text;
  }

  static void pause() { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }

 private:
  Window search(Window parent, const char* title) {
    char* name = nullptr;
    if (XFetchName(display_, parent, &name) != 0 && name != nullptr) {
      const bool match = std::strcmp(name, title) == 0;
      XFree(name);
      if (match) {
        return parent;
      }
    }
    Window root;
    Window up;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display_, parent, &root, &up, &children, &count) != 0) {
      for (unsigned i = 0; i < count && found == 0; ++i) {
        found = search(children[i], title);
      }
      XFree(children);
    }
    return found;
  }

  pid_t pid_ = -1;
  int out_ = -1;
  int status_ = 0;
  Display* display_ = nullptr;
  Window window_ = 0;
};
