// story_form.h -- the story screen Form11: the tale scrolls up over its painting; a click goes to
// the level screen.
#pragma once

#include "app/screen_form.h"

namespace vm {

class TForm11 : public ScreenForm {
  public:
    explicit TForm11(tk::Application& app);
    void Image1Click() override;

  protected:
    // The painting, the story's displayed lines over it, then one pixel more of scroll.
    void DrawContent(tk::Canvas& canvas) override;
};

}  // namespace vm
