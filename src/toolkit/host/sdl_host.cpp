// sdl_host.cpp -- SdlHost: windows on window surfaces, presenting frames, the clock and audio.
// Input is in sdl_input.cpp, the error windows in sdl_error_windows.cpp.
#include "toolkit/host/sdl_host.h"

#include <SDL.h>
#include <time.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "toolkit/error.h"
#include "toolkit/host/display_scale.h"
#include "toolkit/host/sdl_parts.h"
#include "toolkit/host/x11_window_hints.h"
#include "toolkit/raster/canvas.h"

namespace tk {

namespace {

void AudioCallback(void* userdata, Uint8* stream, int len) {
    auto* source = *static_cast<AudioSource**>(userdata);
    if (source) {
        source->Mix(reinterpret_cast<std::int16_t*>(stream), len / 4);
    } else {
        std::memset(stream, 0, std::size_t(len));
    }
}

// Copies the bitmap onto the window surface enlarged by factor, every pixel a factor x factor
// block; what it does not cover is black. 32-bit surfaces are written directly, others
// through a staging bitmap of the display's size.
void EnlargeToSurface(SDL_Surface* surface, const Bitmap& frame, int factor, Bitmap& staging) {
    const Uint32 format = surface->format->format;
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
        const std::uint32_t alpha = format == SDL_PIXELFORMAT_ARGB8888 ? 0xFF000000u : 0u;
        EnlargeInto(frame, factor, static_cast<std::uint32_t*>(surface->pixels), surface->w,
                    surface->h, surface->pitch / 4, alpha);
    } else {
        staging.Resize(surface->w, surface->h);
        EnlargeInto(frame, factor, staging.pixels.data(), staging.width, staging.height,
                    staging.width);
        SDL_ConvertPixels(staging.width, staging.height, SDL_PIXELFORMAT_RGB888,
                          staging.pixels.data(), staging.width * 4, format, surface->pixels,
                          surface->pitch);
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

std::string NoDisplayMessage() {
    const char* display = std::getenv("DISPLAY");
    std::string where =
        display && *display ? std::string("DISPLAY=") + display : "DISPLAY is not set";
    return "Cannot open the display: no desktop answered (" + where + ")";
}

}  // namespace

void CopyToSurface(SDL_Surface* surface, const Bitmap& frame) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    int w = std::min(surface->w, frame.width);
    int h = std::min(surface->h, frame.height);
    if (w <= 0 || h <= 0) return;
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGB888, frame.pixels.data(), frame.width * 4,
                      surface->format->format, surface->pixels, surface->pitch);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

// SDL falls back to drivers that show nothing (an off-screen buffer) when no desktop answers.
// The game must never run there unseen unless someone asked for that driver by name.
bool ShowsWindows(const char* driver) {
    if (!driver) return false;
    if (const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
        asked && std::strstr(asked, driver)) {
        return true;
    }
    return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0 &&
           std::strcmp(driver, "evdev") != 0;
}

SdlHost::SdlHost() {
    // Closing one of the game's windows is the game's decision, never an implicit quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Frames go straight to the window (shared memory on X11). Left to itself SDL may put a
    // GL renderer behind the window surface, which without a GPU is a software rasteriser:
    // about four times the CPU of the whole game idling on the map screen.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The first click into a window that has not the focus acts, as the player meant it to.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The battle stays on screen while the instructions beside it have the focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        throw Error(std::string("Cannot open the display: ") + SDL_GetError());
    }
    if (!ShowsWindows(SDL_GetCurrentVideoDriver())) {
        SDL_Quit();
        throw Error(NoDisplayMessage());
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        WarnNoAudio(SDL_GetError());
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        SDL_InitSubSystem(SDL_INIT_AUDIO);
    }
}

SdlHost::~SdlHost() {
    if (audioDevice_) SDL_CloseAudioDevice(audioDevice_);
    if (icon_) SDL_FreeSurface(icon_);
    for (auto& [id, error] : errorWindows_)
        SDL_DestroyWindow(error->window);
    for (auto& [id, w] : windows_)
        SDL_DestroyWindow(w.window);
    SDL_Quit();
}

SDL_Window* SdlHost::WindowOf(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.window;
}

int SdlHost::FactorOf(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? 1 : it->second.factor;
}

void SdlHost::SetAppTitle(const std::string& title) {
    appTitle_ = title;
}

void SdlHost::SetAppIcon(const AppIcon& icon) {
    if (icon_) SDL_FreeSurface(icon_);
    icon_ = nullptr;
    if (icon.width <= 0 || icon.height <= 0 ||
        icon.argb.size() != std::size_t(icon.width) * std::size_t(icon.height)) {
        return;
    }
    icon_ =
        SDL_CreateRGBSurfaceWithFormat(0, icon.width, icon.height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!icon_) return;
    for (int y = 0; y < icon.height; ++y) {
        std::memcpy(static_cast<Uint8*>(icon_->pixels) + std::ptrdiff_t(y) * icon_->pitch,
                    icon.argb.data() + std::size_t(y) * std::size_t(icon.width),
                    std::size_t(icon.width) * 4);
    }
    for (auto& [id, w] : windows_)
        SDL_SetWindowIcon(w.window, icon_);
}

