// headless_host.cpp -- windows as records, time as a number, audio pulled as time moves on.
#include "toolkit/host/headless_host.h"

#include <algorithm>

#include "toolkit/error.h"
#include "toolkit/host/display_scale.h"

namespace tk {

namespace {
constexpr std::int64_t kDayMs = 86400000;
constexpr int kRate = 44100;
constexpr int kChunkFrames = 1024;
const Bitmap kNoFrame;
}  // namespace

HeadlessHost::HeadlessHost(std::uint32_t msOfDay) : msOfDay_(msOfDay % kDayMs) {
    mixBuffer_.resize(std::size_t(kChunkFrames) * 2);
}

WindowId HeadlessHost::CreateWindow(const WindowSpec& spec) {
    const WindowId id = nextId_++;
    windows_[id].spec = spec;
    return id;
}

// A hidden window shows nothing and keeps no frame (a screen's would be a full-screen one);
// a frame lent for drawing is kept until it is presented.
void HeadlessHost::SetVisible(WindowId id, bool visible) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    it->second.visible = visible;
    if (!visible && id != lentTo_) it->second.frame = Bitmap();
}

void HeadlessHost::Raise(WindowId) {}

void HeadlessHost::SetCaption(WindowId id, const std::string& caption) {
    auto it = windows_.find(id);
    if (it != windows_.end()) it->second.spec.caption = caption;
}

void HeadlessHost::ClientSize(WindowId id, int& width, int& height) const {
    width = height = 0;
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    if (it->second.spec.kind == WindowKind::FullScreen) {
        // As on a real display: beyond the frame's size the game sees a reduced client area.
        const DisplayScale scale = ChooseDisplayScale(screenWidth_, screenHeight_);
        width = scale.logicalWidth;
        height = scale.logicalHeight;
    } else {
        width = it->second.spec.clientWidth;
        height = it->second.spec.clientHeight;
    }
}

void HeadlessHost::Present(WindowId id, const Bitmap& frame) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    it->second.frameKept = false;
    int w = 0, h = 0;
    ClientSize(id, w, h);
    Bitmap& shown = it->second.frame;
    shown.Resize(w, h);
    const int cw = std::min(w, frame.width), ch = std::min(h, frame.height);
    for (int y = 0; y < h; ++y) {
        Color* row = shown.pixels.data() + std::size_t(y) * std::size_t(w);
        int x = 0;
        if (y < ch) {
            std::copy_n(frame.pixels.data() + std::size_t(y) * std::size_t(frame.width), cw, row);
            x = cw;
        }
        std::fill(row + x, row + w, Color(0));
    }
}

// A frame of the client's size is drawn straight into what the window shows.
LentFrame HeadlessHost::LendFrame(WindowId id, int width, int height) {
    lentShared_ = false;
    auto it = windows_.find(id);
    if (it != windows_.end()) {
        int w = 0, h = 0;
        ClientSize(id, w, h);
        Window& window = it->second;
        if (w == width && h == height) {
            const bool kept =
                window.frameKept && window.frame.width == w && window.frame.height == h;
            window.frame.Resize(w, h);
            window.frameKept = true;
            lentTo_ = id;
            return {window.frame.View(), kept};
        }
        window.frameKept = false;
    }
    lentShared_ = true;
    sharedFrame_.Resize(std::max(0, width), std::max(0, height));
    return {sharedFrame_.View(), false};
}

void HeadlessHost::PresentLent(WindowId id) {
    if (lentShared_) Present(id, sharedFrame_);
    lentShared_ = false;
    lentTo_ = 0;
}

std::uint32_t HeadlessHost::MsOfDayUtc() const {
    return std::uint32_t((std::int64_t(msOfDay_) + (now_ - clockBase_)) % kDayMs);
}

bool HeadlessHost::WaitEvent(Event& event, std::int64_t deadlineMs) {
    if (!pending_.empty()) {
        event = pending_.front();
        pending_.pop_front();
        return true;
    }
    if (deadlineMs > now_) AdvanceClock(deadlineMs - now_);
    return false;
}

void HeadlessHost::SetScreenSize(int width, int height) {
    screenWidth_ = std::max(0, width);
    screenHeight_ = std::max(0, height);
}

void HeadlessHost::SetClock(std::uint32_t msOfDay) {
    msOfDay_ = std::uint32_t(msOfDay % kDayMs);
    clockBase_ = now_;
}

void HeadlessHost::AdvanceClock(std::int64_t ms) {
    if (ms <= 0) return;
    PullAudio(now_, now_ + ms);
    now_ += ms;
}

void HeadlessHost::PullAudio(std::int64_t fromMs, std::int64_t toMs) {
    if (!audio_) return;
    std::int64_t frames = toMs * kRate / 1000 - fromMs * kRate / 1000;
    while (frames > 0) {
        const int n = int(std::min<std::int64_t>(frames, kChunkFrames));
        std::fill_n(mixBuffer_.begin(), std::size_t(n) * 2, std::int16_t(0));
        audio_->Mix(mixBuffer_.data(), n);
        if (keepAudio_) kept_.insert(kept_.end(), mixBuffer_.begin(), mixBuffer_.begin() + n * 2);
        frames -= n;
    }
}

const Bitmap& HeadlessHost::Frame(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? kNoFrame : it->second.frame;
}

std::string HeadlessHost::ListedName(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? std::string() : tk::ListedName(it->second.spec, appTitle_);
}

std::vector<std::string> HeadlessHost::TakeErrors() {
    std::vector<std::string> out;
    out.swap(errors_);
    return out;
}

std::vector<std::int16_t> HeadlessHost::TakeAudio() {
    std::vector<std::int16_t> out;
    out.swap(kept_);
    return out;
}

}  // namespace tk
