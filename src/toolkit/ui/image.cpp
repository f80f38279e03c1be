// image.cpp -- painting a picture component.
#include "toolkit/ui/image.h"

namespace tk {

void Image::Paint(Canvas& canvas) {
    if (!picture) return;
    // Cut at the component's size: draw into a clip of the component's rectangle.
    const Bitmap& pixels = picture->Pixels();
    const int w = std::min(width, pixels.width);
    const int h = std::min(height, pixels.height);
    const PixelView& target = canvas.Target(left, top, (long long)left + w, (long long)top + h);
    const bool keyed = picture->Transparent();
    const Color key = picture->KeyColor();
    for (int y = 0; y < h; ++y) {
        const int ty = top + y;
        if (ty < 0 || ty >= target.height) continue;
        for (int x = 0; x < w; ++x) {
            const int tx = left + x;
            if (tx < 0 || tx >= target.width) continue;
            const Color c = pixels.At(x, y);
            if (keyed && c == key) continue;
            target.Row(ty)[tx] = c;
        }
    }
}

}  // namespace tk
