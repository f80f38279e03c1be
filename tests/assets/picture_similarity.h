// picture_similarity.h -- how alike two pictures look at a glance: each as a coarse grid of
// luminance with zero mean and unit length, so that the same shapes match even when tinted.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "toolkit/raster/bitmap.h"

namespace vm::testing {

inline double Luma(tk::Color c) {
    return 0.299 * tk::RedOf(c) + 0.587 * tk::GreenOf(c) + 0.114 * tk::BlueOf(c);
}

// The window (left, top, width, height) of the picture in cells of cell x cell pixels.
inline std::vector<double> GlanceSignature(const tk::Bitmap& pixels, int left, int top, int width,
                                           int height, int cell) {
    const int gw = width / cell, gh = height / cell;
    std::vector<double> grid(std::size_t(gw) * std::size_t(gh), 0.0);
    for (int y = 0; y < gh * cell; ++y)
        for (int x = 0; x < gw * cell; ++x) {
            grid[std::size_t(y / cell) * std::size_t(gw) + std::size_t(x / cell)] +=
                Luma(pixels.At(left + x, top + y));
        }
    double mean = 0, norm = 0;
    for (double v : grid)
        mean += v;
    mean /= double(grid.size());
    for (double& v : grid) {
        v -= mean;
        norm += v * v;
    }
    norm = std::sqrt(norm);
    for (double& v : grid)
        v = norm > 0 ? v / norm : 0;
    return grid;
}

// 1 for the same picture, near 0 for unrelated ones.
inline double Likeness(const std::vector<double>& a, const std::vector<double>& b) {
    double dot = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        dot += a[i] * b[i];
    return dot;
}

}  // namespace vm::testing
