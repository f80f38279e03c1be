// font.cpp -- FreeType loading of the UI face and the per-size glyph cache.
#include "toolkit/raster/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <sys/stat.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "toolkit/error.h"
#include "toolkit/files/regular_file.h"

namespace tk {
namespace {

// Far above any face file (DejaVu Sans is under a megabyte).
constexpr std::size_t kMaxFontFileBytes = std::size_t(64) << 20;
// No letter of a sound face is more than three ems on a side; a broken face's can be anything.
int MostGlyphSide(int pixelSize) {
    return 3 * pixelSize + 8;
}

// The face in the working directory when anything stands at its name there (so a folder or a
// pipe in its place is reported, not passed over), else the system's.
std::string FindFace(const char* file) {
    struct stat info {};
    if (::lstat(file, &info) == 0) return file;
    std::string system = std::string("/usr/share/fonts/truetype/dejavu/") + file;
    if (::stat(system.c_str(), &info) == 0) return system;
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

}  // namespace

std::unique_ptr<GlyphSet> BuildGlyphSet(const std::uint8_t* data, std::size_t size, int points,
                                        const std::string& name) {
    static FaceLibrary lib;
    FT_Face face;
    if (FT_New_Memory_Face(lib.library, data, FT_Long(size), 0, &face))
        throw Error("Cannot load font " + name + ": not a usable font file");
    auto set = std::make_unique<GlyphSet>();
    set->pixelSize = PixelSizeForPoints(points);
    if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(set->pixelSize))) {
        FT_Done_Face(face);
        throw Error("Cannot load font " + name + ": no glyphs at " +
                    std::to_string(set->pixelSize) + " pixels");
    }
    set->ascender = int((face->size->metrics.ascender + 63) >> 6);
    set->descender = int((-face->size->metrics.descender + 63) >> 6);
    const int most = MostGlyphSide(set->pixelSize);
    for (int c = 0; c < 256; ++c) {
        Glyph& g = set->glyphs[c];
        // Latin-1 code points are the first 256 of Unicode.
        if (FT_Load_Char(face, FT_ULong(c), FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL)) continue;
        FT_GlyphSlot slot = face->glyph;
        g.advance = int((slot->advance.x + 32) >> 6);
        // A broken face can make a letter as large as it likes, and drawing it would take
        // gigabytes and minutes: its outline is measured before it is drawn.
        if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            FT_BBox box;
            FT_Outline_Get_CBox(&slot->outline, &box);
            const double w = (double(box.xMax) - double(box.xMin)) / 64 + 2;
            const double h = (double(box.yMax) - double(box.yMin)) / 64 + 2;
            if (w > most || h > most) continue;
        }
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL)) continue;
        // Only 8-bit coverage is copied; a glyph of any other kind, or one larger than any
        // letter could be, is left blank rather than read past its rows.
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < int(bitmap.width) ||
            bitmap.width > unsigned(most) || bitmap.rows > unsigned(most))
            continue;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = int(slot->bitmap.width);
        g.rows = int(slot->bitmap.rows);
        g.coverage.resize(std::size_t(g.width) * g.rows);
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x)
                g.coverage[std::size_t(y) * g.width + x] =
                    slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    }
    FT_Done_Face(face);
    return set;
}

namespace {

std::unique_ptr<GlyphSet> BuildSet(int points, bool bold) {
    const char* file = bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf";
    const std::string path = FindFace(file);
    // Read whole without blocking: a pipe in the face's place must not hang start-up.
    const FileContents contents = ReadRegularFile(path, kMaxFontFileBytes);
    if (contents.status != FileStatus::Read)
        throw Error("Cannot load font " + path + ": " + WhyNotRead(contents, kMaxFontFileBytes));
    return BuildGlyphSet(reinterpret_cast<const std::uint8_t*>(contents.bytes.data()),
                         contents.bytes.size(), points, path);
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
