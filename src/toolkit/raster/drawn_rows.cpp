// drawn_rows.cpp -- the spans of a frame's rows that were drawn on.
#include "toolkit/raster/drawn_rows.h"

#include <algorithm>

namespace tk {

void DrawnRows::Reset(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (rows_.size() < std::size_t(height_)) rows_.resize(std::size_t(height_));
    for (int y = 0; y < height_; ++y)
        rows_[std::size_t(y)].count = 0;
}

void DrawnRows::Mark(long long x0, long long y0, long long x1, long long y1) {
    x0 = std::max<long long>(x0, 0);
    y0 = std::max<long long>(y0, 0);
    x1 = std::min<long long>(x1, width_);
    y1 = std::min<long long>(y1, height_);
    if (x0 >= x1 || y0 >= y1) return;
    for (long long y = y0; y < y1; ++y)
        Add(rows_[std::size_t(y)], std::int32_t(x0), std::int32_t(x1));
}

// Keeps the row's spans sorted and apart: the new one swallows every span it overlaps or
// touches, and when there are then too many, the two closest become one.
void DrawnRows::Add(Row& row, std::int32_t begin, std::int32_t end) {
    std::array<Span, kSpansPerRow + 1> out;
    int n = 0;
    bool placed = false;
    for (int i = 0; i < row.count; ++i) {
        const Span s = row.spans[std::size_t(i)];
        if (s.end < begin) {
            out[std::size_t(n++)] = s;
        } else if (s.begin > end) {
            if (!placed) out[std::size_t(n++)] = {begin, end};
            placed = true;
            out[std::size_t(n++)] = s;
        } else {
            begin = std::min(begin, s.begin);
            end = std::max(end, s.end);
        }
    }
    if (!placed) out[std::size_t(n++)] = {begin, end};
    if (n > kSpansPerRow) {
        int closest = 0;
        for (int i = 1; i + 1 < n; ++i) {
            if (out[std::size_t(i + 1)].begin - out[std::size_t(i)].end <
                out[std::size_t(closest + 1)].begin - out[std::size_t(closest)].end)
                closest = i;
        }
        out[std::size_t(closest)].end = out[std::size_t(closest + 1)].end;
        std::copy(out.begin() + closest + 2, out.begin() + n, out.begin() + closest + 1);
        --n;
    }
    std::copy(out.begin(), out.begin() + n, row.spans.begin());
    row.count = n;
}

void DrawnRows::Fill(const PixelView& view, Color c, long long l, long long t, long long r,
                     long long b) const {
    const int height = std::min(height_, view.height);
    for (int y = 0; y < height; ++y) {
        const Row& row = rows_[std::size_t(y)];
        Color* pixels = view.Row(y);
        const bool spared = y >= t && y < b && l < r;
        for (int i = 0; i < row.count; ++i) {
            const long long begin = row.spans[std::size_t(i)].begin;
            const long long end = std::min<long long>(row.spans[std::size_t(i)].end, view.width);
            if (!spared) {
                if (begin < end) std::fill(pixels + begin, pixels + end, c);
                continue;
            }
            const long long leftEnd = std::min(end, l), rightBegin = std::max(begin, r);
            if (begin < leftEnd) std::fill(pixels + begin, pixels + leftEnd, c);
            if (rightBegin < end) std::fill(pixels + rightBegin, pixels + end, c);
        }
    }
}

}  // namespace tk
