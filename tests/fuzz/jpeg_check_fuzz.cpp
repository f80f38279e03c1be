// jpeg_check_fuzz.cpp -- libFuzzer target for the start-up check of a JPEG, which reads every
// compressed row: what it passes draws later without an error, at the size it found, and what
// draws passes it. Anything refused is refused naming the file.
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "toolkit/error.h"
#include "toolkit/raster/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile file("vellmoor-jpeg-check");
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8) return 0;
    const std::string& path = file.Write(data, size);

    std::optional<tk::PictureProbe> checked;
    try {
        checked = tk::ProbePicture(path, tk::ProbeDepth::AllData);
    } catch (const tk::Error& e) {
        fuzz::Check(std::string(e.what()).rfind("Cannot load picture " + path + ": ", 0) == 0,
                    "a refused JPEG is not named");
    }
    std::optional<tk::Bitmap> drawn;
    try {
        drawn = tk::DecodeJpeg(data, size, "fuzz.jpg");
    } catch (const tk::Error&) {
    }
    if (checked) {
        fuzz::Check(checked->format == tk::PictureFormat::Jpeg, "a JPEG probed as a bitmap");
        fuzz::Check(drawn.has_value(), "the start-up check passed a JPEG that cannot be drawn");
        fuzz::Check(drawn->width == checked->width && drawn->height == checked->height,
                    "the start-up check and the drawing disagree on the size");
    }
    fuzz::Check(!drawn || checked, "the start-up check refused a JPEG that draws");
    return 0;
}
