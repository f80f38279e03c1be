// screen_form.h -- what the six full-screen screens share: Image1, Timer1 and the frame of a tick.
#pragma once

#include <string>

#include "screens/shell/screen_services.h"
#include "toolkit/raster/bitmap.h"
#include "toolkit/raster/canvas.h"
#include "toolkit/raster/frame_recorder.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/image.h"
#include "toolkit/ui/timer.h"

namespace vm {

// A borderless window covering the display. Its Timer1 runs the frame:
//   BeforeFrame (steps a screen runs before its frame), place Image1 over the client area,
//   a cleared frame bitmap with a black pen, reseed the generator from the clock, black fill,
//   DrawContent, and in every case the copy onto the window.
// An error raised by DrawContent is reported and the frame is still shown; the timer runs on.
//
// The frame stands for a fresh 2000 x 3000 bitmap, but only the part that can reach the window
// is drawn: min(W, 2000) x min(H, 3000) pixels, lent by the host (the window's own where it
// can), so no screen keeps a frame of its own. Clipping at its edges gives the same window
// pixels as the full bitmap would. The frame is written down as it is drawn and put in the
// window's pixels only where it differs from the last one (see tk::FrameRecorder).
class ScreenForm : public tk::Form {
  public:
    static constexpr int kFrameWidth = 2000;
    static constexpr int kFrameHeight = 3000;

    ScreenForm(const ScreenServices& services, std::string name, int designWidth, int designHeight,
               int timerIntervalMs);

    tk::Image& Image1;
    tk::Timer Timer1;

    // The tick: BeforeFrame, then the frame around DrawContent.
    void Timer1Timer();

    // The pixels the screen's last frame was drawn in (lent by the host: what the window shows
    // until another frame is drawn; see tk::Host::LendFrame).
    const tk::PixelView& LastFrame() const { return frame_; }

    // Client size, read afresh at each use.
    int W() const { return ClientWidth(); }
    int H() const { return ClientHeight(); }

  protected:
    const ScreenServices& services;

    virtual void BeforeFrame() {}
    // Step 5 of the frame: the screen's content.
    virtual void DrawContent(tk::Canvas& canvas) = 0;
    // Image1's handlers; screens override the ones they use.
    virtual void Image1Click() {}
    virtual void Image1MouseMove(int x, int y) {
        (void)x;
        (void)y;
    }

  private:
    tk::PixelView frame_;
    tk::FrameRecorder recorder_;
};

}  // namespace vm
