// level_form.h -- the level screen Form6: the map of the land, the briefing, Save, Load and QUIT;
// a click starts the battle.
#pragma once

#include "app/screen_form.h"
#include "toolkit/ui/button.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm6 : public ScreenForm {
  public:
    explicit TForm6(tk::Application& app);

    tk::Button& Button1;  // "QUIT"
    tk::Button& Button2;  // "Save"
    tk::Button& Button3;  // "Load"
    tk::Memo& Memo1;      // hidden, no word wrap: the save file's lines

    void Image1Click() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();

  protected:
    void DrawContent(tk::Canvas& canvas) override;
};

}  // namespace vm
