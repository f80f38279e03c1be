// bitmap.h -- a CPU raster of 32-bit pixels, the surface every canvas draws on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tk {

// A colour as 0x00RRGGBB; the top byte is always 0.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
    return (Color(r & 255) << 16) | (Color(g & 255) << 8) | Color(b & 255);
}
constexpr int RedOf(Color c) {
    return int((c >> 16) & 255);
}
constexpr int GreenOf(Color c) {
    return int((c >> 8) & 255);
}
constexpr int BlueOf(Color c) {
    return int(c & 255);
}

// The rectangle [l, r) x [t, b); empty when l >= r or t >= b.
struct Box {
    int l = 0, t = 0, r = 0, b = 0;
    bool Empty() const { return l >= r || t >= b; }
};

// Pixels drawn in place: a Bitmap's own, or a window's that a host lends for one frame. Row y
// starts at pixels + y * stride.
struct PixelView {
    Color* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    Color* Row(int y) const { return pixels + y * stride; }
};

// Pixels row by row from the top-left corner; pixel (x, y) is pixels[y * width + x].
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Bitmap() = default;
    Bitmap(int w, int h, Color fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}

    // Changes the size, keeping the allocation when it is large enough; contents are undefined.
    void Resize(int w, int h) {
        width = w;
        height = h;
        pixels.resize(std::size_t(w) * h);
    }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Color At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    Color& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    PixelView View() { return {pixels.data(), width, height, width}; }
};

}  // namespace tk
