// display_scale.cpp -- the factor for large displays, the mouse mapping and the enlarging copy.
#include "toolkit/host/display_scale.h"

#include <algorithm>
#include <cstring>

namespace tk {
namespace {

int CeilDiv(int a, int b) {
    return a / b + (a % b != 0 ? 1 : 0);
}

}  // namespace

DisplayScale ChooseDisplayScale(int displayWidth, int displayHeight) {
    DisplayScale scale;
    if (displayWidth > 0 && displayHeight > 0) {
        scale.factor = std::max(
            {1, CeilDiv(displayWidth, kMaxFrameWidth), CeilDiv(displayHeight, kMaxFrameHeight)});
    }
    scale.logicalWidth = LogicalLength(displayWidth, scale.factor);
    scale.logicalHeight = LogicalLength(displayHeight, scale.factor);
    return scale;
}

int LogicalLength(int physical, int factor) {
    if (physical <= 0) return 0;
    return factor <= 1 ? physical : CeilDiv(physical, factor);
}

int ToLogical(int physical, int factor) {
    if (factor <= 1) return physical;
    int q = physical / factor;
    return (physical % factor < 0) ? q - 1 : q;
}

void EnlargeInto(const Bitmap& frame, int factor, std::uint32_t* buffer, int width, int height,
                 int pitch, std::uint32_t fill) {
    if (width <= 0 || height <= 0) return;
    factor = std::max(1, factor);
    // How much of the buffer the enlarged frame reaches, in display pixels.
    const int coveredWidth = int(std::min<long long>(width, (long long)frame.width * factor));
    const int coveredHeight = int(std::min<long long>(height, (long long)frame.height * factor));
    const std::uint32_t black = fill;
    int y = 0;
    for (int sy = 0; y < coveredHeight; ++sy) {
        // Build one display row from the frame row, then repeat it for the rest of the block.
        std::uint32_t* row = buffer + std::size_t(y) * pitch;
        const Color* src = frame.pixels.data() + std::size_t(sy) * frame.width;
        int x = 0;
        for (int sx = 0; x < coveredWidth; ++sx) {
            const std::uint32_t pixel = src[sx] | fill;
            const int end = std::min(coveredWidth, x + factor);
            for (; x < end; ++x)
                row[x] = pixel;
        }
        std::fill(row + coveredWidth, row + width, black);
        const int blockEnd = std::min(coveredHeight, y + factor);
        for (++y; y < blockEnd; ++y)
            std::memcpy(buffer + std::size_t(y) * pitch, row, std::size_t(width) * 4);
    }
    for (; y < height; ++y) {
        std::uint32_t* row = buffer + std::size_t(y) * pitch;
        std::fill(row, row + width, black);
    }
}

}  // namespace tk
