// headless_host.h -- the host of tests, benchmarks and the script driver: no display, no sound
// card; a virtual clock, injected input and the last frame of every window kept.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "toolkit/host/host.h"

namespace tk {

class HeadlessHost : public Host {
  public:
    // msOfDay: the virtual clock's time of day (UTC) at NowMs() = 0.
    explicit HeadlessHost(std::uint32_t msOfDay = 43200000);

    void SetAppTitle(const std::string& title) override { appTitle_ = title; }
    void SetAppIcon(const AppIcon& icon) override { appIcon_ = icon; }
    WindowId CreateWindow(const WindowSpec& spec) override;
    void SetVisible(WindowId id, bool visible) override;
    void Raise(WindowId id) override;
    void SetCaption(WindowId id, const std::string& caption) override;
    void ClientSize(WindowId id, int& width, int& height) const override;
    void Present(WindowId id, const Bitmap& frame) override;
    LentFrame LendFrame(WindowId id, int width, int height) override;
    void PresentLent(WindowId id) override;

    std::int64_t NowMs() const override { return now_; }
    std::uint32_t MsOfDayUtc() const override;
    // Takes the next injected event if any; otherwise moves the virtual clock to the deadline
    // (pulling the audio source for that stretch) and returns false.
    bool WaitEvent(Event& event, std::int64_t deadlineMs) override;

    void StartAudio(AudioSource* source) override { audio_ = source; }
    void LockAudio() override {}
    void UnlockAudio() override {}

    void ShowError(const std::string& message) override { errors_.push_back(message); }

    // --- for tests and the script driver ---
    // The display's size (1280 x 720 until set). Full-screen windows get it as their client
    // size, reduced by a whole factor on displays beyond 2000 x 3000 as SdlHost does; frames
    // and mouse positions are in those client pixels.
    void SetScreenSize(int width, int height);
    // Restarts the time of day at this millisecond (the monotonic clock goes on).
    void SetClock(std::uint32_t msOfDay);
    // Moves the virtual clock forward without events, pulling the audio for that stretch.
    void AdvanceClock(std::int64_t ms);
    void Inject(const Event& e) { pending_.push_back(e); }
    // The window's last frame as the window shows it: client-sized, black where the presented
    // bitmap did not reach; empty while the window is hidden.
    const Bitmap& Frame(WindowId id) const;
    // What the desktop would list the window as (see Host::SetAppTitle), and the icon.
    std::string ListedName(WindowId id) const;
    const AppIcon& Icon() const { return appIcon_; }
    // Error reports since the last call.
    std::vector<std::string> TakeErrors();
    // Samples mixed since the last call (interleaved stereo), for tests that listen.
    std::vector<std::int16_t> TakeAudio();
    void KeepAudio(bool keep) { keepAudio_ = keep; }

  private:
    struct Window {
        WindowSpec spec;
        bool visible = false;
        Bitmap frame;
        bool frameKept = false;  // frame holds the last lent frame, untouched since
    };
    void PullAudio(std::int64_t fromMs, std::int64_t toMs);

    std::map<WindowId, Window> windows_;
    Bitmap sharedFrame_;       // lent when a frame is not the window's size
    bool lentShared_ = false;  // the last LendFrame gave sharedFrame_
    WindowId lentTo_ = 0;      // the window whose own frame is lent, until it is presented
    WindowId nextId_ = 1;
    std::int64_t now_ = 0;
    std::int64_t clockBase_ = 0;  // NowMs() at which the time of day was msOfDay_
    std::uint32_t msOfDay_;
    int screenWidth_ = 1280, screenHeight_ = 720;
    std::deque<Event> pending_;
    std::vector<std::string> errors_;
    AudioSource* audio_ = nullptr;
    std::vector<std::int16_t> mixBuffer_;
    std::vector<std::int16_t> kept_;
    bool keepAudio_ = false;
    std::string appTitle_;
    AppIcon appIcon_;
};

}  // namespace tk
