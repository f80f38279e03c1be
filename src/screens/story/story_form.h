// story_form.h -- the story screen Form11: the tale scrolls up over its painting; a click goes to
// the level screen.
#pragma once

#include "screens/shell/screen_form.h"
#include "toolkit/ui/image.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm11 : public ScreenForm {
  public:
    // The painting and the story's lines belong to the intro (its Image2 and Memo1).
    TForm11(const ScreenServices& services, const tk::Image& painting, const tk::Memo& story);
    void Image1Click() override;

  protected:
    // The painting, the story's displayed lines over it, then one pixel more of scroll.
    void DrawContent(tk::Canvas& canvas) override;

  private:
    const tk::Image& painting_;
    const tk::Memo& story_;
};

}  // namespace vm
