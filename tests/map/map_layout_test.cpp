// map_layout_test.cpp -- which pointer positions select a hand slot or a switch.
#include "screens/map/map_layout.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

TEST(MapLayout, Placeholder) {
    EXPECT_EQ(HandSlotAt(1280, 321, 100), 1);
}

}  // namespace
}  // namespace vm
