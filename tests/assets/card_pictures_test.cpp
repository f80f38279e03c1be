// card_pictures_test.cpp -- the seventy card pictures: each its own illustration, and the name
// on its scroll below the hand's cost box.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/asset_library.h"
#include "assets/picture_catalogue.h"
#include "picture_similarity.h"

namespace {

constexpr int kCards = 70;

// The part of the illustration every card shows, inside the frame.
constexpr int kWindowLeft = 14, kWindowTop = 24, kWindowWidth = 132, kWindowHeight = 172;
constexpr int kCell = 6;  // the illustration is compared at the size a glance takes in

// The cost box of the hand covers card rows 171..230; the name must stay below it.
constexpr int kScrollFirstRow = 231, kScrollLastRow = 269;

// Pairs whose illustrations correlate above this look alike at a glance. Checked on the
// earlier pictures that shared a motif outright (the same crown, mask, rose, wall, tower,
// dove, skull, swirl, foot soldier, woman): every such pair scored 0.94 or more, while the
// redrawn cards, each its own composition, stay under 0.82.
constexpr double kLookAlike = 0.88;

struct Pair {
    int a, b;
    double score;
};

TEST(CardPictures, NoTwoIllustrationsLookAlike) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    std::vector<std::vector<double>> signatures;
    for (int card = 1; card <= kCards; ++card)
        signatures.push_back(vm::testing::GlanceSignature(
            library.Get(vm::CardPictureName(card)).Pixels(), kWindowLeft, kWindowTop, kWindowWidth,
            kWindowHeight, kCell));

    std::vector<Pair> pairs;
    for (int a = 0; a < kCards; ++a)
        for (int b = a + 1; b < kCards; ++b)
            pairs.push_back({a + 1, b + 1, vm::testing::Likeness(signatures[a], signatures[b])});
    ASSERT_EQ(pairs.size(), 2415u);
    std::sort(pairs.begin(), pairs.end(),
              [](const Pair& x, const Pair& y) { return x.score > y.score; });

    std::printf("most alike card pairs:");
    for (std::size_t i = 0; i < 5; ++i)
        std::printf(" %d/%d %.3f", pairs[i].a, pairs[i].b, pairs[i].score);
    std::printf("\n");
    for (const Pair& p : pairs) {
        if (p.score < kLookAlike) break;
        ADD_FAILURE() << "cards " << p.a << " and " << p.b << " look alike (" << p.score << ")";
    }
}

// Parchment: light and warm. Ink: the dark of the letters; shade: ink's anti-aliased edges.
bool IsParchment(tk::Color c) {
    const int r = tk::RedOf(c), g = tk::GreenOf(c), b = tk::BlueOf(c);
    return r > 150 && g > 120 && r - b > 35 && r >= g;
}
bool IsInk(tk::Color c) {
    return vm::testing::Luma(c) < 60;
}
bool IsShade(tk::Color c) {
    return vm::testing::Luma(c) < 140;
}

TEST(CardPictures, NameScrollLiesBelowTheCostBox) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    for (int card = 1; card <= kCards; ++card) {
        const tk::Bitmap& pixels = library.Get(vm::CardPictureName(card)).Pixels();
        // A scroll row is parchment and lettering across the middle of the card. The scroll is
        // the lettered band of such rows nearest the card's foot; the illustration above may
        // hold warm light of its own, but the frame parts it from the scroll.
        const int left = 30, right = pixels.width - 30;
        auto scrollRow = [&](int y, int& lettering) {
            int parchment = 0, shade = 0;
            lettering = 0;
            for (int x = left; x < right; ++x) {
                parchment += IsParchment(pixels.At(x, y));
                shade += IsShade(pixels.At(x, y));
                lettering += IsInk(pixels.At(x, y));
            }
            const int span = right - left;
            return parchment * 10 >= span * 4 && (parchment + shade) * 20 >= span * 17;
        };
        int first = -1, last = -1, ink = 0;
        for (int y = pixels.height - 1; y >= pixels.height / 2 && first < 0; --y) {
            int bandInk = 0, lettered = 0, top = y, lettering = 0;
            while (top >= pixels.height / 2 && scrollRow(top, lettering)) {
                bandInk += lettering;
                lettered += lettering >= 3;
                --top;
            }
            if (lettered >= 5) {
                first = top + 1;
                last = y;
                ink = bandInk;
            }
            y = top;
        }
        ASSERT_GE(first, 0) << "card " << card << " has no scroll";
        EXPECT_GE(first, kScrollFirstRow) << "card " << card;
        EXPECT_LE(last, kScrollLastRow) << "card " << card;
        EXPECT_GT(ink, 40) << "card " << card << " has no name on its scroll";
    }
}

}  // namespace
