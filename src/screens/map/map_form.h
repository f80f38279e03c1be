// map_form.h -- the map screen Form4: the card duel, its scene, hand, heads-up display and input.
#pragma once

#include <memory>

#include "screens/map/card_tooltip.h"
#include "screens/map/map_view.h"
#include "screens/shell/screen_form.h"
#include "toolkit/ui/button.h"

namespace vm {

class TForm4 : public ScreenForm {
  public:
    explicit TForm4(const ScreenServices& services);
    ~TForm4() override;

    tk::Button& Button1;  // "?"
    tk::Button& Button2;  // "X"

    void Image1Click() override;
    void Image1MouseMove(int x, int y) override;
    void Button1Click();
    void Button2Click();

    // The card descriptions as the tooltip has read them.
    const CardDescriptions& Descriptions() const { return descriptions_; }

  protected:
    // The steps before the frame: JustSaved, the change display's snapshot, StartTick.
    void BeforeFrame() override;
    // Every step of the tick from the moon to the buttons, the rules in their places.
    void DrawContent(tk::Canvas& canvas) override;

  private:
    class TickSteps;
    // The hand-over to the result screen, in the tick in which the end test finds the battle over.
    void HandOverToResult();

    MapPictures pictures_;
    CardDescriptions descriptions_;
};

}  // namespace vm
