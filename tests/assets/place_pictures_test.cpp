// place_pictures_test.cpp -- the eleven place pictures of the level screen are eleven scenes,
// not one layout repainted.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assets/asset_library.h"
#include "picture_similarity.h"

namespace {

constexpr int kFirstPlaceImage = 16, kPlaces = 11;
constexpr int kCell = 10;  // a 30 x 30 grid: the picture as a glance takes it in

// Places whose pictures correlate above this share a layout. Checked on the earlier pictures,
// four templates of sky, hills and props cycled by number: six of their pairs scored 0.80 to
// 0.92. The eleven scenes stay under 0.70.
constexpr double kSameLayout = 0.80;

TEST(PlacePictures, NoTwoPlacesShareALayout) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    std::vector<std::vector<double>> signatures;
    for (int k = 0; k < kPlaces; ++k) {
        const tk::Bitmap& p =
            library.Get("Form6.Image" + std::to_string(kFirstPlaceImage + k)).Pixels();
        signatures.push_back(vm::testing::GlanceSignature(p, 0, 0, p.width, p.height, kCell));
    }
    for (int a = 0; a < kPlaces; ++a)
        for (int b = a + 1; b < kPlaces; ++b) {
            EXPECT_LT(vm::testing::Likeness(signatures[a], signatures[b]), kSameLayout)
                << "places " << a + 1 << " and " << b + 1;
        }
}

}  // namespace
