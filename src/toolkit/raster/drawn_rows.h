// drawn_rows.h -- where a frame was drawn, row by row, so that the next frame drawn in the same
// pixels needs to clear only there: everywhere else the fill before it still stands.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "toolkit/raster/bitmap.h"

namespace tk {

class DrawnRows {
  public:
    // Each row keeps this many spans; one more merges the two lying closest together, so a
    // span may take in pixels that were not drawn (a fill there only repeats itself).
    static constexpr int kSpansPerRow = 4;

    // A new frame of width x height with nothing drawn yet. Allocates only to grow.
    void Reset(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Columns [x0, x1) of rows [y0, y1) were drawn on; clipped to the frame here.
    void Mark(long long x0, long long y0, long long x1, long long y1);
    void MarkAll() { Mark(0, 0, width_, height_); }

    // Fills with c every span drawn, except inside the rectangle [l, r) x [t, b).
    void Fill(const PixelView& view, Color c, long long l, long long t, long long r,
              long long b) const;

  private:
    struct Span {
        std::int32_t begin = 0, end = 0;
    };
    struct Row {
        std::array<Span, kSpansPerRow> spans{};
        int count = 0;
    };
    static void Add(Row& row, std::int32_t begin, std::int32_t end);

    std::vector<Row> rows_;
    int width_ = 0, height_ = 0;
};

}  // namespace tk
