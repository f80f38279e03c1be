// map_layout_test.cpp -- which pointer positions select a hand slot or a switch, on wide and
// narrow windows.
#include "screens/map/map_layout.h"

#include <gtest/gtest.h>

#include "screens/map/map_input.h"
#include "screens/map/rules/resources_and_limits.h"

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
    EXPECT_EQ(TickInterval(0), 80);
    EXPECT_EQ(TickInterval(1), 40);
}

}  // namespace
}  // namespace vm
