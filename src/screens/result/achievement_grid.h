// achievement_grid.h -- where the thirty achievement slots stand on the result screen, and which
// one the mouse is over.
#pragma once

#include <array>
#include <cstdint>

namespace vm {

// Three columns of ten slots, 100 x 50 each, around the window's centre (cx, cy): slot s stands
// in column s / 10 and row s % 10.
struct AchievementGrid {
    static constexpr int kSlots = 30;
    static constexpr int kRows = 10;
    static constexpr int kSlotWidth = 100, kSlotHeight = 50;
    static constexpr std::array<int, 3> kColumnFromCx = {-500, -200, 100};
    static constexpr int kTopFromCy = -200;

    int cx, cy;

    int SlotX(int slot) const { return cx + kColumnFromCx[std::size_t(slot / kRows)]; }
    int SlotY(int slot) const { return cy + kTopFromCy + kSlotHeight * (slot % kRows); }

    // The slot whose inside holds the point, edges excluded on every side; -1 for none.
    int SlotAt(int32_t x, int32_t y) const {
        int column = -1;
        for (std::size_t c = 0; c < kColumnFromCx.size(); ++c) {
            const int64_t left = int64_t{cx} + kColumnFromCx[c];
            if (left < x && x < left + kSlotWidth) column = int(c);
        }
        int row = -1;
        for (int r = 0; r < kRows; ++r) {
            const int64_t top = int64_t{cy} + kTopFromCy + int64_t{kSlotHeight} * r;
            if (top < y && y < top + kSlotHeight) row = r;
        }
        return column < 0 || row < 0 ? -1 : kRows * column + row;
    }
};

}  // namespace vm
