// story_form.h -- the story screen Form11: the scrolling tale; a click goes to the level screen.
#pragma once

#include "app/screen_form.h"

namespace vm {

class TForm11 : public ScreenForm {
  public:
    explicit TForm11(tk::Application& app);
    void Image1Click() override;

  protected:
    void DrawContent(tk::Canvas& canvas) override;
};

}  // namespace vm
