// font_fuzz.cpp -- libFuzzer target for the face file: any bytes read from the file whole, then
// either give all 256 glyphs with their coverage inside their own rows, or raise tk::Error naming
// the file. Input: the size in points, then the file.
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "toolkit/error.h"
#include "toolkit/files/regular_file.h"
#include "toolkit/raster/font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile file("vellmoor-font");
    if (size < 1) return 0;
    const int points = 1 + data[0] % 48;
    const std::string& path = file.Write(data + 1, size - 1);

    const tk::FileContents read = tk::ReadRegularFile(path, std::size_t(64) << 20);
    fuzz::Check(read.status == tk::FileStatus::Read, "a readable face file was refused");
    fuzz::Check(read.bytes == std::string(reinterpret_cast<const char*>(data + 1), size - 1),
                "the face file read other bytes");

    std::unique_ptr<tk::GlyphSet> set;
    try {
        set = tk::BuildGlyphSet(reinterpret_cast<const std::uint8_t*>(read.bytes.data()),
                                read.bytes.size(), points, "fuzz.ttf");
    } catch (const tk::Error& e) {
        fuzz::Check(std::string(e.what()).rfind("Cannot load font fuzz.ttf: ", 0) == 0,
                    "a refused face is not named");
        return 0;
    }
    fuzz::Check(set->pixelSize == tk::PixelSizeForPoints(points), "the face is at another size");
    for (const tk::Glyph& g : set->glyphs) {
        fuzz::Check(g.width >= 0 && g.rows >= 0, "a glyph of negative size");
        fuzz::Check(g.coverage.size() == std::size_t(g.width) * std::size_t(g.rows),
                    "a glyph's coverage is not its size");
    }
    return 0;
}
