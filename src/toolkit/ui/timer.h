// timer.h -- a form's timer: fires its handler every interval while enabled.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tk {

class Application;

// The next firing is due one interval after this one started; a slow handler delays the next
// tick, which then fires once, as soon as it can (ticks never pile up). Enabling the timer or
// changing its interval starts a fresh interval; setting the interval it has changes nothing.
class Timer {
  public:
    Timer(Application& app, std::string name, int intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    std::int64_t DueAt() const { return dueAt_; }

    std::function<void()> onTimer;

  private:
    friend class Application;
    void Fire(std::int64_t startedAt);

    Application& app_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
    std::int64_t dueAt_ = 0;
};

}  // namespace tk
