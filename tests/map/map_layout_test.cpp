// map_layout_test.cpp -- which pointer positions select a hand slot or a switch, on wide and
// narrow windows.
#include "screens/map/map_layout.h"

#include <gtest/gtest.h>

#include "screens/map/map_input.h"
#include "screens/map/map_view.h"

namespace vm {
namespace {

TEST(MapLayout, SlotsHaveStrictBoundsBorderColumnsAndRow270SelectNothing) {
    for (int w : {1280, 1920, 971, 1001}) {
        SCOPED_TRACE(w);
        const int left = HandLeft(w);
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(HandSlotAt(w, left + 160 * k, 100), 0) << k;
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(HandSlotAt(w, left + 160 * k + 1, 100), k);
            EXPECT_EQ(HandSlotAt(w, left + 160 * k + 159, 269), k);
            EXPECT_EQ(HandSlotAt(w, left + 160 * k + 80, 270), 0);
            EXPECT_EQ(HandSlotAt(w, left + 160 * k + 80, -5), k);  // from the top edge
        }
        EXPECT_EQ(HandSlotAt(w, left + 160 * 6 + 1, 100), 0);
    }
    // Integer division truncates toward zero, also for odd and tiny widths.
    EXPECT_EQ(HandLeft(1281), 80);
    EXPECT_EQ(HandLeft(1), -560);
}

TEST(MapLayout, AreasAreApartFrom998PixelsAndOverlapSlotOneBelow) {
    auto sharesWithSlot1 = [](int w, auto inArea) {
        for (int y = 0; y < 270; ++y)
            for (int x = -10; x < 120; ++x)
                if (inArea(x, y) && InHandSlot(w, 1, x, y)) return true;
        return false;
    };
    auto speed = [](int x, int y) { return InSpeedSwitch(x, y); };
    auto sound = [](int x, int y) { return InSoundSwitch(x, y); };
    auto flask = [](int x, int y) { return InFlaskArea(x, y); };
    EXPECT_FALSE(sharesWithSlot1(998, speed));
    EXPECT_TRUE(sharesWithSlot1(997, speed));
    EXPECT_FALSE(sharesWithSlot1(926, flask));
    EXPECT_TRUE(sharesWithSlot1(925, flask));
    EXPECT_FALSE(sharesWithSlot1(898, sound));
    EXPECT_TRUE(sharesWithSlot1(897, sound));
    // The switches themselves: the column x = 50 belongs to neither.
    EXPECT_TRUE(InSoundSwitch(49, 49));
    EXPECT_FALSE(InSoundSwitch(50, 10));
    EXPECT_FALSE(InSpeedSwitch(50, 10));
    EXPECT_TRUE(InSpeedSwitch(99, 0));
    EXPECT_FALSE(InSpeedSwitch(100, 0));
    // The flask's bounds are strict too.
    EXPECT_TRUE(InFlaskArea(63, 199));
    EXPECT_FALSE(InFlaskArea(63, 200));
    EXPECT_FALSE(InFlaskArea(64, 150));
    EXPECT_EQ(TickInterval(0), 80);
    EXPECT_EQ(TickInterval(1), 40);
}

TEST(MapText, NumbersAreDecimalWithTheirSignAndIncomesKeepTheirPlusEvenWhenNegative) {
    EXPECT_EQ(NumberText(0).View(), "0");
    EXPECT_EQ(NumberText(-2, "+").View(), "+-2");
    EXPECT_EQ(NumberText(3, "+").View(), "+3");
    EXPECT_EQ(NumberText(80, "Flask: ", "/80").View(), "Flask: 80/80");
    EXPECT_EQ(NumberText(301, {}, "ft").View(), "301ft");
    EXPECT_EQ(NumberText(-2147483647 - 1, "Flask: ", "/80").View(), "Flask: -2147483648/80");
}

// The hatch of greyed and discarded cards is written row by row; it must give the pixels and the
// pen that the lines one by one give, also where it is cut by the bitmap's edges.
TEST(MapHatch, GivesThePixelsAndPenOfItsLinesAtEveryEdge) {
    struct Case {
        int width, height, firstX, top, bottom, count;
    };
    for (const Case& c :
         {Case{50, 40, 2, 0, 28, 10}, Case{50, 40, -7, -5, 60, 12}, Case{50, 40, -8, 10, 20, 3},
          Case{30, 30, 25, 5, 40, 9}, Case{30, 30, 3, 20, 20, 4}, Case{30, 30, 3, 25, 10, 4},
          Case{30, 30, 60, 0, 10, 5}, Case{30, 30, 3, 0, 10, 0}}) {
        SCOPED_TRACE(std::to_string(c.firstX) + " " + std::to_string(c.top) + ".." +
                     std::to_string(c.bottom));
        tk::Bitmap lines(c.width, c.height, 0x808080), hatch(c.width, c.height, 0x808080);
        tk::Canvas byLines(lines), byHatch(hatch);
        byLines.SetPenColor(0x00FF00);
        byHatch.SetPenColor(0x00FF00);
        if (c.count > 0) byLines.SetPenColor(0);
        for (int i = 0; i < c.count; ++i)
            byLines.Line(c.firstX + 2 * i, c.top, c.firstX + 2 * i, c.bottom);
        HatchColumns(byHatch, c.firstX, c.top, c.bottom, c.count);
        EXPECT_EQ(lines.pixels, hatch.pixels);
        // The pen is black and where the last line left it: a line from it shows that.
        byLines.LineTo(0, 0);
        byHatch.LineTo(0, 0);
        EXPECT_EQ(lines.pixels, hatch.pixels);
    }
}

}  // namespace
}  // namespace vm
