// bevel.h -- the classic raised and sunken edges that buttons and text boxes are drawn with.
#pragma once

#include "toolkit/raster/canvas.h"

namespace tk {

constexpr Color kFace = 0xC0C0C0;
constexpr Color kHighlight = 0xFFFFFF;
constexpr Color kLight = 0xDFDFDF;
constexpr Color kShadow = 0x808080;
constexpr Color kDarkShadow = 0x000000;
constexpr Color kGreyText = 0x808080;

// A two-pixel edge around [l, r) x [t, b): raised (light top-left) or sunken.
void DrawBevel(Canvas& canvas, int l, int t, int r, int b, bool raised);
// A dotted rectangle just inside [l, r) x [t, b): the keyboard focus.
void DrawFocus(Canvas& canvas, int l, int t, int r, int b);

}  // namespace tk
