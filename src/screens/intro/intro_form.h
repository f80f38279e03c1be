// intro_form.h -- the intro screen Form2: the rising tower in the storm; a click goes to the story.
#pragma once

#include "screens/intro/intro_credit.h"
#include "screens/shell/screen_form.h"
#include "toolkit/raster/picture.h"
#include "toolkit/ui/image.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm2 : public ScreenForm {
  public:
    // Also loads the story into Memo1 and wraps it at the box's width once, so the story
    // screen's ticks only read lines. A missing story file stops start-up with an error that
    // names it.
    explicit TForm2(const ScreenServices& services);

    tk::Image& Image2;  // hidden: the story painting, drawn by the story screen
    tk::Memo& Memo1;    // hidden, 393 x 497, word wrap: the story text the story screen reads

    void Image1Click() override;
    void Image1MouseMove(int x, int y) override;

  protected:
    void DrawContent(tk::Canvas& canvas) override;

  private:
    void DrawBackdrop(tk::Canvas& canvas, int width);
    void DrawLand(tk::Canvas& canvas, int height);
    void DrawCredit(tk::Canvas& canvas, int height);

    const tk::Picture& clouds_;
    const tk::Picture& logo_;
    const tk::Picture& moon_;
    const tk::Picture& bolt_;
    const tk::Picture& tower_;
    const tk::Picture& cliffs_;
    intro::CreditLine credit_;
};

}  // namespace vm
