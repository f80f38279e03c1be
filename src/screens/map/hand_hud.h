// hand_hud.h -- the hand along the top and the heads-up display: greying, pendants, the blood
// drop, the flask gauge, cost boxes, resource panels and numbers, tower heights, the change
// display.
#pragma once

#include "screens/map/map_view.h"

namespace vm {

// Tick steps in their order; each draws onto the view's canvas, in the font size and colours
// the steps before it left, and sets its own where the screen's look asks for them.
void DrawHandCards(const MapView& view);
void DrawGreying(const MapView& view);  // cards the player cannot pay: hatched, "Discard"
void DrawPendants(const MapView& view);
void DrawBloodDrop(const MapView& view);
void DrawFlaskGauge(const MapView& view);  // with its hover text
void DrawCostBoxes(const MapView& view);
void DrawResourcePanels(const MapView& view);
void DrawTowerHeightText(const MapView& view);
void DrawResourceNumbers(const MapView& view);  // leaves the font at 16 points
// Draws the change numbers while DeltaTicks > 0 (the rules count it down afterwards).
void DrawChangeDisplay(const MapView& view);

}  // namespace vm
