// map_scene.h -- the map screen's scene: sky, moon, stars, towers with plumes, fire and wards,
// the turn marker, the ground, the level intro overlay and the level scenery.
#pragma once

#include "screens/map/map_view.h"

namespace vm {

// Tick steps in their order; each draws onto the view's canvas and changes only what it says.
void DrawMoon(const MapView& view);
void DrawStars(const MapView& view);
void TwinkleStars(GameState& state);   // every star may step on to its next brightness
void DrawPlumes(const MapView& view);  // draws, then lets every particle drift and rise
void DrawFire(const MapView& view);
void DrawPlayerTower(const MapView& view);
void DrawWardMarks(const MapView& view);
void DrawEnemyTower(const MapView& view);
void FollowTrueHeights(GameState& state);  // the shown heights move one unit toward the true
void DrawTurnMarker(const MapView& view);
void DrawGround(const MapView& view);
void DrawLevelIntro(const MapView& view);  // also counts LevelIntroTicks down
void DrawScenery(const MapView& view);

}  // namespace vm
