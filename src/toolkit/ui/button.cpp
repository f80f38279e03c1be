// button.cpp -- painting a push button.
#include "toolkit/ui/button.h"

#include "toolkit/ui/bevel.h"
#include "toolkit/ui/form.h"

namespace tk {

void Button::Paint(Canvas& c) {
    const int l = left, t = top, r = left + width, b = top + height;
    const bool focused = Owner().Focused() == this;
    c.FillRect(l, t, r, b, hover_ && enabled_ ? 0xD4D0C8 : kFace);
    if (focused) {
        c.FillRect(l, t, r, b, kDarkShadow);
        DrawBevel(c, l + 1, t + 1, r - 1, b - 1, !pressed_);
        c.FillRect(l + 3, t + 3, r - 3, b - 3, hover_ && enabled_ ? 0xD4D0C8 : kFace);
    } else {
        DrawBevel(c, l, t, r, b, !pressed_);
    }
    c.SetFontSize(8);
    c.SetTextOpaque(false);
    const TextSize ext = c.TextExtent(caption);
    const int shift = pressed_ ? 1 : 0;
    const int tx = l + (width - ext.width) / 2 + shift;
    const int ty = t + (height - ext.height) / 2 + shift;
    if (enabled_) {
        c.SetFontColor(0);
        c.TextOut(tx, ty, caption);
    } else {
        c.SetFontColor(kHighlight);
        c.TextOut(tx + 1, ty + 1, caption);
        c.SetFontColor(kGreyText);
        c.TextOut(tx, ty, caption);
    }
    if (focused) DrawFocus(c, l + 4, t + 4, r - 4, b - 4);
}

}  // namespace tk
