// frame_compare.h -- how many pixels of a screen's last frame differ from the frame expected.
#pragma once

#include <cstddef>

#include "toolkit/raster/bitmap.h"

namespace vm::testing {

// A frame of another size differs everywhere.
inline int Differences(const tk::Bitmap& got, const tk::Bitmap& want) {
    if (got.width != want.width || got.height != want.height) return int(got.pixels.size()) + 1;
    int n = 0;
    for (std::size_t i = 0; i < got.pixels.size(); ++i)
        n += got.pixels[i] != want.pixels[i];
    return n;
}

}  // namespace vm::testing
