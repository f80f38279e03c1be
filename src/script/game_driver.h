// game_driver.h -- the real game on the headless host, driven by calls: what the script driver,
// the screen tests, the soak and the benchmarks all use.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/form_refs.h"
#include "app/game_app.h"
#include "toolkit/host/headless_host.h"
#include "toolkit/ui/form.h"

namespace vm {

// Start-up runs in the constructor, in the working directory (which must be the game folder).
// The clock starts at msOfDay; full-screen windows get the given client size.
class GameDriver {
  public:
    explicit GameDriver(std::uint32_t msOfDay = 43200000, int width = 1280, int height = 720);
    ~GameDriver();

    tk::HeadlessHost& Host() { return *host_; }
    tk::Application& App() { return game_->App(); }
    const ScreenServices& Services() const { return game_->Services(); }

    // "Form1" ... "Form11"; tk::Error for any other name.
    tk::Form& FormNamed(std::string_view name) const;

    void SetSize(int width, int height);
    void SetClock(std::uint32_t msOfDay);
    // Input as the loop delivers it, at client coordinates of the form.
    void Move(tk::Form& form, int x, int y);
    // Move there, then press and release the left button: a button there is clicked, else the
    // form's click surface.
    void Click(tk::Form& form, int x, int y);
    void Close(tk::Form& form);  // the close icon
    void Key(tk::Form& form, const std::string& name);
    // Advances virtual time, firing every timer that falls due, in order.
    void Wait(std::int64_t ms);

    // The colour at a client point of the form's last frame (bordered forms: composed widgets).
    tk::Color Pixel(tk::Form& form, int x, int y) const;
    const tk::Bitmap& Frame(tk::Form& form) const;

    // "visible Form1 Form9", "timers Form1.Timer1=1000 ...", "sounds 1 16" (bare word if none).
    std::string VisibleLine() const;
    std::string TimersLine() const;
    std::string SoundsLine() const;
    std::vector<std::string> TakeErrors();
    // The main form has closed: the program has ended.
    bool Ended() const;

  private:
    tk::HeadlessHost* host_;  // owned by the game's application
    std::unique_ptr<GameApp> game_;
};

}  // namespace vm