WindowId SdlHost::CreateWindow(const WindowSpec& spec) {
    SDL_Window* window = nullptr;
    int factor = 1;
    const std::string& name = ListedName(spec, appTitle_);
    const Uint32 listed = spec.companion ? SDL_WINDOW_SKIP_TASKBAR : 0;
    if (spec.kind == WindowKind::FullScreen) {
        SDL_Rect bounds{0, 0, 1280, 720};
        SDL_GetDisplayBounds(0, &bounds);
        factor = ChooseDisplayScale(bounds.w, bounds.h).factor;
        // Full screen in the window manager's sense, so no panel or dock covers it; without
        // a window manager the borderless window at the display's bounds covers it all.
        window = SDL_CreateWindow(
            name.c_str(), bounds.x, bounds.y, bounds.w, bounds.h,
            SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP | listed);
    } else {
        window = SDL_CreateWindow(name.c_str(), spec.left, spec.top, std::max(1, spec.clientWidth),
                                  std::max(1, spec.clientHeight), SDL_WINDOW_HIDDEN | listed);
    }
    if (!window) throw Error("Cannot create window " + spec.caption + ": " + SDL_GetError());
    TellWindowManager(window, {spec.role, spec.kind == WindowKind::Bordered});
    if (icon_) SDL_SetWindowIcon(window, icon_);
    WindowId id = nextId_++;
    windows_[id] = HostWindow{window, factor, spec};
    return id;
}

void SdlHost::SetVisible(WindowId id, bool visible) {
    if (SDL_Window* w = WindowOf(id)) visible ? SDL_ShowWindow(w) : SDL_HideWindow(w);
}

void SdlHost::Raise(WindowId id) {
    if (SDL_Window* w = WindowOf(id)) SDL_RaiseWindow(w);
}

void SdlHost::SetCaption(WindowId id, const std::string& caption) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    it->second.spec.caption = caption;
    SDL_SetWindowTitle(it->second.window, ListedName(it->second.spec, appTitle_).c_str());
}

void SdlHost::ClientSize(WindowId id, int& width, int& height) const {
    width = height = 0;
    SDL_Window* w = WindowOf(id);
    if (!w) return;
    SDL_GetWindowSize(w, &width, &height);
    const int factor = FactorOf(id);
    width = LogicalLength(width, factor);
    height = LogicalLength(height, factor);
}

void SdlHost::Present(WindowId id, const Bitmap& frame) {
    ForgetLentFrame(id);
    SDL_Window* window = WindowOf(id);
    if (!window) return;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return;
    const int factor = FactorOf(id);
    if (factor > 1) {
        EnlargeToSurface(surface, frame, factor, staging_);
    } else {
        CopyToSurface(surface, frame);
    }
    SDL_UpdateWindowSurface(window);
}

// A window at its natural size whose surface holds 32-bit pixels in our order (the usual X11
// visual of depth 24) is drawn on in place: no conversion, no copy, no clear of its own.
LentFrame SdlHost::LendFrame(WindowId id, int width, int height) {
    lentSurface_ = false;
    auto it = windows_.find(id);
    if (it != windows_.end() && it->second.factor == 1) {
        HostWindow& w = it->second;
        SDL_Surface* s = SDL_GetWindowSurface(w.window);
        if (s && s->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(s) && s->w == width &&
            s->h == height && s->pitch % 4 == 0) {
            lentSurface_ = true;
            const bool kept = w.lent == s;
            w.lent = s;
            return {{static_cast<Color*>(s->pixels), width, height, s->pitch / 4}, kept};
        }
    }
    ForgetLentFrame(id);
    sharedFrame_.Resize(std::max(0, width), std::max(0, height));
    return {sharedFrame_.View(), false};
}

// Something other than a lent frame is drawn on the window's surface, or SDL makes it anew.
void SdlHost::ForgetLentFrame(WindowId id) {
    auto it = windows_.find(id);
    if (it != windows_.end()) it->second.lent = nullptr;
}

void SdlHost::PresentLent(WindowId id) {
    if (!lentSurface_) {
        Present(id, sharedFrame_);
        return;
    }
    lentSurface_ = false;
    if (SDL_Window* window = WindowOf(id)) SDL_UpdateWindowSurface(window);
}

std::int64_t SdlHost::NowMs() const {
    return std::int64_t(SDL_GetTicks64());
}

std::uint32_t SdlHost::MsOfDayUtc() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::uint32_t((now.tv_sec % 86400) * 1000 + now.tv_nsec / 1000000);
}

void SdlHost::OpenAudioDevice() {
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    // 46 ms a buffer: half the sound thread's wake-ups of 1024 buffers, and still shorter than
    // the battle's 80 ms tick.
    want.samples = 2048;
    want.callback = AudioCallback;
    want.userdata = &audioSource_;
    audioDevice_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (audioDevice_) return;
    WarnNoAudio(SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        audioDevice_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    }
}

void SdlHost::WarnNoAudio(const char* why) {
    if (audioWarned_) return;
    audioWarned_ = true;
    std::fprintf(stderr, "vellmoor: warning: no sound device (%s); the game runs silently\n", why);
}

void SdlHost::StartAudio(AudioSource* source) {
    if (!audioDevice_) {
        OpenAudioDevice();
    }
    LockAudio();
    audioSource_ = source;
    UnlockAudio();
    if (audioDevice_) SDL_PauseAudioDevice(audioDevice_, 0);
}

void SdlHost::LockAudio() {
    if (audioDevice_) SDL_LockAudioDevice(audioDevice_);
}

void SdlHost::UnlockAudio() {
    if (audioDevice_) SDL_UnlockAudioDevice(audioDevice_);
}

}  // namespace tk
