// picture_convert_core.h -- turns a rendered RGBA picture into the shipped JPEG or key-coloured
// BMP.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vm::art {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Straight (not premultiplied) RGBA, rows top to bottom.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// Opaque RGB, rows top to bottom.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    Rgb At(int x, int y) const;
};

// A transparent bitmap: alpha >= 128 keeps the colour, anything below becomes the key, so no
// half-transparent fringe survives. An opaque pixel that happens to equal the key is nudged by
// one step in blue so it is not cut out, and the bottom-left pixel is forced to the key, since
// that pixel is what names the key colour when the game loads the picture.
RgbImage ThresholdToKey(const RgbaImage& source, Rgb key);

// An opaque picture: any transparency is laid over black (the night sky of every screen).
RgbImage FlattenOverBlack(const RgbaImage& source);

// Readers and writers; each throws std::runtime_error naming the file on failure.
RgbaImage ReadPng(const std::string& path);
void WritePng(const std::string& path, const RgbImage& image);
void WriteJpeg(const std::string& path, const RgbImage& image, int quality);
void WriteBmp24(const std::string& path, const RgbImage& image);

}  // namespace vm::art
