// map_form.h -- the map screen Form4: the card duel, its scene, hand, heads-up display and input.
#pragma once

#include "app/screen_form.h"
#include "toolkit/ui/button.h"

namespace vm {

class TForm4 : public ScreenForm {
  public:
    explicit TForm4(tk::Application& app);

    tk::Button& Button1;  // "?"
    tk::Button& Button2;  // "X"

    void Image1Click() override;
    void Image1MouseMove(int x, int y) override;
    void Button1Click();
    void Button2Click();

  protected:
    void BeforeFrame() override;
    void DrawContent(tk::Canvas& canvas) override;

  private:
    // The hand-over to the result screen, in the tick in which the end test finds the battle over.
    void HandOverToResult();
};

}  // namespace vm
