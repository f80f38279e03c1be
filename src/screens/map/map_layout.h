// map_layout.h -- where the hand, the switches and the corner areas of the map screen lie.
#pragma once

namespace vm {

// An x position given from the left edge, or from the right edge W of the window.
struct ScreenX {
    int offset;
    bool fromRight;
    constexpr int At(int w) const { return fromRight ? w + offset : offset; }
};

inline constexpr int kHandSlotCount = 5;
inline constexpr int kHandSlotWidth = 160;
// Pointer rows at or below this one select no card, though the pictures reach down to 279.
inline constexpr int kHandPickBottom = 270;

// The hand is centred: slot k's card starts at HandLeft + 160 k (k = 1..5). Integer division
// truncates toward zero, as the game's layout expects on any window width.
constexpr int HandLeft(int w) {
    return w / 2 - 560;
}
constexpr int SlotLeft(int w, int slot) {
    return HandLeft(w) + kHandSlotWidth * slot;
}

// Strict bounds: the border column between two slots belongs to neither.
constexpr bool InHandSlot(int w, int slot, int x, int y) {
    return SlotLeft(w, slot) < x && x < SlotLeft(w, slot + 1) && y < kHandPickBottom;
}
// The slot 1..5 under (x, y), or 0.
constexpr int HandSlotAt(int w, int x, int y) {
    for (int k = 1; k <= kHandSlotCount; ++k) {
        if (InHandSlot(w, k, x, y)) return k;
    }
    return 0;
}

constexpr bool InSoundSwitch(int x, int y) {
    return x < 50 && y < 50;
}
constexpr bool InSpeedSwitch(int x, int y) {
    return 50 < x && x < 100 && y < 50;
}
// The flask in the left margin: a click here pours it, a hover shows its level.
constexpr bool InFlaskArea(int x, int y) {
    return x < 64 && y > 100 && y < 200;
}

}  // namespace vm
