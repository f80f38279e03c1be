// font.cpp -- FreeType loading of the UI face and the per-size glyph cache.
#include "toolkit/raster/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "toolkit/error.h"

namespace tk {
namespace {

std::string FindFace(const char* file) {
    if (std::ifstream(file).good()) return file;
    std::string system = std::string("/usr/share/fonts/truetype/dejavu/") + file;
    if (std::ifstream(system).good()) return system;
    throw Error(std::string("Cannot load font ") + file +
                ": not in the working directory nor in /usr/share/fonts/truetype/dejavu");
}

struct FaceLibrary {
    FT_Library library = nullptr;
    FaceLibrary() {
        if (FT_Init_FreeType(&library)) throw Error("Cannot start the font renderer");
    }
    ~FaceLibrary() { FT_Done_FreeType(library); }
};

std::unique_ptr<GlyphSet> BuildSet(int points, bool bold) {
    static FaceLibrary lib;
    const char* file = bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf";
    std::string path = FindFace(file);
    FT_Face face;
    if (FT_New_Face(lib.library, path.c_str(), 0, &face))
        throw Error("Cannot load font " + path + ": not a usable font file");
    auto set = std::make_unique<GlyphSet>();
    set->pixelSize = PixelSizeForPoints(points);
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(set->pixelSize));
    set->ascender = int((face->size->metrics.ascender + 63) >> 6);
    set->descender = int((-face->size->metrics.descender + 63) >> 6);
    for (int c = 0; c < 256; ++c) {
        Glyph& g = set->glyphs[c];
        // Latin-1 code points are the first 256 of Unicode.
        if (FT_Load_Char(face, FT_ULong(c), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL)) continue;
        FT_GlyphSlot slot = face->glyph;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = int(slot->bitmap.width);
        g.rows = int(slot->bitmap.rows);
        g.advance = int((slot->advance.x + 32) >> 6);
        g.coverage.resize(std::size_t(g.width) * g.rows);
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x)
                g.coverage[std::size_t(y) * g.width + x] =
                    slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    }
    FT_Done_Face(face);
    return set;
}

}  // namespace

int PixelSizeForPoints(int points) {
    if (points < 1) points = 1;
    if (points > 500) points = 500;  // keeps a runaway size from rendering giant glyph sets
    return int(std::lround(points * 96.0 / 72.0));
}

const GlyphSet& GlyphsFor(int points, bool bold) {
    static std::map<std::pair<int, bool>, std::unique_ptr<GlyphSet>> cache;
    int px = PixelSizeForPoints(points);
    auto& slot = cache[{px, bold}];
    if (!slot) slot = BuildSet(points, bold);
    return *slot;
}

int TextWidth(const GlyphSet& set, std::string_view text) {
    int w = 0;
    for (unsigned char c : text)
        w += set.glyphs[c].advance;
    return w;
}

}  // namespace tk
