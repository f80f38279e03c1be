// sdl_input.cpp -- SdlHost's input: SDL's events turned into the game's, and the wait for them.
#include <SDL.h>

#include <algorithm>
#include <climits>
#include <string>

#include "toolkit/host/display_scale.h"
#include "toolkit/host/sdl_host.h"
#include "toolkit/host/sdl_parts.h"

namespace tk {

namespace {

const char* KeyName(SDL_Keycode key) {
    switch (key) {
        case SDLK_TAB:
            return "Tab";
        case SDLK_SPACE:
            return "Space";
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return "Return";
        case SDLK_ESCAPE:
            return "Escape";
        case SDLK_UP:
            return "Up";
        case SDLK_DOWN:
            return "Down";
        case SDLK_LEFT:
            return "Left";
        case SDLK_RIGHT:
            return "Right";
        case SDLK_BACKSPACE:
            return "Backspace";
        case SDLK_DELETE:
            return "Delete";
        case SDLK_HOME:
            return "Home";
        case SDLK_END:
            return "End";
        case SDLK_PAGEUP:
            return "PageUp";
        case SDLK_PAGEDOWN:
            return "PageDown";
        default:
            return nullptr;
    }
}

}  // namespace

WindowId SdlHost::IdOfSdlWindow(std::uint32_t sdlWindowId) const {
    SDL_Window* window = SDL_GetWindowFromID(sdlWindowId);
    for (auto& [id, w] : windows_) {
        if (w.window == window) return id;
    }
    return -1;
}

bool SdlHost::Translate(const SDL_Event& sdl, Event& event) {
    event = Event{};
    event.shift = (SDL_GetModState() & KMOD_SHIFT) != 0;
    switch (sdl.type) {
        case SDL_QUIT:
            event.type = EventType::Quit;
            return true;
        case SDL_WINDOWEVENT:
            if (sdl.window.event == SDL_WINDOWEVENT_EXPOSED) {
                // The surface still holds the last frame: show it again.
                if (SDL_Window* w = SDL_GetWindowFromID(sdl.window.windowID)) {
                    if (SDL_GetWindowSurface(w)) SDL_UpdateWindowSurface(w);
                }
                return false;
            }
            if (sdl.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                sdl.window.event == SDL_WINDOWEVENT_RESIZED) {
                // SDL makes the window's surface anew at its next use.
                ForgetLentFrame(IdOfSdlWindow(sdl.window.windowID));
                return false;
            }
            if (sdl.window.event != SDL_WINDOWEVENT_CLOSE) return false;
            event.type = EventType::Close;
            event.window = IdOfSdlWindow(sdl.window.windowID);
            return event.window >= 0;
        case SDL_MOUSEMOTION:
            event.type = EventType::MouseMove;
            event.window = IdOfSdlWindow(sdl.motion.windowID);
            event.x = ToLogical(sdl.motion.x, FactorOf(event.window));
            event.y = ToLogical(sdl.motion.y, FactorOf(event.window));
            return event.window >= 0;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            event.type =
                sdl.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
            event.window = IdOfSdlWindow(sdl.button.windowID);
            event.x = ToLogical(sdl.button.x, FactorOf(event.window));
            event.y = ToLogical(sdl.button.y, FactorOf(event.window));
            event.button = sdl.button.button;
            return event.window >= 0 && event.button >= 1 && event.button <= 3;
        case SDL_MOUSEWHEEL:
            event.type = EventType::MouseWheel;
            event.window = IdOfSdlWindow(sdl.wheel.windowID);
            event.wheel =
                sdl.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -sdl.wheel.y : sdl.wheel.y;
            event.x = ToLogical(sdl.wheel.mouseX, FactorOf(event.window));
            event.y = ToLogical(sdl.wheel.mouseY, FactorOf(event.window));
            return event.window >= 0 && event.wheel != 0;
        case SDL_KEYDOWN: {
            event.type = EventType::KeyDown;
            event.window = IdOfSdlWindow(sdl.key.windowID);
            SDL_Keycode key = sdl.key.keysym.sym;
            if (const char* name = KeyName(key)) {
                event.key = name;
            } else if (key > 32 && key < 127) {
                char c = char(key);
                if (event.shift && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
                event.key = std::string(1, c);
            } else {
                return false;
            }
            return event.window >= 0;
        }
        case SDL_TEXTINPUT:
            event.type = EventType::TextInput;
            event.window = IdOfSdlWindow(sdl.text.windowID);
            event.text = sdl.text.text;
            return event.window >= 0;
        default:
            return false;
    }
}

bool SdlHost::WaitEvent(Event& event, std::int64_t deadlineMs) {
    for (;;) {
        std::int64_t remaining = deadlineMs - NowMs();
        SDL_Event sdl;
        int got = 0;
        if (remaining <= 0) {
            got = SDL_PollEvent(&sdl);
        } else {
            got = SDL_WaitEventTimeout(&sdl, int(std::min<std::int64_t>(remaining, INT_MAX)));
        }
        if (!got) {
            if (NowMs() >= deadlineMs) return false;
            continue;
        }
        if (HandleErrorWindowEvent(sdl)) continue;
        if (Translate(sdl, event)) return true;
    }
}

}  // namespace tk
