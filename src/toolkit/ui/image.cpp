// image.cpp -- painting a picture component.
#include "toolkit/ui/image.h"

namespace tk {

void Image::Paint(Canvas& canvas) {
    if (!picture) return;
    canvas.Draw(left, top, *picture, width, height);  // cut at the component's size
}

}  // namespace tk
