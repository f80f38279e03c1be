// intro_rain.h -- the rain over the intro's scene and the trail that follows the mouse.
#pragma once

#include "state/game_state.h"
#include "toolkit/raster/canvas.h"

namespace vm::intro {

// Draws each of the 500 streaks in silver, shifted against the mouse (mouse x / 8 left, mouse
// y / 10 down, truncated toward zero), then lets it fall: 3 left and RainSpeed down. A streak
// left of -100 comes back at W + 200; one below H + 100 starts again at -200. Sets the pen.
void DrawAndMoveRain(GameState& state, tk::Canvas& canvas, int width, int height);

// Draws the nine trail segments from the newest point back, each in its fading colour. A
// segment whose ends coincide draws nothing, so a trail at rest is invisible.
void DrawTrail(const GameState& state, tk::Canvas& canvas);

// Shifts the trail one point back; the newest point stays until the mouse moves again.
void AgeTrail(GameState& state);

}  // namespace vm::intro
