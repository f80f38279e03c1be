// level_screen_test.cpp -- the level screen's map, skulls, fire burst, briefing, hovered places,
// its buttons' places, QUIT and the click into the battle.
#include <string>
#include <vector>

#include "app/form_refs.h"
#include "screen_fixture.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "state/game_state.h"
#include "toolkit/raster/canvas.h"

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
    int X(int mapX) { return level().MapX() + mapX; }
    int Y(int mapY) { return level().MapY() + mapY; }

    // One tick on which the fire burst is between its showings.
    void QuietTick() {
        Game().MarkerBlink = 15;
        Ticks(level(), 1);
    }

    // The frame as it should look over the box and below it: map, black box, then each given
    // line over its shadow.
    tk::Bitmap ExpectedBriefing(const std::vector<std::string>& lines) {
        tk::Bitmap want = Frame();
        tk::Canvas c(want);
        c.Draw(level().MapX(), level().MapY(), Assets().Get("Form5.Image3"));
        c.FillRect(X(701), Y(400), X(999), Y(601), 0);
        c.SetFontSize(11);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            c.SetFontColor(0);
            c.TextOut(X(704), Y(403 + 14 * int(i)), lines[i]);
            c.SetFontColor(tk::Rgb(255, 255, 0));
            c.TextOut(X(703), Y(402 + 14 * int(i)), lines[i]);
        }
        return want;
    }
    ::testing::AssertionResult ShowsBriefing(const std::vector<std::string>& lines) {
        return SameRect(Frame(), ExpectedBriefing(lines), X(701), Y(400), X(999), Y(700));
    }
};

TEST_F(LevelScreen, SkullsUpToTheLevelAndTheBurstCycleOnItsPlace) {
    for (int lv : {1, 11}) {
        Game().Level = lv;
        if (lv == 1) StartScreen(level());
        QuietTick();
        for (int k = 1; k <= 11; ++k) {
            const Place& p = kPlaces[k - 1];
            if (k <= lv)
                EXPECT_TRUE(ShowsPicture(Frame(), X(p.skullX), Y(p.skullY), "Form6.Image2"))
                    << "level " << lv << ", place " << k;
            else
                EXPECT_TRUE(ShowsPart(Frame(), level().MapX(), level().MapY(), "Form5.Image3",
                                      p.skullX, p.skullY, 30, 30))
                    << "level " << lv << ", place " << k << " has no skull yet";
        }
        // Frames 1..10 on ten ticks, then eleven ticks of nothing, then round again.
        const Place& here = kPlaces[lv - 1];
        Game().MarkerBlink = 0;
        for (int tick = 1; tick <= 22; ++tick) {
            Ticks(level(), 1);
            const int blink = tick % 21;
            ASSERT_EQ(Game().MarkerBlink, blink);
            if (blink >= 1 && blink <= 10)
                EXPECT_TRUE(ShowsPicture(Frame(), X(here.burstX - 10), Y(here.burstY - 10),
                                         "Form6.Image" + std::to_string(2 + blink)))
                    << "level " << lv << ", tick " << tick;
            else
                EXPECT_TRUE(ShowsPicture(Frame(), X(here.skullX), Y(here.skullY), "Form6.Image2"))
                    << "level " << lv << ", tick " << tick;
        }
    }
    EXPECT_TRUE(driver->TakeErrors().empty());
}

TEST_F(LevelScreen, APlaceShowsItsPictureOnlyStrictlyInsideItsRange) {
    Game().Level = 3;
    StartScreen(level());
    driver->Move(level(), 5, 5);
    QuietTick();
    const tk::Bitmap away = Frame();
    for (int k = 1; k <= 11; ++k) {
        const Place& p = kPlaces[k - 1];
        const int midX = (p.left + p.right) / 2, midY = (p.top + p.bottom) / 2;
        const int inside[4][2] = {
            {p.left + 1, midY}, {p.right - 1, midY}, {midX, p.top + 1}, {midX, p.bottom - 1}};
        const int edge[4][2] = {{p.left, midY}, {p.right, midY}, {midX, p.top}, {midX, p.bottom}};
        for (const auto& at : inside) {
            driver->Move(level(), X(at[0]), Y(at[1]));
            QuietTick();
            const std::string picture = "Form6.Image" + std::to_string(15 + k);
            EXPECT_TRUE(ShowsPart(Frame(), X(700), Y(350), picture, 40, 40, 220, 220))
                << "place " << k << " at " << at[0] << "," << at[1];
            // The frame's right edge lies under the buttons at this window size.
            EXPECT_TRUE(ShowsPart(Frame(), X(690), Y(340), "Form6.Image27", 0, 0, 310, 320))
                << "place " << k;
        }
        for (const auto& at : edge) {
            driver->Move(level(), X(at[0]), Y(at[1]));
            QuietTick();
            EXPECT_TRUE(SameRect(Frame(), away, 0, 0, kWidth, kHeight))
                << "place " << k << " on its edge " << at[0] << "," << at[1];
        }
    }
}

