// jpeg_fuzz.cpp -- libFuzzer target for JPEG pictures: header probe and full decode agree, and any
// bytes either give a whole picture or raise tk::Error.
#include <cstdint>
#include <optional>

#include "fuzz_support.h"
#include "toolkit/error.h"
#include "toolkit/raster/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile file("vellmoor-jpeg");

    std::optional<tk::Bitmap> decoded;
    try {
        decoded = tk::DecodeJpeg(data, size, "fuzz.jpg");
    } catch (const tk::Error&) {
    }
    if (decoded) {
        const tk::Bitmap& b = *decoded;
        fuzz::Check(b.width > 0 && b.height > 0, "decoded an empty picture");
        fuzz::Check(b.pixels.size() == std::size_t(b.width) * std::size_t(b.height),
                    "pixel count does not match the size");
    }

    const std::string& path = file.Write(data, size);
    std::optional<tk::Picture> picture;
    try {
        picture.emplace(path, tk::PictureFormat::Jpeg, false);
    } catch (const tk::Error&) {
        fuzz::Check(!decoded.has_value(), "start-up check refused a JPEG the decoder takes");
        return 0;
    }
    fuzz::Check(!picture->Transparent(), "a JPEG claims transparency");
    try {
        const tk::Bitmap& pixels = picture->Pixels();
        fuzz::Check(decoded.has_value(), "picture decoded a JPEG the decoder refuses");
        fuzz::Check(picture->Width() == decoded->width && picture->Height() == decoded->height,
                    "probe and decoder disagree on the size");
        fuzz::Check(pixels.pixels == decoded->pixels, "picture pixels differ");
    } catch (const tk::Error&) {
        fuzz::Check(!decoded.has_value(), "picture refused a JPEG the decoder takes");
    }
    return 0;
}
