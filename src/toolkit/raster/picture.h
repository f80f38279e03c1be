// picture.h -- a picture of the game's libraries: a BMP or JPEG file, decoded on first need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "toolkit/raster/bitmap.h"

namespace tk {

enum class PictureFormat { Jpeg, Bitmap };

// What the start-up check reads from a file header without decoding a JPEG.
struct PictureProbe {
    PictureFormat format = PictureFormat::Bitmap;
    int width = 0;
    int height = 0;
    Color bottomLeft = 0;  // only for bitmaps: the key colour of a transparent one
};

// How far the probe reads a JPEG: its header only, or all of its compressed rows as well
// (decoded at an eighth of the size and thrown away), so that a file cut or broken inside its
// rows is refused before the game starts instead of failing every tick that draws it.
enum class ProbeDepth { Header, AllData };

// Reads the header (for a BMP also the bottom-left pixel; a BMP's rows are always checked to
// be all there). Throws tk::Error naming the file.
PictureProbe ProbePicture(const std::string& path, ProbeDepth depth = ProbeDepth::Header);

// Decoders from memory; `name` goes into the error message. Throw tk::Error, never crash.
Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size, const std::string& name);
Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& name);

// A stretch of one row's pixels other than the key colour: columns begin .. end - 1.
struct OpaqueRun {
    std::int32_t begin = 0;
    std::int32_t end = 0;
};

class Picture {
  public:
    // Probes the file at once (so a missing file or a wrong format fails here); a bitmap is
    // decoded now, a JPEG the first time its pixels are needed.
    Picture(std::string path, PictureFormat format, bool transparent);

    const std::string& Path() const { return path_; }
    PictureFormat Format() const { return format_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Only transparent bitmaps leave out their key colour; a JPEG is always opaque.
    bool Transparent() const { return transparent_ && format_ == PictureFormat::Bitmap; }
    Color KeyColor() const { return key_; }

    // The decoded pixels, decoded once and kept. Throws tk::Error for a broken file.
    const Bitmap& Pixels() const;
    // A transparent bitmap's opaque runs in row y (0 <= y < Height()), left to right, found once
    // when it was decoded, so drawing it copies runs instead of testing every pixel. Empty for
    // opaque pictures.
    std::span<const OpaqueRun> RunsOf(int y) const {
        return {runs_.data() + rowRuns_[std::size_t(y)],
                runs_.data() + rowRuns_[std::size_t(y) + 1]};
    }
    // Those of row y's runs that reach into columns [from, to): a piece of a wide picture
    // (the clouds' panorama) looks at its own few runs, not the whole row's.
    std::span<const OpaqueRun> RunsOf(int y, long long from, long long to) const;

    // Every pixel of `area` (inside the picture) is drawn: the picture is opaque, or each of
    // the area's rows lies within one of its runs.
    bool Opaque(Box area) const;

    // The longest stretch of solid rows, [first, last) (all rows for an opaque picture).
    int SolidFirst() const { return Transparent() ? solidFirst_ : 0; }
    int SolidLast() const { return Transparent() ? solidLast_ : height_; }

  private:
    void FindOpaqueRuns() const;

    std::string path_;
    PictureFormat format_;
    bool transparent_;
    int width_ = 0, height_ = 0;
    Color key_ = 0;
    mutable bool decoded_ = false;
    mutable Bitmap pixels_;
    mutable std::vector<OpaqueRun> runs_;
    mutable std::vector<std::uint32_t> rowRuns_;  // row y's runs are [rowRuns_[y], rowRuns_[y + 1])
    mutable int solidFirst_ = 0, solidLast_ = 0;
};

}  // namespace tk
