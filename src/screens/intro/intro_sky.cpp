// intro_sky.cpp -- rise, drift, lightning and parallax of the intro's scene.
#include "screens/intro/intro_sky.h"

namespace vm::intro {

void RiseAndDrift(GameState& s) {
    if (s.TowerRise < kTowerRiseTop) s.TowerRise += kTowerRiseStep;
    if (s.CloudScroll < kCloudScrollEnd) {
        ++s.CloudHalfStep;
        if (s.CloudHalfStep == kCloudTicksPerPixel) {
            ++s.CloudScroll;
            s.CloudHalfStep = 0;
        }
    }
}

bool AdvanceLightning(GameState& s, int width) {
    bool shows = false;
    if (s.LightningTick == kBoltStrikeTick) {
        const int32_t r = s.random.Below(width);
        // A draw below 400 stands as it is, so the bolt never starts left of the window.
        s.LightningX = r - kBoltShift;
        if (s.LightningX < kBoltShift) s.LightningX += kBoltShift;
        shows = true;
    }
    if (s.LightningTick == kBoltFlickerTick) shows = true;
    if (s.LightningTick == kCycleEndTick) s.LightningTick = -s.random.Below(kCyclePauseSpread);
    ++s.LightningTick;
    return shows;
}

ScenePoint PlaceOf(const ParallaxPlace& p, const GameState& s, int height) {
    const int64_t x =
        int64_t(s.TowerRise / p.riseDivisorX) - s.IntroMouseX / p.mouseDivisorX + p.offsetX;
    int64_t y = int64_t(height) + s.IntroMouseY / p.mouseDivisorY + p.offsetY;
    if (p.risesWithTower) y -= s.TowerRise;
    return {Saturate(x), Saturate(y)};
}

}  // namespace vm::intro
