// sdl_host.h -- the host players run: real windows, mouse, keyboard and audio through SDL2.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "toolkit/host/host.h"

struct SDL_Surface;
struct SDL_Window;
union SDL_Event;

namespace tk {

// Windows are drawn through their window surface (no renderer, no GPU). A full-screen window
// is a borderless one at the display's bounds, marked full screen for the window manager, so it
// covers the display with or without one; bordered windows offer only move and close. Every
// window carries the class "vellmoor", its form's name as its role, and the program's icon. On a
// display larger than 2000 x 3000 it reports a client size reduced by a whole factor, shows its
// frames enlarged by that factor and maps the mouse back (see display_scale.h); bordered windows
// are always drawn pixel for pixel. Audio is 44.1 kHz stereo S16; without a usable audio device it
// falls back to SDL's "dummy" driver with one warning on stderr and runs on, silent.
//
// ShowError prints the message on stderr and opens a small non-modal error window of our own
// (the loop keeps running); its OK area or close icon closes it. The same message is not
// opened twice while its window is open.
class SdlHost : public Host {
  public:
    // Initialises SDL video, events and audio; raises tk::Error if no desktop answers (SDL
    // would otherwise run on an off-screen driver and nobody would see the game).
    SdlHost();
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    void SetAppTitle(const std::string& title) override;
    void SetAppIcon(const AppIcon& icon) override;
    WindowId CreateWindow(const WindowSpec& spec) override;
    void SetVisible(WindowId id, bool visible) override;
    void Raise(WindowId id) override;
    void SetCaption(WindowId id, const std::string& caption) override;
    void ClientSize(WindowId id, int& width, int& height) const override;
    void Present(WindowId id, const Bitmap& frame) override;
    LentFrame LendFrame(WindowId id, int width, int height) override;
    void PresentLent(WindowId id) override;

    std::int64_t NowMs() const override;
    std::uint32_t MsOfDayUtc() const override;
    bool WaitEvent(Event& event, std::int64_t deadlineMs) override;

    void StartAudio(AudioSource* source) override;
    void LockAudio() override;
    void UnlockAudio() override;

    void ShowError(const std::string& message) override;

    // For start-up failures before (or without) a host: stderr, plus a message box when a
    // display can be reached. Blocks until the box is closed.
    static void ShowFatalError(const std::string& message);

  private:
    struct ErrorWindow;
    struct HostWindow {
        SDL_Window* window = nullptr;
        int factor = 1;  // display pixels per client pixel, each way
        WindowSpec spec;
        // The surface whose pixels were last lent, while they hold that frame untouched.
        SDL_Surface* lent = nullptr;
    };

    SDL_Window* WindowOf(WindowId id) const;
    int FactorOf(WindowId id) const;
    // Turns an SDL event into ours; false for events the game does not see.
    bool Translate(const SDL_Event& sdl, Event& event);
    WindowId IdOfSdlWindow(std::uint32_t sdlWindowId) const;
    bool HandleErrorWindowEvent(const SDL_Event& sdl);
    void OpenAudioDevice();
    void WarnNoAudio(const char* why);

    std::map<WindowId, HostWindow> windows_;
    Bitmap staging_;  // enlarged frames for window surfaces that are not 32-bit
    // Frames for windows whose surface cannot be drawn on directly (enlarged, or not 32-bit),
    // shared by every window: only one screen draws at a time.
    Bitmap sharedFrame_;
    bool lentSurface_ = false;  // the last LendFrame gave the window's own surface
    void ForgetLentFrame(WindowId id);
    WindowId nextId_ = 1;
    std::map<std::uint32_t, std::unique_ptr<ErrorWindow>> errorWindows_;  // by SDL window id
    std::uint32_t audioDevice_ = 0;
    AudioSource* audioSource_ = nullptr;
    bool audioWarned_ = false;  // the silent fallback is announced once
    std::string appTitle_;
    SDL_Surface* icon_ = nullptr;  // given to every window
};

}  // namespace tk
