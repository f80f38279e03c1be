// x11_window_hints.h -- what an X11 window manager is told about the game's windows, beyond
// what SDL tells it: the window's class and instance, and which frame icons a fixed window gets.
#pragma once

#include <string>

struct SDL_Window;

namespace tk {

struct X11WindowHints {
    std::string role;    // WM_WINDOW_ROLE: which of the game's windows this is
    bool fixed = false;  // only move and close: no maximise, no minimise, no resizing
};

// Sets the hints on a window that is not yet mapped. Does nothing off X11.
void TellWindowManager(SDL_Window* window, const X11WindowHints& hints);

}  // namespace tk
