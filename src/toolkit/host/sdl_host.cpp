// sdl_host.cpp -- SdlHost: windows on window surfaces, input translation, audio, error windows.
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
#include "toolkit/host/x11_window_hints.h"
#include "toolkit/raster/canvas.h"

namespace tk {

// A small window of our own holding one error message and an OK area.
struct SdlHost::ErrorWindow {
    SDL_Window* window = nullptr;
    std::string message;
    SDL_Rect okArea{};
};

namespace {

constexpr int kErrorPadding = 16;
constexpr int kOkWidth = 75, kOkHeight = 25;

void AudioCallback(void* userdata, Uint8* stream, int len) {
    auto* source = *static_cast<AudioSource**>(userdata);
    if (source) {
        source->Mix(reinterpret_cast<std::int16_t*>(stream), len / 4);
    } else {
        std::memset(stream, 0, std::size_t(len));
    }
}

// Copies the bitmap onto the window surface; what it does not cover is black.
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

// A window sized to the message, drawn and raised; null when it cannot be made.
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

std::string NoDisplayMessage() {
    const char* display = std::getenv("DISPLAY");
    std::string where =
        display && *display ? std::string("DISPLAY=") + display : "DISPLAY is not set";
    return "Cannot open the display: no desktop answered (" + where + ")";
}

}  // namespace

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

void SdlHost::OpenAudioDevice() {
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
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
    std::uint32_t windowId = 0;
    bool close = false;
    switch (sdl.type) {
        case SDL_WINDOWEVENT:
            windowId = sdl.window.windowID;
            close = sdl.window.event == SDL_WINDOWEVENT_CLOSE;
            break;
        case SDL_MOUSEBUTTONUP:
            windowId = sdl.button.windowID;
            break;
        case SDL_MOUSEMOTION:
            windowId = sdl.motion.windowID;
            break;
        case SDL_MOUSEBUTTONDOWN:
            windowId = sdl.button.windowID;
            break;
        case SDL_MOUSEWHEEL:
            windowId = sdl.wheel.windowID;
            break;
        case SDL_KEYDOWN:
            windowId = sdl.key.windowID;
            close = sdl.key.keysym.sym == SDLK_RETURN || sdl.key.keysym.sym == SDLK_ESCAPE;
            break;
        case SDL_TEXTINPUT:
            windowId = sdl.text.windowID;
            break;
        default:
            return false;
    }
    auto it = errorWindows_.find(windowId);
    if (it == errorWindows_.end()) return false;
    ErrorWindow& error = *it->second;
    if (sdl.type == SDL_MOUSEBUTTONUP) {
        SDL_Point p{sdl.button.x, sdl.button.y};
        close = SDL_PointInRect(&p, &error.okArea);
    }
    if (sdl.type == SDL_WINDOWEVENT && sdl.window.event == SDL_WINDOWEVENT_EXPOSED) {
        SDL_UpdateWindowSurface(error.window);
    }
    if (close) {
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
            if (e.type == SDL_QUIT) open = false;
            if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE) open = false;
            if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED)
                SDL_UpdateWindowSurface(window);
            if (e.type == SDL_KEYDOWN &&
                (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_ESCAPE))
                open = false;
            if (e.type == SDL_MOUSEBUTTONUP) {
                const SDL_Point p{e.button.x, e.button.y};
                if (SDL_PointInRect(&p, &ok)) open = false;
            }
        }
        SDL_DestroyWindow(window);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

}  // namespace tk
