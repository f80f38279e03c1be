// present_floor.cpp -- the least a full-screen screen can cost: a borderless window the size of
// the display, cleared to black and presented every INTERVAL milliseconds, nothing else.
//
// Usage: vellmoor-present-floor INTERVAL_MS
// Runs until it is sent SIGTERM or SIGINT. bench/cpu/screen_cpu.sh measures it beside the game.
// The window is made as the game makes its screens (window surface, no GL renderer) and the
// loop sleeps between frames as the game's loop does, so the two differ only in the drawing.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    char* end = nullptr;
    const long interval = argc == 2 ? std::strtol(argv[1], &end, 10) : 0;
    if (argc != 2 || *end != '\0' || interval < 1 || interval > 10000) {
        std::fprintf(stderr, "usage: vellmoor-present-floor INTERVAL_MS (1 to 10000)\n");
        return 2;
    }
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "vellmoor-present-floor: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Rect bounds{0, 0, 1280, 720};
    SDL_GetDisplayBounds(0, &bounds);
    SDL_Window* window = SDL_CreateWindow("present floor", bounds.x, bounds.y, bounds.w, bounds.h,
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (!window) {
        std::fprintf(stderr, "vellmoor-present-floor: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    Uint64 due = SDL_GetTicks64();
    for (bool running = true; running;) {
        SDL_Event event;
        const Uint64 now = SDL_GetTicks64();
        if (now < due) {
            if (SDL_WaitEventTimeout(&event, int(due - now)) && event.type == SDL_QUIT)
                running = false;
            continue;
        }
        // As the game's timers: the next frame is due one interval after this one started.
        due = now + Uint64(interval);
        if (SDL_Surface* surface = SDL_GetWindowSurface(window)) {
            SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
            SDL_UpdateWindowSurface(window);
        }
        while (SDL_PollEvent(&event))
            if (event.type == SDL_QUIT) running = false;
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
