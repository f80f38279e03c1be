// drawn_rows_test.cpp -- a frame drawn where the last one was needs clearing only where that one
// drew: the spans kept per row cover every pixel drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "toolkit/raster/canvas.h"
#include "toolkit/raster/drawn_rows.h"

namespace {

constexpr tk::Color kInk = 0xFFFFFF;

TEST(DrawnRows, ClearingWhereTheLastFrameDrewLeavesItAllBlack) {
    // Random strokes of every kind, more per row than the spans a row keeps; clearing only the
    // marked spans must leave no ink anywhere.
    std::mt19937 random(7);
    auto at = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 50; ++round) {
        tk::Bitmap frame(97, 61);
        tk::DrawnRows drawn;
        drawn.Reset(frame.width, frame.height);
        tk::Canvas canvas(frame);
        canvas.TrackDrawing(&drawn);
        canvas.SetPenColor(kInk);
        for (int i = 0; i < 40; ++i) {
            switch (at(0, 3)) {
                case 0:
                    canvas.Line(at(-50, 150), at(-50, 110), at(-50, 150), at(-50, 110));
                    break;
                case 1:
                    canvas.Plot(at(-5, 100), at(-5, 65));
                    break;
                case 2:
                    canvas.Ellipse(at(-20, 90), at(-20, 60), at(-20, 120), at(-20, 80));
                    break;
                default: {
                    const int x = at(-30, 100), y = at(-30, 60);
                    canvas.FillRect(x, y, x + at(0, 40), y + at(0, 40), kInk);
                }
            }
        }
        // The next frame: the fill around an opaque rectangle it covers first.
        drawn.Fill(frame.View(), 0, 10, 20, 30, 25);
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) {
                if (x >= 10 && x < 30 && y >= 20 && y < 25) continue;
                ASSERT_EQ(frame.At(x, y), 0u) << "round " << round << " at " << x << "," << y;
            }
        }
    }
}

TEST(DrawnRows, AnUnmarkedFrameFillsNothingAndAMarkedOneOnlyItsSpans) {
    tk::Bitmap frame(20, 3, kInk);
    tk::DrawnRows drawn;
    drawn.Reset(20, 3);
    drawn.Fill(frame.View(), 0, 0, 0, 0, 0);
    EXPECT_TRUE(std::all_of(frame.pixels.begin(), frame.pixels.end(),
                            [](tk::Color c) { return c == kInk; }));
    drawn.Mark(2, 1, 5, 2);
    drawn.Mark(-10, 1, 1, 2);  // clipped at the left edge
    drawn.Fill(frame.View(), 0, 0, 0, 0, 0);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(frame.At(x, 1), x < 1 || (x >= 2 && x < 5) ? 0u : kInk) << x;
    EXPECT_EQ(frame.At(3, 0), kInk);
    EXPECT_EQ(frame.At(3, 2), kInk);
}

}  // namespace
