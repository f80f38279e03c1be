// intro_layout.h -- where the pieces of the intro's night scene stand, how they move, and the
// colours of the rain, the credit line and the mouse trail.
#pragma once

#include <array>
#include <cstdint>

#include "toolkit/raster/bitmap.h"

namespace vm::intro {

constexpr tk::Color kSilver = tk::Rgb(0xC0, 0xC0, 0xC0);

// The tower climbs into view and stops when fully risen.
constexpr int32_t kTowerRiseStep = 5;
constexpr int32_t kTowerRiseTop = 500;

// The clouds slide one pixel every second tick until the panorama's end.
constexpr int32_t kCloudScrollEnd = 1500;
constexpr int32_t kCloudTicksPerPixel = 2;
constexpr int kCloudLeft = -2;  // plus -CloudScroll
constexpr int kCloudTop = 350;

constexpr int kLogoLeft = 5;
constexpr int kLogoTop = 5;
constexpr int kMoonFromRight = 343;  // left edge at W - 343
constexpr int kMoonTop = 50;

// The lightning cycle: the bolt strikes on one tick and flickers back three ticks later at the
// same place; the cycle then restarts from a random pause.
constexpr int32_t kBoltStrikeTick = 250;
constexpr int32_t kBoltFlickerTick = 253;
constexpr int32_t kCycleEndTick = 275;
constexpr int32_t kCyclePauseSpread = 50;  // restart from 0 .. -49
constexpr int32_t kBoltShift = 200;        // strikes right of 400 move 200 to the left
constexpr int kBoltTop = 200;

// The tower and the cliffs: x = TowerRise / rise - mouse x / parallax + offset, and so on.
struct ParallaxPlace {
    int32_t riseDivisorX;   // TowerRise / this moves it right while rising
    int32_t mouseDivisorX;  // mouse x / this moves it left
    int32_t offsetX;
    int32_t mouseDivisorY;  // mouse y / this moves it down
    int32_t offsetY;        // from the bottom edge H
    bool risesWithTower;    // y also climbs by TowerRise
};
constexpr ParallaxPlace kTowerPlace{20, 100, -27, 50, -100, true};
constexpr ParallaxPlace kCliffPlace{10, 25, -52, 12, -190, false};

constexpr int kCreditFontSize = 20;
constexpr int kCreditLeft = 5;
constexpr int kCreditFromBottom = 32;

// Rain: 500 streaks, each falling left by 3 and down by its speed every tick, shifted against
// the mouse for depth.
constexpr int kRainFirst = 1;
constexpr int kRainLast = 500;
constexpr int32_t kRainDrift = 3;
constexpr int32_t kRainMouseDivisorX = 8;
constexpr int32_t kRainMouseDivisorY = 10;
constexpr int32_t kRainLeftLimit = -100;    // further left, it comes back ...
constexpr int32_t kRainReenterRight = 200;  // ... at W + 200
constexpr int32_t kRainBottomMargin = 100;  // lower than H + 100, it starts again ...
constexpr int32_t kRainRestartY = -200;     // ... at -200

// The mouse trail: segment k runs from point k - 1 to point k, fading from white to near black.
constexpr int kTrailPoints = 10;
constexpr std::array<tk::Color, kTrailPoints> kTrailColors = {
    0,  // no segment ends at the newest point
    tk::Rgb(0xFF, 0xFF, 0xFF),
    tk::Rgb(0xCC, 0xCC, 0xFF),
    tk::Rgb(0x99, 0x99, 0xFF),
    tk::Rgb(0x66, 0x66, 0xFF),
    tk::Rgb(0x33, 0x33, 0xFF),
    tk::Rgb(0x00, 0x00, 0xCC),
    tk::Rgb(0x00, 0x00, 0x99),
    tk::Rgb(0x00, 0x00, 0x66),
    tk::Rgb(0x00, 0x00, 0x33)};

// Window sizes and mouse positions are the host's: sums with them are made in 64 bits and
// brought back into the 32-bit range, so no window size can overflow them.
constexpr int32_t Saturate(int64_t v) {
    return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int32_t(v);
}

}  // namespace vm::intro
