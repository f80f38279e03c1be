// story_screen_test.cpp -- the story's painting and scrolling lines on the headless host, the
// story file at start-up, and both screens at tiny and huge window sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "frame_compare.h"
#include "scratch_game_folder.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"
#include "toolkit/error.h"

namespace vm {
namespace {

constexpr int W = 1280, H = 720;

void Start(GameDriver& d) {
    d.Click(*Form1, Form1->Button1.left + 5, Form1->Button1.top + 5);
    d.Wait(10);
}

struct Story : ::testing::Test {
    GameDriver d{43200000, W, H};
    void SetUp() override {
        Start(d);
        d.Click(*Form2, 100, 100);  // inside the hidden story box: the click still goes through
    }
    // The painting centred, the first 81 displayed lines 18 apart from H / 2 + 384 - scroll.
    static tk::Bitmap Page(int scroll, bool withText = true) {
        tk::Bitmap b(W, H);
        tk::Canvas c(b);
        c.Draw(W / 2 - 512, H / 2 - 382, Assets().Get("Form2.Image2"));
        c.SetFontSize(10);
        const auto& lines = Form2->Memo1.DisplayedLines();
        for (int i = 0; withText && i < 81 && i < int(lines.size()); ++i)
            c.TextOut(W / 2 + 48, H / 2 + 384 - scroll + 18 * i, lines[std::size_t(i)]);
        return b;
    }
    int Differences(const tk::Bitmap& want) { return testing::Differences(d.Frame(*Form11), want); }
};

TEST_F(Story, TheStoryIsWrappedInItsBoxAndDrawnWithTheScrollBeforeTheTick) {
    const auto& lines = Form2->Memo1.DisplayedLines();
    ASSERT_GE(lines.size(), 71u);
    EXPECT_EQ(lines[0], "Ny'reth 15 - The Year of The Fall - 886");
    Game().StoryScroll = 700;
    d.Wait(75);
    EXPECT_EQ(Game().StoryScroll, 701);
    EXPECT_EQ(Differences(Page(700)), 0);
    EXPECT_GT(Differences(Page(700, false)), 1000) << "the text should show over the mist";
}

TEST_F(Story, TheScrollStopsAt2500WithThePaintingLeftBare) {
    Game().StoryScroll = 1700;  // the last lines cross the painting
    d.Wait(75);
    EXPECT_EQ(Differences(Page(1700)), 0);
    EXPECT_GT(Differences(Page(1700, false)), 300);
    Game().StoryScroll = 2490;
    d.Wait(75 * 30);
    EXPECT_EQ(Game().StoryScroll, 2500);
    EXPECT_EQ(Differences(Page(2500, false)), 0);
}

TEST_F(Story, ASecondPassGoesOnWhereTheFirstStopped) {
    d.Wait(75 * 30);
    EXPECT_EQ(Game().StoryScroll, 30);
    d.Click(*Form11, 400, 300);
    d.Wait(70);
    d.Click(*Form6, Form6->Button1.left + 5, Form6->Button1.top + 5);  // QUIT
    d.Wait(1000);
    ASSERT_EQ(d.VisibleLine(), "visible Form1");
    Start(d);
    d.Click(*Form2, 400, 300);
    d.Wait(75);
    EXPECT_EQ(Game().StoryScroll, 31);
    EXPECT_EQ(Differences(Page(30)), 0);
}

TEST(StoryFile, AMissingStoryStopsStartUpNamingTheFile) {
    testing::ScratchGameFolder folder;
    folder.Remove("story.txt");
    try {
        GameDriver d;
        ADD_FAILURE() << "start-up went on without the story";
    } catch (const tk::Error& e) {
        EXPECT_STREQ(e.what(), "Cannot open file story.txt");
    }
}

TEST(ScreenSizes, IntroAndStoryTickAtTinyAndHugeSizesWithoutErrors) {
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2600, 3100}}) {
        GameDriver d(43200000, w, h);
        Start(d);
        Game().LightningTick = 150;  // strike and flicker within the run
        d.Wait(10 * 119);
        EXPECT_EQ(Game().TowerRise, 500) << w;
        EXPECT_EQ(Game().LightningTick, 269) << w;
        EXPECT_GE(Game().LightningX, 0) << w;
        EXPECT_LE(Game().LightningX, std::max(0, Form2->W() - 1)) << w;
        Form2->Image1Click();  // a window without pixels takes no click
        d.Wait(75 * 10);
        EXPECT_EQ(Game().StoryScroll, 10) << w;
        EXPECT_TRUE(d.TakeErrors().empty()) << w;
        if (w > 2000) {  // a display beyond the frame is shared out in whole blocks
            EXPECT_EQ(Form11->W(), w / 2);
            EXPECT_EQ(Form11->H(), h / 2);
        }
    }
}

}  // namespace
}  // namespace vm
