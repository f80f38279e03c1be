// png_writer.cpp -- PNG writing through libpng's simplified interface.
#include "toolkit/raster/png_writer.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "toolkit/error.h"

namespace tk {

void WritePng(const std::string& path, const Bitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0)
        throw Error("Cannot write picture " + path + ": empty bitmap");
    std::vector<png_byte> rgb(std::size_t(bitmap.width) * bitmap.height * 3);
    for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) {
        rgb[3 * i] = png_byte(RedOf(bitmap.pixels[i]));
        rgb[3 * i + 1] = png_byte(GreenOf(bitmap.pixels[i]));
        rgb[3 * i + 2] = png_byte(BlueOf(bitmap.pixels[i]));
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(bitmap.width);
    image.height = png_uint_32(bitmap.height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
        std::string reason = image.message;
        png_image_free(&image);
        throw Error("Cannot write picture " + path + ": " + reason);
    }
}

}  // namespace tk
