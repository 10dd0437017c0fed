// Closes a window as a window manager does when its close button is
// pressed: sends it WM_DELETE_WINDOW. Usage: close_window WINDOW_ID

#include <X11/Xlib.h>

#include <cstdlib>

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (argc != 2 || display == nullptr) {
    return 2;
  }
  XClientMessageEvent close{};
  close.type = ClientMessage;
  close.window = std::strtoul(argv[1], nullptr, 10);
  close.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  close.format = 32;
  close.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  XSendEvent(display, close.window, False, NoEventMask, reinterpret_cast<XEvent*>(&close));
  XCloseDisplay(display);  // which sends it
}
