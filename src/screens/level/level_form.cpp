// level_form.cpp -- the level screen's tick, its QUIT button and the hand-over into a battle.
#include "screens/level/level_form.h"

#include <string>

#include "rules/end_of_battle.h"
#include "screens/level/level_places.h"
#include "state/game_state.h"

namespace vm {

namespace {
// The three buttons stand 150 pixels in from the right edge; Load on top, QUIT at the bottom.
constexpr int kButtonsFromRight = 150;
constexpr int kQuitFromBottom = 150, kSaveFromBottom = 180, kLoadFromBottom = 210;
constexpr int kButtonWidth = 75, kButtonHeight = 25;

// The burst runs through 21 counter values: frames 1..10, then eleven ticks of nothing.
constexpr int kBurstCycle = 20;
constexpr int kBurstFrames = 10;
// The 50 x 50 burst frame centred on the 30 x 30 skull.
constexpr int kBurstOffset = -10;
// The hovered place's picture, and the gilded frame 10 pixels around it.
constexpr MapPoint kPlacePicture{700, 350};
constexpr MapPoint kGildedFrame{690, 340};
}  // namespace

TForm6::TForm6(const ScreenServices& services, tk::Memo& briefingBox)
    : ScreenForm(services, "Form6", 971, 627, 70),
      Button1(Add<tk::Button>("Button1")),
      Button2(Add<tk::Button>("Button2")),
      Button3(Add<tk::Button>("Button3")),
      Memo1(Add<tk::Memo>("Memo1")),
      map_(services.assets.Get("Form5.Image3")),
      skull_(services.assets.Get("Form6.Image2")),
      frame_(services.assets.Get("Form6.Image27")),
      briefingBox_(briefingBox) {
    Button1.caption = "QUIT";
    Button2.caption = "Save";
    Button3.caption = "Load";
    for (tk::Button* b : {&Button1, &Button2, &Button3}) {
        b->SetBounds(0, 0, kButtonWidth, kButtonHeight);
        b->SetVisible(false);  // the first tick places and shows them
    }
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Memo1.SetVisible(false);
    Memo1.wordWrap = false;
    for (int k = 0; k < kBurstFrames; ++k)
        burst_[std::size_t(k)] = &services.assets.Get("Form6.Image" + std::to_string(3 + k));
    for (std::size_t k = 0; k < kLevelPlaces.size(); ++k)
        places_[k] = &services.assets.Get(kLevelPlaces[k].picture);
}

void TForm6::BeforeFrame() {
    const int left = W() - kButtonsFromRight;
    Button1.SetBounds(left, H() - kQuitFromBottom, kButtonWidth, kButtonHeight);
    Button1.SetEnabled(true);
    Button1.SetVisible(true);
    Button2.SetBounds(left, H() - kSaveFromBottom, kButtonWidth, kButtonHeight);
    Button2.SetEnabled(Game().JustSaved == 0);
    Button2.SetVisible(true);
    Button3.SetBounds(left, H() - kLoadFromBottom, kButtonWidth, kButtonHeight);
    Button3.SetEnabled(true);
    Button3.SetVisible(true);
}

void TForm6::DrawContent(tk::Canvas& canvas) {
    const int mapX = MapX(), mapY = MapY();
    canvas.Draw(mapX, mapY, map_);
    DrawSkulls(canvas, mapX, mapY);
    briefing_.Draw(canvas, mapX, mapY, Game().Level, briefingBox_, App());
    DrawFireBurst(canvas, mapX, mapY);
    DrawHoveredPlace(canvas, mapX, mapY);
}

void TForm6::DrawSkulls(tk::Canvas& canvas, int mapX, int mapY) {
    const int32_t level = Game().Level;
    for (int k = 1; k <= int(kLevelPlaces.size()); ++k) {
        if (level < k) break;
        const MapPoint at = kLevelPlaces[std::size_t(k - 1)].skull;
        canvas.Draw(mapX + at.x, mapY + at.y, skull_);
    }
}

void TForm6::DrawFireBurst(tk::Canvas& canvas, int mapX, int mapY) {
    GameState& s = Game();
    s.MarkerBlink = s.MarkerBlink >= kBurstCycle ? 0 : s.MarkerBlink + 1;
    // A level the map has no place for gets no burst.
    const LevelPlace* place = PlaceOfLevel(s.Level);
    if (!place || s.MarkerBlink < 1 || s.MarkerBlink > kBurstFrames) return;
    canvas.Draw(mapX + place->burst.x + kBurstOffset, mapY + place->burst.y + kBurstOffset,
                *burst_[std::size_t(s.MarkerBlink - 1)]);
}

void TForm6::DrawHoveredPlace(tk::Canvas& canvas, int mapX, int mapY) {
    const GameState& s = Game();
    bool hit = false;
    for (std::size_t k = 0; k < kLevelPlaces.size(); ++k) {
        const LevelPlace& place = kLevelPlaces[k];
        if (place.hoverX.Holds(int64_t{s.MouseX} - mapX) &&
            place.hoverY.Holds(int64_t{s.MouseY} - mapY)) {
            canvas.Draw(mapX + kPlacePicture.x, mapY + kPlacePicture.y, *places_[k]);
            hit = true;
        }
    }
    if (hit) canvas.Draw(mapX + kGildedFrame.x, mapY + kGildedFrame.y, frame_);
}

void TForm6::Image1MouseMove(int x, int y) {
    Game().MouseX = x;
    Game().MouseY = y;
}

void TForm6::Image1Click() {
    StartBattle(Duel{Game(), services.Sounds()});
    services.handovers.Run(Handover::LevelClick);
}

void TForm6::Button1Click() {
    // Nothing else: the title window's watchdog brings the title back.
    services.handovers.Run(Handover::LevelQuit);
}

}  // namespace vm
