// result_form.h -- the result screen Form7: victory or defeat, the achievements and the score;
// a click prepares the next battle.
#pragma once

#include "app/screen_form.h"

namespace vm {

class TForm7 : public ScreenForm {
  public:
    explicit TForm7(tk::Application& app);
    void Image1Click() override;

  protected:
    void DrawContent(tk::Canvas& canvas) override;
};

}  // namespace vm
