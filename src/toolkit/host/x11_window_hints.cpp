// x11_window_hints.cpp -- WM_CLASS and Motif hints through Xlib.
#include "toolkit/host/x11_window_hints.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace tk {

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

// The desktop entry's StartupWMClass: every window of the game is one application.
constexpr char kWindowClass[] = "vellmoor";

// _MOTIF_WM_HINTS as window managers read it: five longs.
struct MotifHints {
    unsigned long flags, functions, decorations;
    long inputMode;
    unsigned long status;
};
constexpr unsigned long kMwmHintsFunctions = 1, kMwmHintsDecorations = 2;
constexpr unsigned long kMwmFuncMove = 4, kMwmFuncClose = 32;
constexpr unsigned long kMwmDecorBorder = 2, kMwmDecorTitle = 8, kMwmDecorMenu = 16;

// The instance names the game's window (as "Navigator" names a browser's main window); the
// class is the program's, so the desktop keeps all of them under one application.
void SetClass(Display* display, Window window, const std::string& role) {
    XClassHint* hint = XAllocClassHint();
    if (!hint) return;
    std::string instance = role.empty() ? kWindowClass : role;
    std::string windowClass = kWindowClass;
    hint->res_name = instance.data();
    hint->res_class = windowClass.data();
    XSetClassHint(display, window, hint);
    XFree(hint);
}

void SetOnlyMoveAndClose(Display* display, Window window) {
    const Atom atom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    MotifHints hints{kMwmHintsFunctions | kMwmHintsDecorations, kMwmFuncMove | kMwmFuncClose,
                     kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu, 0, 0};
    XChangeProperty(display, window, atom, atom, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&hints), 5);
}

}  // namespace
#endif

void TellWindowManager(SDL_Window* window, const X11WindowHints& hints) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    const Window x11Window = info.info.x11.window;
    SetClass(display, x11Window, hints.role);
    if (hints.fixed) SetOnlyMoveAndClose(display, x11Window);
    XFlush(display);
#else
    (void)window;
    (void)hints;
#endif
}

}  // namespace tk
