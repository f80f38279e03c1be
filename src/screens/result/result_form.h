// result_form.h -- the result screen Form7: victory or defeat, the achievements and the score;
// a click prepares the next battle.
#pragma once

#include <array>
#include <string>

#include "screens/shell/screen_form.h"
#include "screens/shell/tick_text_file.h"
#include "toolkit/raster/picture.h"

namespace vm {

class TForm7 : public ScreenForm {
  public:
    explicit TForm7(const ScreenServices& services);
    void Image1Click() override;
    void Image1MouseMove(int x, int y) override;

  protected:
    void DrawContent(tk::Canvas& canvas) override;

  private:
    void DrawBattlePicture(tk::Canvas& canvas, int cx, int cy);
    void DrawSlots(tk::Canvas& canvas, int cx, int cy);
    void DrawDescription(tk::Canvas& canvas, int cx, int cy);
    void DrawScore(tk::Canvas& canvas, int cx);

    const tk::Picture& victory_;
    const tk::Picture& defeat_;
    const tk::Picture& emptySlot_;
    std::array<const tk::Picture*, 30> badges_{};  // slot 0..29
    TickTextFile description_;
    std::array<char, 32> fileName_{};
    std::string shownLine_;  // reused: "  " + a description line
};

}  // namespace vm
