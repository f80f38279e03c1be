// host.h -- the narrow interface between the toolkit and the outside world.
//
// Two implementations: SdlHost (real windows, input and audio) and HeadlessHost (a virtual
// clock, injected input, captured frames). Nothing above the toolkit sees either directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/raster/bitmap.h"

namespace tk {

using WindowId = int;

enum class WindowKind {
    Bordered,    // fixed client size, caption, only a close icon
    FullScreen,  // borderless, covers the whole display
};

struct WindowSpec {
    std::string caption;
    WindowKind kind = WindowKind::Bordered;
    int left = 0, top = 0;                  // bordered windows only
    int clientWidth = 0, clientHeight = 0;  // bordered windows only
    std::string role{};                     // which window this is, for desktop tools; never shown
    bool companion = false;  // opened beside another window: no task bar entry of its own
};

// The name the desktop lists a window under (see Host::SetAppTitle).
inline const std::string& ListedName(const WindowSpec& spec, const std::string& appTitle) {
    return spec.kind == WindowKind::FullScreen && !appTitle.empty() ? appTitle : spec.caption;
}

// Pixels lent for a window's frame (see Host::LendFrame).
struct LentFrame {
    PixelView pixels;
    // The pixels are as this window's last lent frame left them: nothing else wrote there since.
    bool holdsLastFrame = false;
};

// The program's icon: straight ARGB pixels, rows top to bottom.
struct AppIcon {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;
};

enum class EventType {
    None,
    MouseMove,
    MouseDown,
    MouseUp,
    MouseWheel,  // wheel > 0 is away from the user (scroll up)
    KeyDown,
    TextInput,
    Close,  // the window's close icon
    Quit,   // the whole session ends (the desktop asks the program to quit)
};

struct Event {
    EventType type = EventType::None;
    WindowId window = -1;
    int x = 0, y = 0;  // client coordinates for mouse events
    int button = 1;    // 1 left, 2 middle, 3 right
    int wheel = 0;
    std::string key;  // KeyDown: "Tab", "Space", "Return", "Escape", "Up", "Down",
                      // "Left", "Right", "Backspace", "Delete", "Home", "End", "PageUp",
                      // "PageDown", or a single printable character
    bool shift = false;
    std::string text;  // TextInput: UTF-8 text typed
};

// Fills interleaved stereo 16-bit samples at 44100 Hz. Called by the host: from the audio
// thread on SdlHost (under the host's audio lock), from the UI thread on HeadlessHost.
class AudioSource {
  public:
    virtual ~AudioSource() = default;
    virtual void Mix(std::int16_t* stereo, int frames) = 0;
};

class Host {
  public:
    virtual ~Host() = default;

    // How the desktop lists the program: a full-screen window, which has no caption bar, is
    // listed under the application title; a bordered one under its caption. Every window
    // carries the icon. Set before the windows are created.
    virtual void SetAppTitle(const std::string& title) = 0;
    virtual void SetAppIcon(const AppIcon& icon) = 0;

    // Windows. A new window is hidden until shown.
    virtual WindowId CreateWindow(const WindowSpec& spec) = 0;
    virtual void SetVisible(WindowId id, bool visible) = 0;
    virtual void Raise(WindowId id) = 0;
    virtual void SetCaption(WindowId id, const std::string& caption) = 0;
    // Client size now: the design size for bordered windows, the display's for full screen.
    virtual void ClientSize(WindowId id, int& width, int& height) const = 0;
    // Shows the window's new contents. The bitmap may be larger or smaller than the client
    // area: what lies beyond it is clipped, what it does not cover is black.
    virtual void Present(WindowId id, const Bitmap& frame) = 0;
    // The full-screen frame, drawn in place. LendFrame gives width x height pixels (at most
    // the client size; contents undefined) for the window's next frame: the window's own where
    // the host can lend them, so PresentLent shows them without copying, else one buffer the
    // host shares among its windows. The view is valid until PresentLent or the next LendFrame.
    // PresentLent shows what was drawn; the part of the client area it did not cover is black.
    virtual LentFrame LendFrame(WindowId id, int width, int height) = 0;
    virtual void PresentLent(WindowId id) = 0;

    // Time. NowMs is a monotonic millisecond count for timers; MsOfDayUtc is the time of day
    // in universal time, 0 .. 86399999, for reseeding the random generator.
    virtual std::int64_t NowMs() const = 0;
    virtual std::uint32_t MsOfDayUtc() const = 0;

    // Waits until an event arrives or NowMs() reaches deadlineMs, whichever is first.
    // Returns false when the deadline passed without an event.
    virtual bool WaitEvent(Event& event, std::int64_t deadlineMs) = 0;

    // Audio. The source is pulled until the host is destroyed. Lock/Unlock guard state that the
    // source shares with the UI thread.
    virtual void StartAudio(AudioSource* source) = 0;
    virtual void LockAudio() = 0;
    virtual void UnlockAudio() = 0;

    // Reports an error to the player without stopping the loop (a message window on a display).
    virtual void ShowError(const std::string& message) = 0;
};

}  // namespace tk
