// canvas_test.cpp -- pixel-exact checks of lines, plots, ellipses, rectangles and clipping.
#include <gtest/gtest.h>

#include "toolkit/raster/canvas.h"

namespace {

constexpr tk::Color kInk = 0xFFFFFF;

int CountInk(const tk::Bitmap& b) {
    int n = 0;
    for (tk::Color c : b.pixels)
        n += c == kInk;
    return n;
}

TEST(CanvasLine, LeavesOutEndPointAndPlotSetsOnePixel) {
    tk::Bitmap b(20, 20);
    tk::Canvas c(b);
    c.SetPenColor(kInk);
    c.Line(2, 3, 7, 3);
    EXPECT_EQ(CountInk(b), 5);
    EXPECT_EQ(b.At(2, 3), kInk);
    EXPECT_EQ(b.At(6, 3), kInk);
    EXPECT_EQ(b.At(7, 3), 0u);
    c.Line(10, 10, 10, 14);  // vertical
    EXPECT_EQ(b.At(10, 13), kInk);
    EXPECT_EQ(b.At(10, 14), 0u);
    c.Line(0, 0, 4, 4);  // diagonal
    EXPECT_EQ(b.At(3, 3), kInk);
    EXPECT_EQ(b.At(4, 4), 0u);
    tk::Bitmap p(5, 5);
    tk::Canvas pc(p);
    pc.SetPenColor(kInk);
    pc.Plot(2, 1);
    EXPECT_EQ(CountInk(p), 1);
    EXPECT_EQ(p.At(2, 1), kInk);
    c.Line(5, 5, 5, 5);  // zero length draws nothing
}

TEST(CanvasLine, SamePointsAlwaysSamePixelsAndEveryStepOnce) {
    tk::Bitmap a(40, 40), b(40, 40);
    tk::Canvas ca(a), cb(b);
    ca.SetPenColor(kInk);
    cb.SetPenColor(kInk);
    ca.Line(1, 2, 30, 13);
    cb.MoveTo(1, 2);
    cb.LineTo(30, 13);
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_EQ(CountInk(a), 29);  // one pixel per column, the end column left out
    for (int x = 1; x < 30; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 40; ++y)
            inColumn += a.At(x, y) == kInk;
        EXPECT_EQ(inColumn, 1) << x;
    }
}

// A clipped line must give exactly the pixels of the same line drawn on a big bitmap.
TEST(CanvasLine, ClipsExactlyAtEveryEdgeAndFarOutside) {
    const int lines[][4] = {{-30, 5, 50, 17},
                            {5, -40, 12, 60},
                            {45, 3, -7, 28},
                            {10, 33, 13, -20},
                            {-100000, -99990, 100000, 100010},
                            {-1000000, 10, 1000000, 11},
                            {19, -1000000, 3, 1000000}};
    for (auto& l : lines) {
        tk::Bitmap big(400, 400), small(20, 20);
        tk::Canvas cb(big), cs(small);
        cb.SetPenColor(kInk);
        cs.SetPenColor(kInk);
        // Shift by 190 in the big one where the line is short enough to fit.
        bool fits = std::abs(l[0]) < 200 && std::abs(l[1]) < 200 && std::abs(l[2]) < 200 &&
                    std::abs(l[3]) < 200;
        cs.Line(l[0], l[1], l[2], l[3]);
        if (fits) {
            cb.Line(l[0] + 190, l[1] + 190, l[2] + 190, l[3] + 190);
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    ASSERT_EQ(small.At(x, y), big.At(x + 190, y + 190)) << x << "," << y;
        } else {
            EXPECT_GT(CountInk(small), 0);
        }
    }
    tk::Bitmap b(10, 10);
    tk::Canvas c(b);
    c.SetPenColor(kInk);
    c.Line(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    c.Line(-5, -5, -1, 20);  // entirely left of the bitmap
    c.Plot(INT32_MAX, 3);
    EXPECT_EQ(b.At(0, 0) == kInk || b.At(1, 1) == kInk, true);
    EXPECT_EQ(b.At(0, 5), 0u);
}

TEST(CanvasEllipse, OutlineTouchesButNeverCrossesTheExcludedEdges) {
    tk::Bitmap b(30, 30);
    tk::Canvas c(b);
    c.SetPenColor(kInk);
    c.Ellipse(5, 6, 21, 16);
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (b.At(x, y) == kInk) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_EQ(minX, 5);
    EXPECT_EQ(maxX, 20);
    EXPECT_EQ(minY, 6);
    EXPECT_EQ(maxY, 15);
    EXPECT_EQ(b.At(13, 11), 0u);  // outline only
    // Mirror symmetric.
    for (int y = 6; y < 16; ++y)
        for (int x = 5; x < 21; ++x)
            EXPECT_EQ(b.At(x, y), b.At(25 - x, y));
    tk::Bitmap far(10, 10);
    tk::Canvas cf(far);
    cf.SetPenColor(kInk);
    cf.Ellipse(-1000000, -1000000, 1000000, 1000000);  // huge: its outline is off the bitmap
    EXPECT_EQ(CountInk(far), 0);
    cf.Ellipse(3, 3, 3, 8);  // empty box
    EXPECT_EQ(CountInk(far), 0);
}

TEST(CanvasFillAndBlit, ClipAtEdges) {
    tk::Bitmap b(10, 8);
    tk::Canvas c(b);
    c.FillRect(-100000, 6, 1000000, 1000000, kInk);
    EXPECT_EQ(CountInk(b), 20);
    tk::Bitmap src(4, 4, 0x123456);
    c.Blit(-2, -3, src);
    EXPECT_EQ(b.At(1, 0), 0x123456u);
    EXPECT_EQ(b.At(2, 0), 0u);
    EXPECT_EQ(b.At(0, 1), 0u);
    c.Blit(INT32_MAX - 1, INT32_MIN, src);
}

}  // namespace
