// intro_sky.h -- the moving parts of the intro's scene that are only state: the rising tower, the
// drifting clouds, the lightning cycle, and the parallax places of the tower and the cliffs.
#pragma once

#include "screens/intro/intro_layout.h"
#include "state/game_state.h"

namespace vm::intro {

struct ScenePoint {
    int32_t x = 0;
    int32_t y = 0;
};

// One tick of rise and drift: TowerRise grows by 5 up to 500; the clouds move one pixel every
// second tick up to CloudScroll 1500.
void RiseAndDrift(GameState& state);

// One tick of the lightning cycle. Returns true when the bolt shows on this tick, at
// (LightningX, 200). A strike draws its place from state.random (0 .. width - 1); the end of
// the cycle draws its pause. Called once per tick, after the generator has been reseeded.
bool AdvanceLightning(GameState& state, int width);

// Where a parallax picture's top-left corner stands for the current rise and mouse position in
// a client area of the given height. Divisions truncate toward zero.
ScenePoint PlaceOf(const ParallaxPlace& place, const GameState& state, int height);

}  // namespace vm::intro
