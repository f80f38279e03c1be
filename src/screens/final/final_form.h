// final_form.h -- the final screen Form8 after the eleventh victory; a click ends the program.
#pragma once

#include "screens/shell/screen_form.h"
#include "toolkit/raster/picture.h"

namespace vm {

class TForm8 : public ScreenForm {
  public:
    explicit TForm8(const ScreenServices& services);
    void Image1Click() override;

  protected:
    void DrawContent(tk::Canvas& canvas) override;

  private:
    const tk::Picture& picture_;
};

}  // namespace vm
