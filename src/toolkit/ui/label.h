// label.h -- a line of static text.
#pragma once

#include <string>

#include "toolkit/ui/component.h"

namespace tk {

class Label : public Component {
  public:
    using Component::Component;
    std::string caption;
    int fontSize = 8;
    Color color = 0;
    bool bold = false;

    void Paint(Canvas& canvas) override {
        canvas.SetFontSize(fontSize);
        canvas.SetFontBold(bold);
        canvas.SetFontColor(color);
        canvas.SetTextOpaque(false);
        canvas.TextOut(left, top, caption);
        canvas.SetFontBold(false);
    }
    bool Solid() const override { return false; }
};

}  // namespace tk
