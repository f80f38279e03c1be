// text_test.cpp -- font metrics, text drawing and the word wrap rule of the text box.
#include <gtest/gtest.h>

#include "toolkit/raster/canvas.h"
#include "toolkit/raster/font.h"
#include "toolkit/raster/text_layout.h"

namespace {

TEST(Font, PointsArePixelsAt96DpiAndExtentGrowsWithSize) {
    EXPECT_EQ(tk::PixelSizeForPoints(8), 11);
    EXPECT_EQ(tk::PixelSizeForPoints(16), 21);
    tk::Bitmap b(10, 10);
    tk::Canvas c(b);
    c.SetFontSize(8);
    tk::TextSize small = c.TextExtent("Flask: 12/80");
    c.SetFontSize(16);
    tk::TextSize big = c.TextExtent("Flask: 12/80");
    EXPECT_GT(big.width, small.width);
    EXPECT_GT(big.height, small.height);
    EXPECT_GT(small.height, 10);
    EXPECT_EQ(c.TextExtent("").width, 0);
}

TEST(Font, TextSitsInItsCellAndOpaqueFillsIt) {
    tk::Bitmap b(200, 60, 0x000010);
    tk::Canvas c(b);
    c.SetFontSize(15);
    c.SetFontColor(0xFF0000);
    c.TextOut(10, 20, "400ft");
    tk::TextSize cell = c.TextExtent("400ft");
    int inked = 0, outside = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            if (b.At(x, y) == 0x000010u) continue;
            bool in = x >= 10 && x < 10 + cell.width && y >= 20 && y < 20 + cell.height;
            (in ? inked : outside)++;
        }
    EXPECT_GT(inked, 20);
    EXPECT_EQ(outside, 0);

    tk::Bitmap o(200, 60, 0x000010);
    tk::Canvas co(o);
    co.SetFontSize(15);
    co.SetTextOpaque(true);
    co.SetTextBackground(0);
    co.SetFontColor(0xFF0000);
    co.TextOut(-5, -3, "400ft");  // clipped at the top-left
    EXPECT_EQ(o.At(0, 0), 0u);
    EXPECT_EQ(o.At(cell.width - 5, 0), 0x000010u);
    co.TextOut(-1000000, 1000000, "far");
    co.TextOut(190, 50, "Influence");
}

TEST(WordWrap, BreaksAtSpacesSplitsLongWordsKeepsEmptyLines) {
    const int size = 8;
    int w = tk::MeasureText("the moon", size);
    auto lines = tk::WrapText("the moon rises red", size, w);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "the moon");
    for (auto& l : lines)
        EXPECT_LE(tk::MeasureText(l, size), w) << l;

    auto kept = tk::WrapText("ward\n\ntower\r\n", size, 500);
    EXPECT_EQ(kept, (std::vector<std::string>{"ward", "", "tower", ""}));

    int narrow = tk::MeasureText("abc", size);
    auto split = tk::WrapText("abcdefgh", size, narrow);
    EXPECT_EQ(split, (std::vector<std::string>{"abc", "def", "gh"}));

    auto tiny = tk::WrapText("xy", size, 0);  // never loops: at least one character a line
    EXPECT_EQ(tiny, (std::vector<std::string>{"x", "y"}));
}

TEST(WordWrap, ReusedVectorGivesTheSameLines) {
    std::vector<std::string> out;
    tk::WrapText("a long briefing for the eleventh battle", 8, 60, out);
    auto first = out;
    tk::WrapText("a long briefing for the eleventh battle", 8, 60, out);
    EXPECT_EQ(out, first);
    tk::WrapText("x", 8, 60, out);
    EXPECT_EQ(out, (std::vector<std::string>{"x"}));
}

}  // namespace