TEST_F(LevelScreen, BriefingShowsSixteenLinesReadAfreshAndAMissingFileOnce) {
    WriteFile("lv1.txt", "Battle 1: Gorg Na'kath\r\n\r\nThe first of the weak ones\r\n");
    StartScreen(level());
    EXPECT_TRUE(ShowsBriefing({"Battle 1: Gorg Na'kath", "", "The first of the weak ones"}));

    // A changed file shows on the next tick; only the first 16 lines are drawn.
    std::string twenty;
    std::vector<std::string> sixteen;
    for (int i = 1; i <= 20; ++i) {
        twenty += "Line " + std::to_string(i) + "\n";
        if (i <= 16) sixteen.push_back("Line " + std::to_string(i));
    }
    WriteFile("lv1.txt", twenty);
    Ticks(level(), 1);
    EXPECT_TRUE(ShowsBriefing(sixteen));

    // A line too wide for the box goes on in the next displayed line.
    WriteFile("lv1.txt", std::string(60, 'w') + " " + std::string(60, 'w'));
    Ticks(level(), 1);
    EXPECT_FALSE(ShowsBriefing({std::string(60, 'w') + " " + std::string(60, 'w')}));
    int yellowInSecondLine = 0;
    for (int x = X(703); x < X(999); ++x)
        for (int y = Y(416); y < Y(430); ++y)
            yellowInSecondLine += Frame().At(x, y) == tk::Rgb(255, 255, 0);
    EXPECT_GT(yellowInSecondLine, 20);

    // Missing: the box without text, the rest of the screen as ever, reported once.
    std::filesystem::remove("lv1.txt");
    Game().MarkerBlink = 15;
    Ticks(level(), 3);
    EXPECT_TRUE(ShowsBriefing({}));
    EXPECT_TRUE(ShowsPicture(Frame(), X(77), Y(199), "Form6.Image2"));
    EXPECT_EQ(driver->TakeErrors(), std::vector<std::string>{"Cannot open file lv1.txt"});
    WriteFile("lv1.txt", "Back\n");
    Ticks(level(), 1);
    EXPECT_TRUE(ShowsBriefing({"Back"}));
    std::filesystem::remove("lv1.txt");
    Ticks(level(), 2);
    EXPECT_EQ(driver->TakeErrors(), std::vector<std::string>{"Cannot open file lv1.txt"});
}

TEST_F(LevelScreen, ButtonsStandAtTheLowerRightAtEveryWindowSize) {
    for (auto [w, h] : {std::pair{1280, 720}, {971, 627}, {200, 100}, {1, 1}, {2100, 3100}}) {
        driver->SetSize(w, h);
        if (w == 1280)
            StartScreen(level());
        else
            Ticks(level(), 1);
        EXPECT_EQ(level().Button3.top, h - 210);
        EXPECT_EQ(level().Button2.top, h - 180);
        EXPECT_EQ(level().Button1.top, h - 150);
        for (tk::Button* b : {&level().Button1, &level().Button2, &level().Button3}) {
            EXPECT_EQ(b->left, w - 150);
            EXPECT_TRUE(b->Visible() && b->Enabled());
        }
        // The map stays centred, clipped at any edge.
        const int mapX = w / 2 - 512, mapY = h / 2 - 346;
        const int px = std::max(0, mapX), py = std::max(0, mapY);
        EXPECT_EQ(driver->Pixel(level(), px, py), PixelsOf("Form5.Image3").At(px - mapX, py - mapY))
            << w << " x " << h;
    }
    EXPECT_TRUE(driver->TakeErrors().empty());
}

TEST_F(LevelScreen, QuitHidesTheScreenAndAClickStartsTheBattleWithTheLevelsTower) {
    StartScreen(level());
    Game().Level = 4;
    Game().Flask = 12;
    driver->Click(level(), kWidth - 140, kHeight - 140);  // QUIT
    EXPECT_FALSE(level().Visible() || level().Timer1.Enabled());
    EXPECT_EQ(Game().Level, 4);
    EXPECT_EQ(Game().Flask, 12);
    EXPECT_EQ(Game().PlayerTower, 400);

    for (int lv : {1, 11}) {
        Game().Level = lv;
        StartScreen(level());
        driver->Click(level(), 300, 300);
        EXPECT_EQ(Game().PlayerTower, 400 - 10 * lv);
        EXPECT_EQ(Game().LevelIntroTicks, 50);
        EXPECT_EQ(driver->VisibleLine(), "visible Form4");
        EXPECT_TRUE(Form4->Timer1.Enabled() && !level().Timer1.Enabled());
        Form4->Timer1.SetEnabled(false);
        Form4->Hide();
    }
}

}  // namespace
}  // namespace vm::testing
