// bevel.cpp -- edges of the classic widgets.
#include "toolkit/ui/bevel.h"

namespace tk {

void DrawBevel(Canvas& c, int l, int t, int r, int b, bool raised) {
    const Color outerTL = raised ? kHighlight : kShadow;
    const Color outerBR = raised ? kDarkShadow : kHighlight;
    const Color innerTL = raised ? kLight : kDarkShadow;
    const Color innerBR = raised ? kShadow : kLight;
    c.FillRect(l, t, r - 1, t + 1, outerTL);
    c.FillRect(l, t, l + 1, b - 1, outerTL);
    c.FillRect(l, b - 1, r, b, outerBR);
    c.FillRect(r - 1, t, r, b, outerBR);
    c.FillRect(l + 1, t + 1, r - 2, t + 2, innerTL);
    c.FillRect(l + 1, t + 1, l + 2, b - 2, innerTL);
    c.FillRect(l + 1, b - 2, r - 1, b - 1, innerBR);
    c.FillRect(r - 2, t + 1, r - 1, b - 1, innerBR);
}

void DrawFocus(Canvas& c, int l, int t, int r, int b) {
    for (int x = l; x < r; x += 2) {
        c.FillRect(x, t, x + 1, t + 1, 0);
        c.FillRect(x, b - 1, x + 1, b, 0);
    }
    for (int y = t; y < b; y += 2) {
        c.FillRect(l, y, l + 1, y + 1, 0);
        c.FillRect(r - 1, y, r, y + 1, 0);
    }
}

}  // namespace tk
