// png_writer.h -- screenshots: a Bitmap written as an 8-bit RGB PNG file.
#pragma once

#include <string>

#include "toolkit/raster/bitmap.h"

namespace tk {

// Throws tk::Error naming the file when it cannot be written.
void WritePng(const std::string& path, const Bitmap& bitmap);

}  // namespace tk
