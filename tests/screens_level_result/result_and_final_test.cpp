// result_and_final_test.cpp -- the result screen's picture, slots, descriptions and score, and
// the final screen's picture and click.
#include <filesystem>

#include "screen_fixture.h"
#include "screens/final/final_form.h"
#include "screens/result/result_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"

namespace vm::testing {
namespace {

constexpr tk::Color kYellow = tk::Rgb(255, 255, 0);

class ResultScreen : public ScreenTest {
  protected:
    static constexpr int cx = kWidth / 2, cy = kHeight / 2;
    TForm7& result() { return *Form7; }
    const tk::Bitmap& Frame() { return driver->Frame(result()); }

    // The box beside the mouse at (x, y): black, then "  " + line i of the slot's description.
    ::testing::AssertionResult ShowsDescription(int x, int y, int slot, bool withText = true) {
        tk::Bitmap want = Frame();
        tk::Canvas c(want);
        c.FillRect(x + 20, y - 3, x + 250, y + 101, 0);
        c.SetFontColor(kYellow);
        const auto lines = FileLines("ach" + std::to_string(slot + 1) + ".txt");
        for (int i = 0; withText && i < int(lines.size()) && i < 11; ++i)
            c.TextOut(x + 20, y + 14 * i, "  " + lines[std::size_t(i)]);
        return SameRect(Frame(), want, x + 20, y - 3, x + 250, y + 101);
    }
};

TEST_F(ResultScreen, PictureSlotsAndTheScoreOfLevelThreeWithSlotsZeroAndTwo) {
    GameState& s = Game();
    s.Level = 3;
    s.Achievements[0] = s.Achievements[2] = 1;
    s.Achievements[5] = 2;  // only exactly 1 is earned
    StartScreen(result());
    EXPECT_EQ(s.Score, 759);
    tk::Bitmap want(kWidth, kHeight, 0);
    tk::Canvas c(want);
    c.SetFontColor(kYellow);
    c.TextOut(cx - 100, kHeight - 50, "Score:759");
    EXPECT_TRUE(SameRect(Frame(), want, cx - 110, kHeight - 55, cx + 110, kHeight));
    EXPECT_TRUE(ShowsPicture(Frame(), cx - 500, cy - 200, "Form7.Image4"));
    EXPECT_TRUE(ShowsPicture(Frame(), cx - 500, cy - 150, "Form7.Image34"));
    EXPECT_TRUE(ShowsPicture(Frame(), cx - 500, cy - 100, "Form7.Image6"));
    EXPECT_TRUE(ShowsPicture(Frame(), cx - 500, cy + 50, "Form7.Image34"));
    EXPECT_TRUE(ShowsPicture(Frame(), cx + 100, cy + 250, "Form7.Image34"));
    EXPECT_EQ(driver->Pixel(result(), cx - 505, cy - 200), 0u);  // no picture while 0
    for (int battle : {1, 2}) {
        s.BattleResult = battle;
        Ticks(result(), 1);
        EXPECT_TRUE(ShowsPicture(Frame(), cx - 512, cy - 384,
                                 battle == 1 ? "Form7.Image2" : "Form7.Image3", 0, 0, 1024, 180));
    }
}

TEST_F(ResultScreen, TheSlotUnderTheMouseIsFoundStrictlyInsideAndShowsItsDescription) {
    Game().BattleResult = 1;
    StartScreen(result());
    driver->Move(result(), 5, 5);
    Ticks(result(), 1);
    const tk::Bitmap away = Frame();
    const int cases[][3] = {
        {cx - 450, cy + 250, -1}, {cx - 450, cy + 251, 9},  {cx - 450, cy + 299, 9},
        {cx - 450, cy + 300, -1}, {cx - 500, cy + 275, -1}, {cx - 499, cy + 275, 9},
        {cx - 401, cy + 275, 9},  {cx - 400, cy + 275, -1}, {cx - 450, cy - 200, -1},
        {cx - 450, cy - 199, 0},  {cx - 200, cy - 175, -1}, {cx - 199, cy - 175, 10},
        {cx - 101, cy - 125, 11}, {cx - 100, cy - 175, -1}, {cx + 100, cy + 25, -1},
        {cx + 101, cy + 25, 24},  {cx + 199, cy + 299, 29}, {cx + 200, cy + 25, -1},
    };
    for (const auto& [x, y, slot] : cases) {
        driver->Move(result(), x, y);
        Ticks(result(), 1);
        EXPECT_TRUE(slot < 0 ? SameRect(Frame(), away, 0, 0, kWidth, kHeight)
                             : ShowsDescription(x, y, slot))
            << x << ", " << y;
    }

    // A missing description: the box without text, reported once until the file is back.
    std::filesystem::rename("ach10.txt", "ach10.bak");
    driver->Move(result(), cx - 450, cy + 260);
    Ticks(result(), 3);
    EXPECT_TRUE(ShowsDescription(cx - 450, cy + 260, 9, false));
    EXPECT_EQ(driver->TakeErrors(), std::vector<std::string>{"Cannot open file ach10.txt"});
    std::filesystem::rename("ach10.bak", "ach10.txt");
    Ticks(result(), 1);
    EXPECT_TRUE(ShowsDescription(cx - 450, cy + 260, 9));
}

using FinalScreen = ScreenTest;

TEST_F(FinalScreen, ItsPictureStandsAtAnySizeAndItsClickEndsTheProgram) {
    StartScreen(*Form8);
    for (auto [w, h] : {std::pair{kWidth, kHeight}, {971, 536}}) {
        driver->SetSize(w, h);
        Ticks(*Form8, 1);
        // 381 above the centre: three pixels lower than the result screen's pictures.
        tk::Bitmap want(w, h, 0);
        tk::Canvas(want).Draw(w / 2 - 512, h / 2 - 381, Assets().Get("Form8.Image2"));
        EXPECT_TRUE(SameRect(driver->Frame(*Form8), want, 0, 0, w, h)) << w << " x " << h;
    }
    EXPECT_FALSE(driver->Ended());
    driver->Click(*Form8, 100, 100);
    EXPECT_TRUE(driver->Ended());
}

}  // namespace
}  // namespace vm::testing
