// screen_form.cpp -- the frame of a full-screen screen's tick.
#include "screens/shell/screen_form.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "state/game_state.h"
#include "toolkit/ui/application.h"

namespace vm {

namespace {
tk::WindowSpec FullScreenSpec(const std::string& name, int designWidth, int designHeight) {
    tk::WindowSpec spec;
    spec.caption = name;
    spec.kind = tk::WindowKind::FullScreen;
    spec.clientWidth = designWidth;
    spec.clientHeight = designHeight;
    return spec;
}
}  // namespace

ScreenForm::ScreenForm(const ScreenServices& services, std::string name, int designWidth,
                       int designHeight, int timerIntervalMs)
    : tk::Form(services.app, name, FullScreenSpec(name, designWidth, designHeight)),
      Image1(Add<tk::Image>("Image1")),
      Timer1(services.app, name + ".Timer1", timerIntervalMs, false),
      services(services) {
    // Until the first tick places it, Image1 covers the design client area.
    Image1.SetBounds(0, 0, designWidth, designHeight);
    Timer1.onTimer = [this] { Timer1Timer(); };
    Image1.onClick = [this] { Image1Click(); };
    Image1.onMouseMove = [this](int x, int y) { Image1MouseMove(x, y); };
}

void ScreenForm::Timer1Timer() {
    BeforeFrame();
    const int w = W(), h = H();
    Image1.SetBounds(0, 0, w, h);
    const tk::LentFrame lent =
        LendFrame(std::clamp(w, 0, kFrameWidth), std::clamp(h, 0, kFrameHeight));
    frame_ = lent.pixels;
    tk::Canvas canvas(frame_, &recorder_.Begin(frame_, lent.holdsLastFrame));
    canvas.SetPenColor(0);
    Game().random.Reseed(App().GetHost().MsOfDayUtc());
    // The black fill: one line per row, 0 .. H inclusive, as wide as the client area.
    canvas.Fill(0);
    try {
        DrawContent(canvas);
    } catch (const std::exception& e) {
        App().ReportError(e.what());
    }
    PaintControls(canvas);
    recorder_.Finish();
    PresentLent();
}

}  // namespace vm
