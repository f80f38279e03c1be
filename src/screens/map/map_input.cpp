// map_input.cpp -- pointer areas, the switches and the order of a click.
#include "screens/map/map_input.h"

#include <string_view>

#include "rules/map_tick_rules.h"
#include "screens/map/map_layout.h"

namespace vm {

namespace {
constexpr std::string_view kMusicOn = "Form3.Image83";
constexpr std::string_view kMusicOff = "Form3.Image84";
constexpr std::string_view kFast = "Form4.Image10";
constexpr std::string_view kNormal = "Form4.Image11";
constexpr tk::Color kHoverText = tk::Rgb(0xFF, 0xFF, 0x00);
}  // namespace

void RecordPointer(GameState& s, int x, int y) {
    s.MouseX = x;
    s.MouseY = y;
}

int HitTestHand(GameState& s, int w) {
    const int slot = HandSlotAt(w, s.MouseX, s.MouseY);
    s.HoverSlot = slot;
    return slot > 0 ? s.HandCard[std::size_t(slot)] : 0;
}

void RunSoundSwitch(const MapView& v) {
    // Play on every tick: a player still going goes on, one at its end starts again, so the
    // drums loop while the switch is on.
    if (v.state.MusicSwitch == 1) {
        v.Draw(0, 0, kMusicOn);
        v.sounds.Play(Sound::Drums);
    } else if (v.state.MusicSwitch == -1) {
        v.Draw(0, 0, kMusicOff);
        v.sounds.Stop(Sound::Drums);
    }
}

void RunSpeedSwitch(const MapView& v, tk::Timer& timer) {
    const int fast = v.state.FastMode;
    if (fast == 0 || fast == 1) timer.SetInterval(TickInterval(fast));
    if (fast == 1) v.Draw(50, 5, kFast);
    if (fast == 0) v.Draw(50, 5, kNormal);
}

void DrawSwitchHoverTexts(const MapView& v) {
    const GameState& s = v.state;
    const bool sound = InSoundSwitch(s.MouseX, s.MouseY);
    const bool speed = InSpeedSwitch(s.MouseX, s.MouseY);
    if (!sound && !speed) return;
    v.canvas.SetFontColor(kHoverText);
    v.canvas.SetTextOpaque(true);
    v.canvas.SetTextBackground(tk::Rgb(0, 0, 0));
    if (sound) v.canvas.TextOut(s.MouseX + 10, s.MouseY, "Toggle Sound");
    if (speed) v.canvas.TextOut(s.MouseX + 10, s.MouseY, "Toggle Speed");
}

void MapClick(Duel duel) {
    GameState& s = duel.state;
    if (InSpeedSwitch(s.MouseX, s.MouseY)) {
        s.FastMode += 1;
        if (s.FastMode == 2) s.FastMode = 0;
    }
    if (InSoundSwitch(s.MouseX, s.MouseY)) {
        s.MusicSwitch += 2;
        if (s.MusicSwitch > 1) s.MusicSwitch = -1;
    }
    MapClickRules(duel, InFlaskArea(s.MouseX, s.MouseY));
}

}  // namespace vm
