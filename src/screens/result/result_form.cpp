// result_form.cpp -- the result screen's tick and the hand-over to the next battle or the end.
#include "screens/result/result_form.h"

#include <charconv>
#include <cstring>
#include <string_view>

#include "rules/achievements.h"
#include "rules/end_of_battle.h"
#include "screens/result/achievement_grid.h"
#include "state/game_state.h"

namespace vm {

namespace {
constexpr tk::Color kYellow = tk::Rgb(255, 255, 0);
constexpr tk::Color kBlack = 0;

// The 1024 x 768 battle picture, centred.
constexpr int kPictureFromCx = -512, kPictureFromCy = -384;

// The description box beside the mouse: x + 20 .. x + 249, y - 3 .. y + 100.
constexpr int kBoxLeft = 20, kBoxRight = 250, kBoxTop = -3, kBoxBottom = 101;
constexpr int kDescriptionLines = 11;
constexpr int kDescriptionStep = 14;
constexpr std::string_view kDescriptionIndent = "  ";

// The score line.
constexpr int kScoreFromCx = -100, kScoreFromBottom = 50;

// "ach" + n + ".txt".
std::string_view DescriptionFileName(int n, std::array<char, 32>& buffer) {
    char* p = buffer.data();
    std::memcpy(p, "ach", 3);
    p = std::to_chars(p + 3, buffer.data() + buffer.size(), n).ptr;
    std::memcpy(p, ".txt", 4);
    return std::string_view(buffer.data(), std::size_t(p + 4 - buffer.data()));
}
}  // namespace

TForm7::TForm7(const ScreenServices& services)
    : ScreenForm(services, "Form7", 971, 536, 20),
      victory_(services.assets.Get("Form7.Image2")),
      defeat_(services.assets.Get("Form7.Image3")),
      emptySlot_(services.assets.Get("Form7.Image34")) {
    for (int s = 0; s < AchievementGrid::kSlots; ++s)
        badges_[std::size_t(s)] = &services.assets.Get("Form7.Image" + std::to_string(4 + s));
}

void TForm7::DrawContent(tk::Canvas& canvas) {
    const int cx = W() / 2, cy = H() / 2;
    DrawBattlePicture(canvas, cx, cy);
    DrawSlots(canvas, cx, cy);
    DrawDescription(canvas, cx, cy);
    DrawScore(canvas, cx);
}

void TForm7::DrawBattlePicture(tk::Canvas& canvas, int cx, int cy) {
    const int32_t result = Game().BattleResult;
    if (result == 1) canvas.Draw(cx + kPictureFromCx, cy + kPictureFromCy, victory_);
    if (result == 2) canvas.Draw(cx + kPictureFromCx, cy + kPictureFromCy, defeat_);
}

void TForm7::DrawSlots(tk::Canvas& canvas, int cx, int cy) {
    const AchievementGrid grid{cx, cy};
    for (int s = 0; s < AchievementGrid::kSlots; ++s)
        canvas.Draw(grid.SlotX(s), grid.SlotY(s), emptySlot_);
    // Only a flag of exactly 1 is earned; anything else a hand-edited save held is not.
    const GameState& state = Game();
    for (int s = 0; s < AchievementGrid::kSlots; ++s) {
        if (state.Achievements[std::size_t(s)] == 1)
            canvas.Draw(grid.SlotX(s), grid.SlotY(s), *badges_[std::size_t(s)]);
    }
}

void TForm7::DrawDescription(tk::Canvas& canvas, int cx, int cy) {
    const GameState& s = Game();
    const int slot = AchievementGrid{cx, cy}.SlotAt(s.MouseX, s.MouseY);
    if (slot < 0) return;
    // Read afresh on every tick while the mouse stays on the slot.
    const bool read = description_.Read(DescriptionFileName(slot + 1, fileName_));
    if (!read && description_.ErrorIsNew()) App().ReportError(description_.Error());

    const int x = s.MouseX, y = s.MouseY;
    canvas.FillRect(x + kBoxLeft, y + kBoxTop, x + kBoxRight, y + kBoxBottom, kBlack);
    if (!read) return;
    canvas.SetTextOpaque(false);
    canvas.SetFontColor(kYellow);
    for (int i = 0; i < kDescriptionLines; ++i) {
        shownLine_.assign(kDescriptionIndent);
        shownLine_.append(description_.Line(i));
        canvas.TextOut(x + kBoxLeft, y + kDescriptionStep * i, shownLine_);
    }
}

void TForm7::DrawScore(tk::Canvas& canvas, int cx) {
    GameState& s = Game();
    s.Score = ScoreOf(s);
    std::array<char, 24> text{};
    constexpr std::string_view kLabel = "Score:";
    std::memcpy(text.data(), kLabel.data(), kLabel.size());
    char* end = std::to_chars(text.data() + kLabel.size(), text.data() + text.size(), s.Score).ptr;
    canvas.SetTextOpaque(false);
    canvas.SetFontColor(kYellow);
    canvas.TextOut(cx + kScoreFromCx, H() - kScoreFromBottom,
                   std::string_view(text.data(), std::size_t(end - text.data())));
}

void TForm7::Image1MouseMove(int x, int y) {
    Game().MouseX = x;
    Game().MouseY = y;
}

void TForm7::Image1Click() {
    GameState& s = Game();
    NextBattle(Duel{s, services.Sounds()});
    if (s.Level < 12) {
        services.handovers.Run(Handover::ResultToLevel);
    } else if (s.Level == 12) {
        services.handovers.Run(Handover::ResultToFinal);
    }
    // Above 12 there is no next screen: this one stays.
}

}  // namespace vm
