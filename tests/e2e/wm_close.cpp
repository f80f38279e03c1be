// wm_close.cpp -- asks a window to close the way a window manager's close icon does: a
// WM_DELETE_WINDOW message to the window, which stays the program's to handle. (Destroying the
// window from outside, as `xdotool windowclose` does, pulls it away under the program.)
//
//   wm_close WINDOW_ID     the id as xdotool prints it (decimal, or 0x... hexadecimal)
// Exits 1 with a message on stderr when there is no display or the window does not take the
// message.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool failed = false;
int NoteError(Display*, XErrorEvent*) {
    failed = true;
    return 0;
}

bool TakesDelete(Display* display, Window window, Atom deleteAtom) {
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count)) return false;
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == deleteAtom;
    XFree(protocols);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wm_close WINDOW_ID\n");
        return 2;
    }
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (!end || *end || id == 0) {
        std::fprintf(stderr, "wm_close: not a window id: %s\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "wm_close: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(NoteError);
    const Window window = Window(id);
    const Atom protocolsAtom = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
    if (!TakesDelete(display, window, deleteAtom) || failed) {
        std::fprintf(stderr, "wm_close: window %s does not take WM_DELETE_WINDOW\n", argv[1]);
        XCloseDisplay(display);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocolsAtom;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(deleteAtom);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    if (failed) {
        std::fprintf(stderr, "wm_close: the message did not reach window %s\n", argv[1]);
        return 1;
    }
    return 0;
}
