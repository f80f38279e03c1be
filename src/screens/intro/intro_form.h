// intro_form.h -- the intro screen Form2: the rising tower in the storm; a click goes to the story.
#pragma once

#include "app/screen_form.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm2 : public ScreenForm {
  public:
    explicit TForm2(tk::Application& app);

    tk::Memo& Memo1;  // hidden, 393 x 497, word wrap: the story text the story screen reads

    void Image1Click() override;

  protected:
    void DrawContent(tk::Canvas& canvas) override;
};

}  // namespace vm
