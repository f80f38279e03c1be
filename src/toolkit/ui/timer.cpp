// timer.cpp -- a form's timer and its firing rule.
#include "toolkit/ui/timer.h"

#include <algorithm>

#include "toolkit/ui/application.h"

namespace tk {

Timer::Timer(Application& app, std::string name, int intervalMs, bool enabled)
    : app_(app), name_(std::move(name)), interval_(std::max(1, intervalMs)) {
    app_.Register(this);
    SetEnabled(enabled);
}

Timer::~Timer() {
    app_.Unregister(this);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled && !enabled_) dueAt_ = app_.GetHost().NowMs() + interval_;
    enabled_ = enabled;
}

void Timer::SetInterval(int ms) {
    ms = std::max(1, ms);  // a zero interval would fire without end
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) dueAt_ = app_.GetHost().NowMs() + interval_;
}

void Timer::Fire(std::int64_t startedAt) {
    dueAt_ = startedAt + interval_;
    if (onTimer) onTimer();
}

}  // namespace tk
