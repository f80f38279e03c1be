// sdl_parts.h -- what the SDL host's files share. Only toolkit/host/ includes SDL.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "toolkit/host/sdl_host.h"
#include "toolkit/raster/bitmap.h"

namespace tk {

// A small window of our own holding one error message and an OK area.
struct SdlHost::ErrorWindow {
    SDL_Window* window = nullptr;
    std::string message;
    SDL_Rect okArea{};
};

// Copies the bitmap onto the window surface; what it does not cover is black.
void CopyToSurface(SDL_Surface* surface, const Bitmap& frame);

// SDL falls back to drivers that show nothing (an off-screen buffer) when no desktop answers.
// True for a driver that shows windows, or one someone asked for by name.
bool ShowsWindows(const char* driver);

// A window sized to the message with its OK area, drawn and raised; null when it cannot be made.
SDL_Window* OpenErrorWindow(const std::string& message, SDL_Rect& ok);
// The SDL window an input or window event is for; 0 for any other event.
std::uint32_t EventWindowId(const SDL_Event& event);
// Whether the event closes an error window: its close icon, Return or Escape, or a click
// released on its OK area.
bool ClosesErrorWindow(const SDL_Event& event, const SDL_Rect& ok);

}  // namespace tk
