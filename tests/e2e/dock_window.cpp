// dock_window.cpp -- a desktop panel for the end-to-end checks: a window of type DOCK that
// reserves a strip along the bottom of the screen, filled with one colour, until killed.
//
//   dock_window HEIGHT RRGGBB
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: dock_window HEIGHT RRGGBB\n");
        return 2;
    }
    const int height = std::atoi(argv[1]);
    const unsigned long colour = std::strtoul(argv[2], nullptr, 16);
    Display* display = XOpenDisplay(nullptr);
    if (!display || height <= 0) {
        std::fprintf(stderr, "dock_window: no display, or a bad height\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const int width = DisplayWidth(display, screen), top = DisplayHeight(display, screen) - height;
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, top,
                                              unsigned(width), unsigned(height), 0, 0, colour);
    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(display, window, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dock), 1);
    // left, right, top, bottom, then the start and end of each strip.
    const long strut[12] = {0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1};
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False),
                    XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(strut),
                    12);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 4);
    XStoreName(display, window, "Test dock");
    XMapWindow(display, window);
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
