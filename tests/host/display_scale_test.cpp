// Large displays: the factor chosen, the client size the game sees, the mouse mapped back, and
// the enlarged frame as it reaches the window.
#include "toolkit/host/display_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tk {
namespace {

struct Case {
    int width, height;  // display
    int factor, logicalWidth, logicalHeight;
};

TEST(DisplayScale, CommonDisplays) {
    const Case cases[] = {
        {1280, 1024, 1, 1280, 1024},                               // the e2e harness's own screen
        {1920, 1080, 1, 1920, 1080}, {2000, 3000, 1, 2000, 3000},  // exactly the frame: untouched
        {2001, 1080, 2, 1001, 540},                                // one pixel too wide
        {2000, 3001, 2, 1000, 1501},  // one pixel too tall (a portrait display)
        {2560, 1440, 2, 1280, 720},  {3840, 2160, 2, 1920, 1080}, {4000, 2250, 2, 2000, 1125},
        {5120, 2880, 3, 1707, 960},  // 1707 * 3 = 5121: the last column is cut, none is black
        {7680, 4320, 4, 1920, 1080}, {1440, 6500, 3, 480, 2167},  // the height decides
    };
    for (const Case& c : cases) {
        DisplayScale s = ChooseDisplayScale(c.width, c.height);
        EXPECT_EQ(s.factor, c.factor) << c.width << "x" << c.height;
        EXPECT_EQ(s.logicalWidth, c.logicalWidth) << c.width << "x" << c.height;
        EXPECT_EQ(s.logicalHeight, c.logicalHeight) << c.width << "x" << c.height;
    }
}

TEST(DisplayScale, FactorIsTheSmallestThatFitsAndCoversTheDisplay) {
    for (int w = 200; w <= 16000; w += 97) {
        for (int h : {600, 1080, 2999, 3000, 3001, 4320, 9001}) {
            DisplayScale s = ChooseDisplayScale(w, h);
            ASSERT_GE(s.factor, 1);
            // The game's whole client area lies inside its frame ...
            ASSERT_LE(s.logicalWidth, kMaxFrameWidth) << w << "x" << h;
            ASSERT_LE(s.logicalHeight, kMaxFrameHeight) << w << "x" << h;
            // ... a smaller factor would not fit ...
            if (s.factor > 1) {
                int k = s.factor - 1;
                ASSERT_TRUE(w > k * kMaxFrameWidth || h > k * kMaxFrameHeight) << w << "x" << h;
            }
            // ... and the enlarged client area covers the display with less than one
            // client pixel to spare.
            ASSERT_GE(s.logicalWidth * s.factor, w);
            ASSERT_LT((s.logicalWidth - 1) * s.factor, w);
            ASSERT_GE(s.logicalHeight * s.factor, h);
            ASSERT_LT((s.logicalHeight - 1) * s.factor, h);
        }
    }
}

TEST(DisplayScale, NonsenseDisplaySizesGiveNoScaling) {
    for (auto [w, h] : {std::pair{0, 0}, {-5, 1080}, {2560, 0}, {-1, -1}}) {
        DisplayScale s = ChooseDisplayScale(w, h);
        EXPECT_EQ(s.factor, 1);
        EXPECT_GE(s.logicalWidth, 0);
        EXPECT_GE(s.logicalHeight, 0);
    }
}

TEST(DisplayScale, MousePositionsMapBackToTheClientPixelUnderThem) {
    for (int k = 1; k <= 4; ++k) {
        for (int logical = -3; logical < 40; ++logical) {
            for (int d = 0; d < k; ++d)
                ASSERT_EQ(ToLogical(logical * k + d, k), logical) << "k " << k;
        }
    }
    // On a 2560 x 1440 display the enemy's tower stands at W - 245 = 1035 of 1280: the
    // display pixels 2070 and 2071 are on it.
    DisplayScale s = ChooseDisplayScale(2560, 1440);
    EXPECT_EQ(ToLogical(2070, s.factor), s.logicalWidth - 245);
    EXPECT_EQ(ToLogical(2071, s.factor), s.logicalWidth - 245);
    EXPECT_EQ(ToLogical(2559, s.factor), s.logicalWidth - 1);
    EXPECT_EQ(ToLogical(1439, s.factor), s.logicalHeight - 1);
}

// A display-sized buffer with a border of sentinel pixels beyond its pitch.
struct Window {
    int width, height, pitch;
    std::vector<std::uint32_t> pixels;
    Window(int w, int h, int p) : width(w), height(h), pitch(p), pixels(std::size_t(p) * h, kPad) {}
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * pitch + x]; }
    static constexpr std::uint32_t kPad = 0x12345678;
};

Bitmap Numbered(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.At(x, y) = Rgb(10 + x, 20 + y, 99);
    return b;
}

TEST(EnlargeInto, EveryFramePixelBecomesASolidBlockAndTheRestIsBlack) {
    const Bitmap frame = Numbered(4, 3);
    Window win(15, 11, 17);  // wider and taller than the enlarged 12 x 9 frame
    EnlargeInto(frame, 3, win.pixels.data(), win.width, win.height, win.pitch);
    for (int y = 0; y < win.height; ++y) {
        for (int x = 0; x < win.width; ++x) {
            std::uint32_t want = (x < 12 && y < 9) ? frame.At(x / 3, y / 3) : 0;
            ASSERT_EQ(win.At(x, y), want) << x << "," << y;
        }
        // Bytes past the window's width in each row are not ours to write.
        ASSERT_EQ(win.At(15, y), Window::kPad);
        ASSERT_EQ(win.At(16, y), Window::kPad);
    }
}

TEST(EnlargeInto, ClippedAtTheWindowEdgesWithAlphaFilled) {
    const Bitmap frame = Numbered(5, 4);
    Window win(7, 5, 7);  // cuts the enlarged 10 x 8 frame in the middle of a block
    EnlargeInto(frame, 2, win.pixels.data(), win.width, win.height, win.pitch, 0xFF000000u);
    for (int y = 0; y < win.height; ++y)
        for (int x = 0; x < win.width; ++x)
            ASSERT_EQ(win.At(x, y), frame.At(x / 2, y / 2) | 0xFF000000u) << x << "," << y;
}

TEST(EnlargeInto, AnEmptyFrameLeavesAnOpaqueBlackWindow) {
    Window win(6, 4, 6);
    EnlargeInto(Bitmap(), 2, win.pixels.data(), win.width, win.height, win.pitch, 0xFF000000u);
    for (std::uint32_t p : win.pixels)
        ASSERT_EQ(p, 0xFF000000u);
}

}  // namespace
}  // namespace tk
