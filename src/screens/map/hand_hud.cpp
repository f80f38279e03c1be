// hand_hud.cpp -- what the player reads and acts on: the hand and the heads-up display.
#include "screens/map/hand_hud.h"

#include <array>
#include <string_view>

#include "rules/affordability.h"
#include "rules/duel.h"
#include "rules/resources_and_limits.h"
#include "screens/map/map_layout.h"

namespace vm {

namespace {

using tk::Rgb;

constexpr tk::Color kBlack = Rgb(0, 0, 0);
constexpr tk::Color kWhite = Rgb(0xFF, 0xFF, 0xFF);
constexpr tk::Color kBlood = Rgb(0xFF, 0x00, 0x00);
constexpr tk::Color kGain = Rgb(0x00, 0x80, 0x00);
constexpr tk::Color kLoss = Rgb(0xFF, 0x00, 0x00);

constexpr std::string_view kDiscardLabel = "Form6.Image13";
constexpr std::array<std::string_view, 6> kPendantPictures = {
    "", "Form5.Image4", "Form5.Image5", "Form5.Image6", "Form5.Image7", "Form5.Image8"};
constexpr std::string_view kDrop = "Form5.Image10";
constexpr std::string_view kFlask = "Form5.Image9";
constexpr std::string_view kPanel = "Form3.Image79";
constexpr std::string_view kGreenGem = "Form4.Image2";

constexpr int kFlaskFull = 80;
constexpr int kFlaskBottom = 198;
// The drop lands this far down the card.
constexpr int kDropBase = 274;

bool IsCard(int n) {
    return n >= 1 && n <= 70;
}

// The blood streaks under a falling drop: column in the card and how much of the fall it takes.
struct Streak {
    int column;
    int divisor;
};
constexpr std::array<Streak, 11> kStreaks = {{{88, 5},
                                              {89, 3},
                                              {90, 1},
                                              {91, 2},
                                              {92, 4},
                                              {93, 4},
                                              {94, 5},
                                              {98, 4},
                                              {99, 3},
                                              {100, 2},
                                              {101, 5}}};

// The seven costs in the black box over a card: stock cost above rare, green below.
struct CostCell {
    std::array<int32_t, 71> GameState::*costs;
    int dx;
    int y;
    tk::Color colour;
};
constexpr std::array<CostCell, 7> kCostCells = {{
    {&GameState::CardCostBlue, 30, 185, Rgb(0x55, 0x55, 0xFF)},
    {&GameState::CardCostBlueRare, 30, 205, Rgb(0xAA, 0xAA, 0xFF)},
    {&GameState::CardCostRed, 70, 185, Rgb(0xFF, 0x33, 0x33)},
    {&GameState::CardCostRedRare, 70, 205, Rgb(0xFF, 0xAA, 0xAA)},
    {&GameState::CardCostYellow, 110, 185, Rgb(0xFF, 0xFF, 0x33)},
    {&GameState::CardCostYellowRare, 110, 205, Rgb(0xFF, 0xFF, 0xAA)},
    {&GameState::CardCostGreen, 70, 225, Rgb(0x33, 0xFF, 0x33)},
}};

// One number of a resource panel: the incomes carry a "+".
struct PanelNumber {
    StateValue value;
    bool income;
    ScreenX x;
    int up;  // y is H - up
    int size;
    tk::Color colour;
};
constexpr tk::Color kBlueText = Rgb(0x77, 0x77, 0xFF);
constexpr tk::Color kRedText = Rgb(0xFF, 0x77, 0x77);
constexpr tk::Color kYellowText = Rgb(0xFF, 0xFF, 0x77);

constexpr std::array<PanelNumber, 18> kPanelNumbers = {{
    {kPlayerSide.BlueIncome, true, {122, false}, 60, 14, kBlueText},
    {kPlayerSide.RedIncome, true, {282, false}, 60, 14, kRedText},
    {kPlayerSide.YellowIncome, true, {432, false}, 60, 14, kYellowText},
    {kPlayerSide.Blue, false, {100, false}, 75, 12, kBlueText},
    {kPlayerSide.Red, false, {250, false}, 75, 12, kRedText},
    {kPlayerSide.Yellow, false, {400, false}, 75, 12, kYellowText},
    {kPlayerSide.BlueRare, false, {100, false}, 40, 10, kBlueText},
    {kPlayerSide.RedRare, false, {250, false}, 40, 10, kRedText},
    {kPlayerSide.YellowRare, false, {400, false}, 40, 10, kYellowText},
    {kEnemySide.BlueIncome, true, {-382, true}, 60, 14, kBlueText},
    {kEnemySide.RedIncome, true, {-222, true}, 60, 14, kRedText},
    {kEnemySide.YellowIncome, true, {-67, true}, 60, 14, kYellowText},
    {kEnemySide.Blue, false, {-400, true}, 75, 12, kBlueText},
    {kEnemySide.Red, false, {-250, true}, 75, 12, kRedText},
    {kEnemySide.Yellow, false, {-100, true}, 75, 12, kYellowText},
    {kEnemySide.BlueRare, false, {-400, true}, 40, 10, kBlueText},
    {kEnemySide.RedRare, false, {-250, true}, 40, 10, kRedText},
    {kEnemySide.YellowRare, false, {-100, true}, 40, 10, kYellowText},
}};

// The green gem of each side with its number (drawn once as a shadow, once in colour).
struct GreenGem {
    StateValue green;
    ScreenX gemX;
    ScreenX textX;
};
constexpr std::array<GreenGem, 2> kGreenGems = {{
    {kPlayerSide.Green, {500, false}, {510, false}},
    {kEnemySide.Green, {-560, true}, {-550, true}},
}};
constexpr int kGreenSize = 16;
constexpr tk::Color kGreenText = Rgb(0xAA, 0xFF, 0xAA);

// The tower height shown on demand, near each tower.
struct HeightText {
    StateValue shown;
    tk::Color colour;
    bool right;  // pointer right of W - 248, else left of 248
};
constexpr std::array<HeightText, 2> kHeightTexts = {{
    {&GameState::PlayerTowerShown, Rgb(0x00, 0x80, 0x80), false},
    {&GameState::EnemyTowerShown, Rgb(0xFF, 0x00, 0x00), true},
}};

// The player's values whose changes rise above the left panel after a turn.
struct ChangeFigure {
    StateValue value;
    StateValue snapshot;
    int x;
};
constexpr std::array<ChangeFigure, 4> kChangeFigures = {{
    {&GameState::PlayerBlue, &GameState::SnapPlayerBlue, 100},
    {&GameState::PlayerRed, &GameState::SnapPlayerRed, 250},
    {&GameState::PlayerYellow, &GameState::SnapPlayerYellow, 400},
    {&GameState::PlayerGreen, &GameState::SnapPlayerGreen, 500},
}};

void Text(const MapView& v, int x, int y, int value, std::string_view prefix = {},
          std::string_view suffix = {}) {
    const NumberText text(value, prefix, suffix);
    v.canvas.TextOut(x, y, text.View());
}

// A change figure: nothing for 0, no sign when positive.
void ChangeFigureText(const MapView& v, int x, int y, int delta) {
    v.state.ShownDelta = delta;
    if (delta == 0) return;
    v.canvas.SetFontColor(delta > 0 ? kGain : kLoss);
    Text(v, x, y, delta);
}

}  // namespace

void DrawHandCards(const MapView& v) {
    for (int k = 1; k <= kHandSlotCount; ++k) {
        v.DrawCard(SlotLeft(v.W, k), 10, v.state.HandCard[std::size_t(k)]);
    }
}

void DrawGreying(const MapView& v) {
    for (int k = 1; k <= kHandSlotCount; ++k) {
        const int card = v.state.HandCard[std::size_t(k)];
        if (!IsCard(card) || CanAfford(v.state, kPlayerSide, card)) continue;
        const int x0 = SlotLeft(v.W, k);
        v.HatchColumns(x0 + 2, 0, 280, kHandSlotWidth / 2);  // columns 2, 4, .. 160
        v.Draw(x0 + 20, 40, kDiscardLabel);
    }
}

void DrawPendants(const MapView& v) {
    const GameState& s = v.state;
    if (s.TurnPhase != 1 || s.PlayerMoveTicks != 0) return;
    for (int k = 1; k <= kHandSlotCount; ++k) {
        const int pendant = s.SlotPendant[std::size_t(k)];
        if (pendant < 1 || pendant > 5) continue;
        v.Draw(SlotLeft(v.W, k) + 10, 260, kPendantPictures[std::size_t(pendant)]);
    }
}

void DrawBloodDrop(const MapView& v) {
    const GameState& s = v.state;
    if (s.TurnPhase != 1 || s.PlayerMoveTicks != 0) return;
    if (s.DropSlot < 1 || s.DropSlot > kHandSlotCount) return;
    const int x0 = SlotLeft(v.W, s.DropSlot);
    const int fall = s.DropY;
    v.Draw(x0 + 85, fall + kDropBase, kDrop);
    v.canvas.SetPenColor(kBlood);
    for (const Streak& streak : kStreaks) {
        const int x = x0 + streak.column;
        v.canvas.Line(x, fall / streak.divisor + kDropBase, x, kDropBase);
    }
    v.Draw(x0 + 95, fall / 2 + kDropBase, kDrop);
}

void DrawFlaskGauge(const MapView& v) {
    const GameState& s = v.state;
    v.canvas.SetPenColor(s.Flask == kFlaskFull ? kGain : kBlood);
    v.Rows(3, 62, kFlaskBottom - s.Flask, kFlaskBottom);
    v.Draw(0, 100, kFlask);
    if (InFlaskArea(s.MouseX, s.MouseY)) {
        v.canvas.SetFontColor(kWhite);
        v.canvas.SetTextOpaque(false);
        Text(v, s.MouseX + 10, s.MouseY, s.Flask, "Flask: ", "/80");
    }
}

void DrawCostBoxes(const MapView& v) {
    const GameState& s = v.state;
    for (int k = 1; k <= kHandSlotCount; ++k) {
        const int card = s.HandCard[std::size_t(k)];
        if (!IsCard(card)) continue;
        const int x0 = SlotLeft(v.W, k);
        v.canvas.SetPenColor(kBlack);
        v.Rows(x0 + 20, x0 + 140, 181, 240);
        v.canvas.SetTextOpaque(false);
        for (const CostCell& cell : kCostCells) {
            v.canvas.SetFontColor(cell.colour);
            Text(v, x0 + cell.dx, cell.y, (s.*cell.costs)[std::size_t(card)]);
        }
    }
}

void DrawResourcePanels(const MapView& v) {
    v.Draw(10, v.H - 90, kPanel);
    v.Draw(v.W - 492, v.H - 90, kPanel);
}

void DrawTowerHeightText(const MapView& v) {
    const GameState& s = v.state;
    if (!(v.H - 600 < s.MouseY && s.MouseY < v.H - 100)) return;
    v.canvas.SetFontSize(15);
    for (const HeightText& h : kHeightTexts) {
        const bool over = h.right ? s.MouseX > v.W - 248 : s.MouseX < 248;
        if (!over) continue;
        v.canvas.SetFontColor(h.colour);
        v.canvas.SetTextOpaque(true);
        v.canvas.SetTextBackground(kBlack);
        Text(v, s.MouseX, s.MouseY - 25, s.*h.shown, {}, "ft");
    }
}

void DrawResourceNumbers(const MapView& v) {
    const GameState& s = v.state;
    v.canvas.SetTextOpaque(false);
    for (const PanelNumber& n : kPanelNumbers) {
        v.canvas.SetFontSize(n.size);
        v.canvas.SetFontColor(n.colour);
        Text(v, n.x.At(v.W), v.H - n.up, s.*n.value, n.income ? "+" : "");
    }
    for (const GreenGem& gem : kGreenGems)
        v.Draw(gem.gemX.At(v.W), v.H - 75, kGreenGem);
    v.canvas.SetFontSize(kGreenSize);
    // A black shadow one pixel to the lower right of each green number.
    v.canvas.SetFontColor(kBlack);
    for (const GreenGem& gem : kGreenGems)
        Text(v, gem.textX.At(v.W) + 1, v.H - 69, s.*gem.green);
    v.canvas.SetFontColor(kGreenText);
    for (const GreenGem& gem : kGreenGems)
        Text(v, gem.textX.At(v.W), v.H - 70, s.*gem.green);
}

void DrawChangeDisplay(const MapView& v) {
    const GameState& s = v.state;
    if (s.DeltaTicks <= 0) return;
    v.canvas.SetTextOpaque(false);
    for (const ChangeFigure& f : kChangeFigures) {
        v.canvas.SetFontSize(20);
        ChangeFigureText(v, f.x, v.H + s.DeltaTicks - 100, s.*f.value - s.*f.snapshot);
    }
    v.canvas.SetFontSize(30);
    ChangeFigureText(v, 60, v.H + s.DeltaTicks - s.PlayerTower - 120,
                     s.PlayerTower - s.SnapPlayerTower);
}

}  // namespace vm
