// application.cpp -- the message loop: input to forms, timers when due, errors to the report.
#include "toolkit/ui/application.h"

#include <algorithm>
#include <limits>

#include "toolkit/ui/form.h"
#include "toolkit/ui/timer.h"

namespace tk {

namespace {
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max() / 4;
// With no timer enabled the loop still wakes now and then; it never spins.
constexpr std::int64_t kIdleWakeMs = 1000;
}  // namespace

Application::Application(std::unique_ptr<Host> host) : host_(std::move(host)) {}

Application::~Application() = default;

void Application::Register(Form* form) {
    forms_.push_back(form);
}

void Application::Unregister(Form* form) {
    std::erase(forms_, form);
}

void Application::Register(Timer* timer) {
    timers_.push_back(timer);
}

void Application::Unregister(Timer* timer) {
    std::erase(timers_, timer);
}

std::int64_t Application::NextDue() const {
    std::int64_t due = kNever;
    for (const Timer* t : timers_)
        if (t->Enabled()) due = std::min(due, t->DueAt());
    return due;
}

void Application::FireDueTimers() {
    const std::int64_t now = host_->NowMs();
    // By index: a handler may enable other timers, which then start a fresh interval.
    for (std::size_t i = 0; i < timers_.size() && !terminated_; ++i) {
        Timer* t = timers_[i];
        if (!t->Enabled() || t->DueAt() > now) continue;
        Guard([&] { t->Fire(now); });
    }
}

void Application::DeliverEvent(const Event& e) {
    if (e.type == EventType::Quit) {
        Terminate();
        return;
    }
    Form* target = nullptr;
    for (Form* f : forms_)
        if (f->Window() == e.window) target = f;
    if (!target || !target->Visible()) return;
    Guard([&] {
        if (e.type == EventType::Close)
            target->Close();
        else
            target->HandleEvent(e);
    });
    RepaintBordered();
}

void Application::RepaintBordered() {
    if (terminated_) return;
    for (Form* f : forms_)
        if (f->Visible() && f->Kind() == WindowKind::Bordered) Guard([&] { f->Repaint(); });
}

void Application::Run() {
    if (Form* main = MainForm()) main->Show();
    while (!terminated_) {
        Event e;
        const std::int64_t deadline = std::min(NextDue(), host_->NowMs() + kIdleWakeMs);
        if (host_->WaitEvent(e, deadline)) DeliverEvent(e);
        FireDueTimers();
    }
}

void Application::AdvanceTime(std::int64_t ms) {
    const std::int64_t target = host_->NowMs() + std::max<std::int64_t>(ms, 0);
    while (!terminated_) {
        const std::int64_t due = NextDue();
        Event e;
        if (host_->WaitEvent(e, std::min(due, target))) {
            DeliverEvent(e);
            continue;
        }
        if (host_->NowMs() >= due) FireDueTimers();
        if (host_->NowMs() >= target && NextDue() > target) break;
    }
}

void Application::ReportError(const std::string& message) {
    host_->ShowError(message);
}

}  // namespace tk
