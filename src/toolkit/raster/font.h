// font.h -- DejaVu Sans glyphs from FreeType, rendered once per size as 8-bit coverage.
//
// Sizes are points at 96 DPI: pixel size = round(points * 96 / 72), so 8 pt is 11 px. The face
// is "DejaVuSans.ttf" (bold: "DejaVuSans-Bold.ttf") in the working directory, else in
// /usr/share/fonts/truetype/dejavu/. A missing face raises tk::Error naming the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct Glyph {
    int left = 0, top = 0;  // bitmap offset from the pen on the baseline (top is upward)
    int width = 0, rows = 0;
    int advance = 0;                     // whole pixels
    std::vector<std::uint8_t> coverage;  // rows * width
};

// All 256 Latin-1 glyphs of one face at one size, with the line metrics.
struct GlyphSet {
    int pixelSize = 0;
    int ascender = 0;   // pixels above the baseline
    int descender = 0;  // pixels below the baseline (positive)
    int CellHeight() const { return ascender + descender; }
    Glyph glyphs[256];
};

int PixelSizeForPoints(int points);

// The set of a face file held in memory, at a size; `name` labels the message of
// tk::Error("Cannot load font <name>: ...") for bytes that are no usable face.
std::unique_ptr<GlyphSet> BuildGlyphSet(const std::uint8_t* data, std::size_t size, int points,
                                        const std::string& name);

// The cached set for a size; built on first use and kept for the program's life. The face file
// is read without blocking; a folder, a pipe or a device at its name raises tk::Error naming it.
const GlyphSet& GlyphsFor(int points, bool bold);

// Width of a Latin-1 text in pixels (sum of advances).
int TextWidth(const GlyphSet& set, std::string_view text);

}  // namespace tk
