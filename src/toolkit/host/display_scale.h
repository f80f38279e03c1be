// display_scale.h -- fitting a full-screen window on a large display to the game's frame.
//
// Every screen lays itself out from its client size and draws into a frame of at most
// 2000 x 3000 pixels. On a display wider or taller than that, whatever the screens place near
// the right or bottom edge (the enemy's tower at W - 245) would fall outside the frame and
// never be seen. Such a window therefore tells the game a client size reduced by a whole
// factor, and shows each frame enlarged by that factor, every pixel a crisp k x k block.
#pragma once

#include <cstdint>

#include "toolkit/raster/bitmap.h"

namespace tk {

constexpr int kMaxFrameWidth = 2000;
constexpr int kMaxFrameHeight = 3000;

struct DisplayScale {
    int factor = 1;        // display pixels per game pixel, each way
    int logicalWidth = 0;  // the client size the game sees
    int logicalHeight = 0;
};

// The smallest whole factor k with width <= 2000 k and height <= 3000 k (1 for displays that
// already fit, and for nonsense sizes), and the logical size LogicalLength(display, k).
DisplayScale ChooseDisplayScale(int displayWidth, int displayHeight);

// A display length in game pixels, rounded up so that the enlarged frame covers the whole
// display (its last column or row may be cut short).
int LogicalLength(int physical, int factor);

// A window coordinate of the display (mouse position) in game pixels. Rounds toward minus
// infinity, so a point left of or above the window stays outside it.
int ToLogical(int physical, int factor);

// Writes `frame` enlarged by `factor` into a 32-bit 0x??RRGGBB buffer of width x height
// pixels, `pitch` pixels apart row to row, each pixel OR-ed with `fill` (0xFF000000 where the
// buffer has an alpha byte). The frame is clipped at the buffer's edges; the part of the
// buffer it does not cover becomes black.
void EnlargeInto(const Bitmap& frame, int factor, std::uint32_t* buffer, int width, int height,
                 int pitch, std::uint32_t fill = 0);

}  // namespace tk
