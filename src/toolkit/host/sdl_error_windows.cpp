// sdl_error_windows.cpp -- SdlHost's error windows: small windows of our own with one message and
// an OK area, beside the game while it runs, or alone before it exits.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "toolkit/host/sdl_host.h"
#include "toolkit/host/sdl_parts.h"
#include "toolkit/raster/canvas.h"

namespace tk {

namespace {

constexpr int kErrorPadding = 16;
constexpr int kOkWidth = 75, kOkHeight = 25;

void DrawErrorWindow(SDL_Window* window, const std::string& message, const SDL_Rect& ok) {
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    Bitmap bitmap(w, h, Rgb(192, 192, 192));
    Canvas canvas(bitmap);
    try {
        canvas.SetFontSize(8);
        canvas.SetFontColor(0);
        canvas.TextOut(kErrorPadding, kErrorPadding, message);
        canvas.FillRect(ok.x, ok.y, ok.x + ok.w, ok.y + ok.h, Rgb(128, 128, 128));
        canvas.FillRect(ok.x, ok.y, ok.x + ok.w - 1, ok.y + ok.h - 1, Rgb(255, 255, 255));
        canvas.FillRect(ok.x + 1, ok.y + 1, ok.x + ok.w - 1, ok.y + ok.h - 1, Rgb(212, 208, 200));
        TextSize okText = canvas.TextExtent("OK");
        canvas.TextOut(ok.x + (ok.w - okText.width) / 2, ok.y + (ok.h - okText.height) / 2, "OK");
    } catch (const std::exception&) {
        // Without a font the window still shows and closes; the message is on stderr.
    }
    if (SDL_Surface* surface = SDL_GetWindowSurface(window)) {
        CopyToSurface(surface, bitmap);
        SDL_UpdateWindowSurface(window);
    }
}

}  // namespace

SDL_Window* OpenErrorWindow(const std::string& message, SDL_Rect& ok) {
    int textWidth = 300, textHeight = 13;
    try {
        Bitmap probe(1, 1);
        Canvas canvas(probe);
        canvas.SetFontSize(8);
        TextSize size = canvas.TextExtent(message);
        textWidth = size.width;
        textHeight = size.height;
    } catch (const std::exception&) {
    }
    int width = std::clamp(textWidth + 2 * kErrorPadding, 200, 1200);
    int height = kErrorPadding * 3 + textHeight + kOkHeight;
    SDL_Window* window = SDL_CreateWindow("Vellmoor", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, width, height, 0);
    if (!window) return nullptr;
    ok = SDL_Rect{(width - kOkWidth) / 2, height - kErrorPadding - kOkHeight, kOkWidth, kOkHeight};
    DrawErrorWindow(window, message, ok);
    SDL_RaiseWindow(window);
    return window;
}

std::uint32_t EventWindowId(const SDL_Event& event) {
    switch (event.type) {
        case SDL_WINDOWEVENT:
            return event.window.windowID;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return event.button.windowID;
        case SDL_MOUSEMOTION:
            return event.motion.windowID;
        case SDL_MOUSEWHEEL:
            return event.wheel.windowID;
        case SDL_KEYDOWN:
            return event.key.windowID;
        case SDL_TEXTINPUT:
            return event.text.windowID;
        default:
            return 0;
    }
}

bool ClosesErrorWindow(const SDL_Event& event, const SDL_Rect& ok) {
    switch (event.type) {
        case SDL_WINDOWEVENT:
            return event.window.event == SDL_WINDOWEVENT_CLOSE;
        case SDL_KEYDOWN:
            return event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_ESCAPE;
        case SDL_MOUSEBUTTONUP: {
            const SDL_Point p{event.button.x, event.button.y};
            return SDL_PointInRect(&p, &ok);
        }
        default:
            return false;
    }
}

void SdlHost::ShowError(const std::string& message) {
    for (auto& [id, open] : errorWindows_) {
        if (open->message == message) return;  // already on screen
    }
    std::fprintf(stderr, "vellmoor: error: %s\n", message.c_str());
    SDL_Rect ok{};
    SDL_Window* window = OpenErrorWindow(message, ok);
    if (!window) return;  // stderr already has it
    auto error = std::make_unique<ErrorWindow>();
    error->window = window;
    error->message = message;
    error->okArea = ok;
    errorWindows_[SDL_GetWindowID(window)] = std::move(error);
}

bool SdlHost::HandleErrorWindowEvent(const SDL_Event& sdl) {
    auto it = errorWindows_.find(EventWindowId(sdl));
    if (it == errorWindows_.end()) return false;
    ErrorWindow& error = *it->second;
    if (sdl.type == SDL_WINDOWEVENT && sdl.window.event == SDL_WINDOWEVENT_EXPOSED) {
        SDL_UpdateWindowSurface(error.window);
    }
    if (ClosesErrorWindow(sdl, error.okArea)) {
        SDL_DestroyWindow(error.window);
        errorWindows_.erase(it);
    }
    return true;  // the game never sees its error windows' events
}

void SdlHost::ShowFatalError(const std::string& message) {
    std::fprintf(stderr, "vellmoor: %s\n", message.c_str());
    // Our own error window, not SDL's message box: that one needs the X server's core fonts or
    // a helper program and, without them, shows nothing. Without a display stderr has it.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return;
    if (!ShowsWindows(SDL_GetCurrentVideoDriver())) {
        // A window nobody can see would wait for a click for ever.
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return;
    }
    SDL_Rect ok{};
    if (SDL_Window* window = OpenErrorWindow(message, ok)) {
        for (bool open = true; open;) {
            SDL_Event e;
            if (!SDL_WaitEvent(&e)) break;
            if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED)
                SDL_UpdateWindowSurface(window);
            if (e.type == SDL_QUIT || ClosesErrorWindow(e, ok)) open = false;
        }
        SDL_DestroyWindow(window);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

}  // namespace tk
