// random.h -- the game's one random generator: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace vm {

// Every random integer of the game is one draw from this generator, in the order the rules
// make them. The state steps as state * 134775813 + 1 (mod 2^32); a draw below n is the upper
// 32 bits of the 64-bit product state * n, so 0 .. n-1. A draw below 1 still steps the state
// and gives 0.
class Random {
  public:
    // Draw a number 0 .. n-1 (0 when n < 1).
    int32_t Below(int32_t n) {
        state = state * 134775813u + 1u;
        if (n < 1) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(state) * static_cast<uint32_t>(n)) >>
                                    32);
    }
    // A number from..to inclusive: from plus one draw below to - from + 1.
    int32_t Between(int32_t from, int32_t to) { return from + Below(to - from + 1); }
    // Seed from the clock: milliseconds since midnight, universal time.
    void Reseed(uint32_t msOfDayUtc) { state = msOfDayUtc; }

    uint32_t state = 0;
};

}  // namespace vm
