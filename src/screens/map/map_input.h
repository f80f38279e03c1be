// map_input.h -- the mouse on the map screen: the hand's hit test, the two switches and what a
// click does, in its order.
#pragma once

#include "rules/duel.h"
#include "screens/map/map_view.h"
#include "toolkit/ui/timer.h"

namespace vm {

// The pointer's last place over the map.
void RecordPointer(GameState& state, int x, int y);

// Tick step: the slot under the pointer becomes HoverSlot (an empty slot still counts); returns
// the card in it, 0 for none.
int HitTestHand(GameState& state, int windowWidth);

// Tick steps: the sound switch's icon and the music's Play or Stop; the speed switch's interval
// and icon; the hover texts of both switches.
void RunSoundSwitch(const MapView& view);
void RunSpeedSwitch(const MapView& view, tk::Timer& timer);
void DrawSwitchHoverTexts(const MapView& view);

// A click: the speed switch, the sound switch, then the player's move, the burn tick and the
// flask when it is the player's turn. Acts on the pointer of the last move and on HoverSlot of
// the last tick; on a narrow window one click may do several of these.
void MapClick(Duel duel);

// The timer interval of a speed: 80 ms normal, 40 ms fast.
constexpr int TickInterval(int fastMode) {
    return fastMode == 1 ? 40 : 80;
}

}  // namespace vm
