// level_save_load_test.cpp -- Save and Load on the level screen's buttons: the file, the boom,
// Save's disabling until a battle has ticked, and bad files that change nothing.
#include <filesystem>

#include "screen_fixture.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"

namespace vm::testing {
namespace {

class LevelSaveLoad : public ScreenTest {
  protected:
    TForm6& level() { return *Form6; }
    // Real clicks where the buttons stand: Load, Save and QUIT from the top, 30 pixels apart.
    void ClickLoad() { driver->Click(level(), kWidth - 140, kHeight - 200); }
    void ClickSave() { driver->Click(level(), kWidth - 140, kHeight - 170); }
    void ClickQuit() { driver->Click(level(), kWidth - 140, kHeight - 140); }
    bool Booming() { return driver->SoundsLine().find(" 18") != std::string::npos; }
    static bool Saved() { return std::filesystem::exists("zcxa1.txt"); }
};

// A save of `lines` lines: header, level, flask, then the flags.
std::string SaveText(int level, int flask, int flag = 0, int lines = 33) {
    std::string text = "Recalc\r\n" + std::to_string(level) + "\r\n" + std::to_string(flask);
    for (int k = 0; k < lines - 3; ++k)
        text += "\r\n" + std::to_string(flag);
    return text + "\r\n";
}

TEST_F(LevelSaveLoad, SaveThenLoadGivesBackTheCampaignAndNothingElse) {
    StartScreen(level());
    GameState& s = Game();
    s.Level = 7;
    s.Flask = 33;
    s.Achievements.fill(1);
    ClickSave();
    EXPECT_EQ(ReadFile("zcxa1.txt"), SaveText(7, 33, 1));
    EXPECT_TRUE(Booming());
    EXPECT_EQ(s.JustSaved, 1);

    s.Level = 2;
    s.Flask = 0;
    s.Achievements = {};
    s.PlayerTower = 123;
    s.JustSaved = 0;
    ClickLoad();
    EXPECT_EQ(s.Level, 7);
    EXPECT_EQ(s.Flask, 33);
    EXPECT_EQ(s.Achievements[0] + s.Achievements[29], 2);
    EXPECT_EQ(s.PlayerTower, 123);
    EXPECT_EQ(s.JustSaved, 0);
    EXPECT_TRUE(driver->TakeErrors().empty());
}

TEST_F(LevelSaveLoad, SaveIsDisabledFromTheNextTickThroughLoadQuitAndStartUntilAMapTick) {
    StartScreen(level());
    ClickSave();
    std::filesystem::remove("zcxa1.txt");
    ClickSave();  // before the tick it still saves
    ASSERT_TRUE(Saved());
    Ticks(level(), 1);
    std::filesystem::remove("zcxa1.txt");
    ClickSave();
    EXPECT_FALSE(Saved() || level().Button2.Enabled());

    WriteFile("zcxa1.txt", SaveText(2, 5));
    ClickLoad();
    Ticks(level(), 1);
    EXPECT_EQ(Game().Level, 2);
    EXPECT_FALSE(level().Button2.Enabled());

    // QUIT (which changes nothing), the title comes back, START, and on through the intro and
    // the story to this screen.
    Game().Flask = 7;
    ClickQuit();
    EXPECT_TRUE(Game().Level == 2 && Game().Flask == 7 && Game().JustSaved == 1);
    driver->Wait(1000);
    const tk::Button& start = Form1->Button1;
    driver->Click(*Form1, start.left + start.width / 2, start.top + start.height / 2);
    driver->Wait(100);
    driver->Click(driver->FormNamed("Form2"), 400, 300);
    driver->Wait(100);
    driver->Click(driver->FormNamed("Form11"), 400, 300);
    driver->Wait(70);
    ASSERT_EQ(driver->VisibleLine(), "visible Form6");
    EXPECT_EQ(Game().Level, 2);
    EXPECT_FALSE(level().Button2.Enabled());

    driver->Click(level(), 300, 300);
    driver->Wait(80);
    Form4->Timer1.SetEnabled(false);
    Form4->Hide();
    StartScreen(level());
    EXPECT_TRUE(level().Button2.Enabled());
    EXPECT_TRUE(driver->TakeErrors().empty());
}

TEST_F(LevelSaveLoad, BadSaveFilesAreReportedAndChangeNoGameState) {
    struct Case {
        const char* what;
        std::string bytes, message;
    };
    const Case cases[] = {
        {"missing", "", "Cannot open file zcxa1.txt"},
        {"32 lines", SaveText(5, 10, 1, 32), "'' is not a valid integer value"},
        {"trailing space", "Recalc\r\n5 \r\n" + SaveText(5, 10).substr(11),
         "'5 ' is not a valid integer value"},
        {"Level 12", SaveText(12, 10), "Level is 12, outside 1..11"},
        {"10 MB", std::string(10 << 20, '1'), "too large"},
    };
    StartScreen(level());
    GameState& s = Game();
    for (const Case& c : cases) {
        std::filesystem::remove("zcxa1.txt");
        if (c.what != std::string("missing")) WriteFile("zcxa1.txt", c.bytes);
        s.Level = 3;
        s.Flask = 20;
        s.Achievements = {};
        ClickLoad();
        const std::vector<std::string> errors = driver->TakeErrors();
        ASSERT_EQ(errors.size(), 1u) << c.what;
        EXPECT_NE(errors[0].find(c.message), std::string::npos) << c.what << ": " << errors[0];
        EXPECT_TRUE(s.Level == 3 && s.Flask == 20 && s.Achievements[0] == 0) << c.what;
    }
}

TEST_F(LevelSaveLoad, AFailedSaveIsReportedWithoutBoomAndSaveStaysEnabled) {
    std::filesystem::create_directory("zcxa1.txt");  // cannot be replaced by a file
    StartScreen(level());
    ClickSave();
    EXPECT_EQ(driver->TakeErrors(), std::vector<std::string>{"Cannot create file zcxa1.txt"});
    EXPECT_FALSE(Booming());
    EXPECT_EQ(Game().JustSaved, 0);
    Ticks(level(), 1);
    EXPECT_TRUE(level().Button2.Enabled());
}

}  // namespace
}  // namespace vm::testing
