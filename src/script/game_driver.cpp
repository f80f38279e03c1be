// game_driver.cpp -- the game on the headless host: input as the loop delivers it, and reports.
#include "script/game_driver.h"

#include <array>

#include "app/form_refs.h"
#include "screens/title/title_form.h"
#include "toolkit/error.h"
#include "toolkit/ui/timer.h"

namespace vm {

GameDriver::GameDriver(std::uint32_t msOfDay, int width, int height) {
    auto host = std::make_unique<tk::HeadlessHost>(msOfDay);
    host->SetScreenSize(width, height);
    host_ = host.get();
    game_ = std::make_unique<GameApp>(std::move(host), ".");
    // What the message loop does first: show the main window.
    if (tk::Form* main = App().MainForm()) main->Show();
}

GameDriver::~GameDriver() = default;

tk::Form& GameDriver::FormNamed(std::string_view name) const {
    for (tk::Form* f : game_->App().Forms())
        if (f->Name() == name) return *f;
    throw tk::Error("Unknown form '" + std::string(name) + "'");
}

void GameDriver::SetSize(int width, int height) {
    host_->SetScreenSize(width, height);
}

void GameDriver::SetClock(std::uint32_t msOfDay) {
    host_->SetClock(msOfDay);
}

namespace {
tk::Event MouseEvent(tk::EventType type, const tk::Form& form, int x, int y) {
    tk::Event e;
    e.type = type;
    e.window = form.Window();
    e.x = x;
    e.y = y;
    return e;
}
}  // namespace

void GameDriver::Move(tk::Form& form, int x, int y) {
    App().DeliverEvent(MouseEvent(tk::EventType::MouseMove, form, x, y));
}

void GameDriver::Click(tk::Form& form, int x, int y) {
    Move(form, x, y);
    App().DeliverEvent(MouseEvent(tk::EventType::MouseDown, form, x, y));
    App().DeliverEvent(MouseEvent(tk::EventType::MouseUp, form, x, y));
}

void GameDriver::Close(tk::Form& form) {
    tk::Event e;
    e.type = tk::EventType::Close;
    e.window = form.Window();
    App().DeliverEvent(e);
}

void GameDriver::Key(tk::Form& form, const std::string& name) {
    tk::Event e;
    e.type = tk::EventType::KeyDown;
    e.window = form.Window();
    e.key = name;
    App().DeliverEvent(e);
}

void GameDriver::Wait(std::int64_t ms) {
    App().AdvanceTime(ms);
}

const tk::Bitmap& GameDriver::Frame(tk::Form& form) const {
    return host_->Frame(form.Window());
}

tk::Color GameDriver::Pixel(tk::Form& form, int x, int y) const {
    const tk::Bitmap& frame = Frame(form);
    if (!frame.Contains(x, y))
        throw tk::Error(form.Name() + " has no pixel at " + std::to_string(x) + "," +
                        std::to_string(y) + " in its last frame");
    return frame.At(x, y);
}

std::string GameDriver::VisibleLine() const {
    std::string line = "visible";
    for (const tk::Form* f : game_->App().Forms())
        if (f->Visible()) line += " " + f->Name();
    return line;
}

std::string GameDriver::TimersLine() const {
    std::string line = "timers";
    for (const tk::Timer* t : game_->App().Timers())
        if (t->Enabled()) line += " " + t->Name() + "=" + std::to_string(t->Interval());
    return line;
}

std::string GameDriver::SoundsLine() const {
    std::string line = "sounds";
    for (int n = 1; n <= 20; ++n)
        if (Form1->MediaPlayer(n).IsPlaying()) line += " " + std::to_string(n);
    return line;
}

std::vector<std::string> GameDriver::TakeErrors() {
    return host_->TakeErrors();
}

bool GameDriver::Ended() const {
    return game_->App().Terminated();
}

}  // namespace vm
