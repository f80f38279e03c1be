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
    std::swap(drawn_, lastDrawn_);
    drawn_.Reset(frame_.width, frame_.height);
    const bool lastStands = lent.holdsLastFrame && lastDrawn_.Width() == frame_.width &&
                            lastDrawn_.Height() == frame_.height;
    tk::Canvas canvas(frame_);
    canvas.TrackDrawing(&drawn_);
    canvas.SetPenColor(0);
    Game().random.Reseed(App().GetHost().MsOfDayUtc());
    try {
        // The black fill: one line per row, 0 .. H inclusive, as wide as the client area. Made
        // by the canvas when the content starts, around a first opaque picture (a screen's
        // painting or panorama), which would cover it anyway; in the window's pixels as the
        // last frame left them, only where that frame drew (the rest is black still).
        canvas.FillLater(0, lastStands ? &lastDrawn_ : nullptr);
        DrawContent(canvas);
    } catch (const std::exception& e) {
        App().ReportError(e.what());
    }
    canvas.Settle();
    PresentFrame(canvas);
}

}  // namespace vm
