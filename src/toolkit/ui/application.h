// application.h -- the one thread: forms, timers, the message loop and the error report.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/host/host.h"

namespace tk {

class Form;
class Timer;

class Application {
  public:
    explicit Application(std::unique_ptr<Host> host);
    ~Application();

    Host& GetHost() { return *host_; }
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) {
        title_ = std::move(title);
        host_->SetAppTitle(title_);
    }

    // The first form registered is the main form; closing it ends the program.
    void Register(Form* form);
    void Unregister(Form* form);
    const std::vector<Form*>& Forms() const { return forms_; }
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    void Register(Timer* timer);
    void Unregister(Timer* timer);
    const std::vector<Timer*>& Timers() const { return timers_; }

    // Shows the main form and runs the loop until it closes (SdlHost: real time).
    void Run();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // For the headless host: advances virtual time by ms, firing every timer that falls due,
    // in time order (creation order on ties). Stops early when the program ends.
    void AdvanceTime(std::int64_t ms);
    // Delivers one input event now, as the loop would.
    void DeliverEvent(const Event& e);
    // Fires every timer that is due now, each at most once.
    void FireDueTimers();

    // Runs a handler; an exception escaping it is reported and the loop goes on.
    template <class F>
    void Guard(F&& handler) {
        try {
            handler();
        } catch (const std::exception& e) {
            ReportError(e.what());
        }
    }
    // The toolkit's error report: shown once while the same message is still on show.
    void ReportError(const std::string& message);

  private:
    void RepaintBordered();
    std::int64_t NextDue() const;

    std::unique_ptr<Host> host_;
    std::string title_;
    std::vector<Form*> forms_;
    std::vector<Timer*> timers_;
    bool terminated_ = false;
};

}  // namespace tk
