// bmp_fuzz.cpp -- libFuzzer target for bitmap pictures: the decoder and the start-up check agree,
// and any bytes either give a whole picture or raise tk::Error.
#include <cstdint>
#include <optional>

#include "fuzz_support.h"
#include "toolkit/error.h"
#include "toolkit/raster/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile file("vellmoor-bmp");

    std::optional<tk::Bitmap> decoded;
    try {
        decoded = tk::DecodeBmp(data, size, "fuzz.bmp");
    } catch (const tk::Error&) {
    }
    if (decoded) {
        const tk::Bitmap& b = *decoded;
        fuzz::Check(b.width > 0 && b.height > 0, "decoded an empty bitmap");
        fuzz::Check(b.pixels.size() == std::size_t(b.width) * std::size_t(b.height),
                    "pixel count does not match the size");
        for (tk::Color c : b.pixels)
            fuzz::Check((c >> 24) == 0, "pixel with bits above RGB");
    }

    const std::string& path = file.Write(data, size);
    try {
        tk::Picture picture(path, tk::PictureFormat::Bitmap, true);
        fuzz::Check(decoded.has_value(), "start-up check passed a bitmap the decoder refuses");
        fuzz::Check(picture.Width() == decoded->width && picture.Height() == decoded->height,
                    "start-up check and decoder disagree on the size");
        fuzz::Check(picture.KeyColor() == decoded->At(0, decoded->height - 1),
                    "key colour is not the bottom-left pixel");
        fuzz::Check(picture.Pixels().pixels == decoded->pixels, "picture pixels differ");
    } catch (const tk::Error&) {
        fuzz::Check(!decoded.has_value(), "start-up check refused a bitmap the decoder takes");
    }
    // A bitmap is never taken for a JPEG.
    try {
        tk::Picture wrong(path, tk::PictureFormat::Jpeg, false);
        fuzz::Check(!decoded.has_value(), "a bitmap passed as a JPEG");
    } catch (const tk::Error&) {
    }
    return 0;
}
