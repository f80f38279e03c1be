// level_form.h -- the level screen Form6: the map of the land, the briefing, Save, Load and QUIT;
// a click starts the battle.
#pragma once

#include <array>

#include "screens/level/briefing_box.h"
#include "screens/shell/screen_form.h"
#include "toolkit/raster/picture.h"
#include "toolkit/ui/button.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm6 : public ScreenForm {
  public:
    // The briefing is wrapped in the picture library's scratch box (Form5's Memo1).
    TForm6(const ScreenServices& services, tk::Memo& briefingBox);

    tk::Button& Button1;  // "QUIT"
    tk::Button& Button2;  // "Save"
    tk::Button& Button3;  // "Load"
    tk::Memo& Memo1;      // hidden, no word wrap: the save file's lines

    // The map's top-left corner in the window.
    int MapX() const { return W() / 2 - 512; }
    int MapY() const { return H() / 2 - 346; }

    void Image1Click() override;
    void Image1MouseMove(int x, int y) override;
    void Button1Click();
    // Save: writes the campaign to zcxa1.txt (replacing it whole or not at all), then the boom
    // and JustSaved = 1. A failed save raises GameError and changes nothing.
    void Button2Click();
    // Load: reads and checks the whole of zcxa1.txt, then takes Level, Flask and the
    // achievements. A bad or missing file raises GameError and changes no game state.
    void Button3Click();

  protected:
    // The buttons are placed and enabled before the frame.
    void BeforeFrame() override;
    void DrawContent(tk::Canvas& canvas) override;

  private:
    void DrawSkulls(tk::Canvas& canvas, int mapX, int mapY);
    void DrawFireBurst(tk::Canvas& canvas, int mapX, int mapY);
    void DrawHoveredPlace(tk::Canvas& canvas, int mapX, int mapY);

    const tk::Picture& map_;
    const tk::Picture& skull_;
    const tk::Picture& frame_;
    std::array<const tk::Picture*, 10> burst_{};   // frames 1..10 at 0..9
    std::array<const tk::Picture*, 11> places_{};  // place 1..11 at 0..10
    BriefingBox briefing_;
    tk::Memo& briefingBox_;
};

}  // namespace vm
