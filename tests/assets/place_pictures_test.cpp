// place_pictures_test.cpp -- the eleven place pictures of the level screen are eleven scenes,
// not one layout repainted.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assets/asset_library.h"

namespace {

constexpr int kFirstPlaceImage = 16, kPlaces = 11;
constexpr int kCell = 10;  // a 30 x 30 grid: the picture as a glance takes it in

// Places whose pictures correlate above this share a layout. Checked on the earlier pictures,
// four templates of sky, hills and props cycled by number: six of their pairs scored 0.80 to
// 0.92. The eleven scenes stay under 0.70.
constexpr double kSameLayout = 0.80;

std::vector<double> Signature(const tk::Bitmap& pixels) {
    const int gw = pixels.width / kCell, gh = pixels.height / kCell;
    std::vector<double> grid(std::size_t(gw) * gh, 0.0);
    for (int y = 0; y < gh * kCell; ++y)
        for (int x = 0; x < gw * kCell; ++x) {
            const tk::Color c = pixels.At(x, y);
            grid[std::size_t(y / kCell) * gw + x / kCell] +=
                0.299 * tk::RedOf(c) + 0.587 * tk::GreenOf(c) + 0.114 * tk::BlueOf(c);
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

TEST(PlacePictures, NoTwoPlacesShareALayout) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    std::vector<std::vector<double>> signatures;
    for (int k = 0; k < kPlaces; ++k)
        signatures.push_back(
            Signature(library.Get("Form6.Image" + std::to_string(kFirstPlaceImage + k)).Pixels()));
    for (int a = 0; a < kPlaces; ++a)
        for (int b = a + 1; b < kPlaces; ++b) {
            double score = 0;
            for (std::size_t i = 0; i < signatures[a].size(); ++i)
                score += signatures[a][i] * signatures[b][i];
            EXPECT_LT(score, kSameLayout) << "places " << a + 1 << " and " << b + 1;
        }
}

}  // namespace
