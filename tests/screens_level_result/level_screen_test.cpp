// level_screen_test.cpp -- the level screen's skulls, fire burst, briefing and hovered places,
// and the map at any window size.
#include <sys/stat.h>

#include <filesystem>

#include "screen_fixture.h"
#include "screens/level/level_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"

namespace vm::testing {
namespace {

// The places as the map shows them: skull, burst anchor and hover rectangle (ends excluded).
struct Place {
    int skullX, skullY, burstX, burstY, left, right, top, bottom;
};
const Place kPlaces[11] = {
    {77, 199, 77, 199, 80, 102, 199, 225},    {230, 209, 230, 209, 232, 252, 212, 232},
    {327, 62, 327, 62, 330, 350, 66, 86},     {602, 23, 602, 24, 603, 623, 24, 44},
    {725, 167, 725, 167, 729, 750, 167, 188}, {470, 283, 470, 282, 470, 490, 282, 303},
    {385, 362, 385, 363, 386, 406, 363, 383}, {439, 447, 439, 447, 438, 458, 447, 470},
    {532, 570, 532, 570, 533, 553, 569, 590}, {221, 567, 222, 567, 223, 243, 568, 590},
    {74, 577, 74, 577, 75, 96, 577, 600}};

class LevelScreen : public ScreenTest {
  protected:
    TForm6& level() { return *Form6; }
    const tk::Bitmap& Frame() { return driver->Frame(level()); }
    int X(int x) { return level().MapX() + x; }
    int Y(int y) { return level().MapY() + y; }
    // A tick on which the fire burst is between two showings.
    void QuietTick() {
        Game().MarkerBlink = 15;
        Ticks(level(), 1);
    }
    // Over and below the box: the map, the black box and each line over its shadow.
    ::testing::AssertionResult ShowsBriefing(const std::vector<std::string>& lines) {
        tk::Bitmap want = Frame();
        tk::Canvas c(want);
        c.Draw(X(0), Y(0), Assets().Get("Form5.Image3"));
        c.FillRect(X(701), Y(400), X(999), Y(601), 0);
        c.SetFontSize(11);
        for (int i = 0; i < int(lines.size()); ++i) {
            c.SetFontColor(0);
            c.TextOut(X(704), Y(403 + 14 * i), lines[std::size_t(i)]);
            c.SetFontColor(tk::Rgb(255, 255, 0));
            c.TextOut(X(703), Y(402 + 14 * i), lines[std::size_t(i)]);
        }
        return SameRect(Frame(), want, X(701), Y(400), X(999), Y(700));
    }
};

TEST_F(LevelScreen, SkullsUpToTheLevelAndTheBurstCycleOnItsPlace) {
    StartScreen(level());
    for (int lv : {1, 11}) {
        Game().Level = lv;
        QuietTick();
        for (int k = 1; k <= 11; ++k) {
            const Place& p = kPlaces[k - 1];
            EXPECT_TRUE(k <= lv ? ShowsPicture(Frame(), X(p.skullX), Y(p.skullY), "Form6.Image2")
                                : ShowsPicture(Frame(), X(0), Y(0), "Form5.Image3", p.skullX,
                                               p.skullY, 30, 30))
                << "level " << lv << ", place " << k;
        }
        // Frames 1..10 on ten ticks, eleven ticks of nothing, then round again.
        const Place& here = kPlaces[lv - 1];
        Game().MarkerBlink = 0;
        for (int tick = 1; tick <= 22; ++tick) {
            Ticks(level(), 1);
            const int blink = tick % 21;
            ASSERT_EQ(Game().MarkerBlink, blink);
            EXPECT_TRUE(blink >= 1 && blink <= 10
                            ? ShowsPicture(Frame(), X(here.burstX - 10), Y(here.burstY - 10),
                                           "Form6.Image" + std::to_string(2 + blink))
                            : ShowsPicture(Frame(), X(here.skullX), Y(here.skullY), "Form6.Image2"))
                << "level " << lv << ", tick " << tick;
        }
    }
    EXPECT_TRUE(driver->TakeErrors().empty());
}

TEST_F(LevelScreen, APlaceShowsItsPictureOnlyStrictlyInsideItsRange) {
    StartScreen(level());
    driver->Move(level(), 5, 5);
    QuietTick();
    const tk::Bitmap away = Frame();
    for (int k = 1; k <= 11; ++k) {
        const Place& p = kPlaces[k - 1];
        const int mx = (p.left + p.right) / 2, my = (p.top + p.bottom) / 2;
        const int inside[4][2] = {
            {p.left + 1, my}, {p.right - 1, my}, {mx, p.top + 1}, {mx, p.bottom - 1}};
        const int edge[4][2] = {{p.left, my}, {p.right, my}, {mx, p.top}, {mx, p.bottom}};
        for (int i = 0; i < 4; ++i) {
            driver->Move(level(), X(inside[i][0]), Y(inside[i][1]));
            QuietTick();
            EXPECT_TRUE(ShowsPicture(Frame(), X(700), Y(350),
                                     "Form6.Image" + std::to_string(15 + k), 40, 40, 220, 220))
                << "place " << k;
            // The gilded frame's right edge lies under the buttons at this window size.
            EXPECT_TRUE(ShowsPicture(Frame(), X(690), Y(340), "Form6.Image27", 0, 0, 310, 320));
            driver->Move(level(), X(edge[i][0]), Y(edge[i][1]));
            QuietTick();
            EXPECT_TRUE(SameRect(Frame(), away, 0, 0, kWidth, kHeight)) << "place " << k << " edge";
        }
    }
}

TEST_F(LevelScreen, BriefingShowsSixteenLinesReadAfreshAndAFileThatCannotBeReadOnce) {
    StartScreen(level());
    EXPECT_TRUE(ShowsBriefing(FileLines("lv1.txt")));
    std::string twenty;
    std::vector<std::string> sixteen;
    for (int i = 1; i <= 20; ++i) {
        twenty += "Line " + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
        if (i <= 16) sixteen.push_back("Line " + std::to_string(i));
    }
    WriteFile("lv1.txt", twenty);
    Ticks(level(), 1);
    EXPECT_TRUE(ShowsBriefing(sixteen));

    // A line too wide for the box goes on in the next displayed line.
    WriteFile("lv1.txt", std::string(60, 'w'));
    Ticks(level(), 1);
    EXPECT_FALSE(ShowsBriefing({std::string(60, 'w')}));
    int lit = 0;
    for (int y = Y(420); y < Y(430); ++y)
        for (int x = X(703); x < X(900); ++x)
            lit += Frame().At(x, y) != 0;
    EXPECT_GT(lit, 10);

    // Missing, a pipe, too large: the box without text and the rest as ever, reported once.
    const std::string problem[] = {"Cannot open file lv1.txt", "Cannot open file lv1.txt",
                                   "too large"};
    for (int i = 0; i < 3; ++i) {
        std::filesystem::remove("lv1.txt");
        if (i == 1) {
            ASSERT_EQ(mkfifo("lv1.txt", 0644), 0);
        }
        if (i == 2) WriteFile("lv1.txt", std::string(2 << 20, 'x'));
        Game().MarkerBlink = 15;
        Ticks(level(), 3);
        EXPECT_TRUE(ShowsBriefing({}));
        EXPECT_TRUE(ShowsPicture(Frame(), X(77), Y(199), "Form6.Image2"));
        const std::vector<std::string> errors = driver->TakeErrors();
        ASSERT_EQ(errors.size(), 1u) << i;
        EXPECT_NE(errors[0].find(problem[i]), std::string::npos) << errors[0];
        std::filesystem::remove("lv1.txt");
        WriteFile("lv1.txt", "Back\n");
        Ticks(level(), 1);
        EXPECT_TRUE(ShowsBriefing({"Back"}));
    }
}

TEST_F(LevelScreen, TheMapStaysCentredAndClippedAtAnyWindowSize) {
    StartScreen(level());
    for (auto [w, h] : {std::pair{971, 627}, {200, 100}, {1, 1}, {2100, 3100}}) {
        driver->SetSize(w, h);
        Ticks(level(), 1);
        // The client size the screen sees: a display beyond 2000 x 3000 is shared out in blocks.
        const int mapX = level().W() / 2 - 512, mapY = level().H() / 2 - 346;
        EXPECT_TRUE(ShowsPicture(Frame(), mapX, mapY, "Form5.Image3", std::max(0, -mapX),
                                 std::max(0, -mapY), 1, 1))
            << w << " x " << h;
    }
    EXPECT_TRUE(driver->TakeErrors().empty());
}

}  // namespace
}  // namespace vm::testing
