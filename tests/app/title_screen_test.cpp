// title_screen_test.cpp -- the title window on the headless host: the tower, the credits and the
// two buttons; START's new game, its music and its hand-over; start-up without its files.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scratch_game_folder.h"
#include "screen_helpers.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"
#include "state/random.h"
#include "toolkit/error.h"
#include "toolkit/raster/font.h"
#include "toolkit/raster/text_layout.h"
#include "toolkit/sound/wav.h"

namespace vm {
namespace {

using testing::BoundsOf;
using testing::ClickOn;
using testing::Dark;
using testing::ScratchGameFolder;

constexpr tk::Color kBlack = 0x000000;
constexpr tk::Color kSilver = 0xC0C0C0;
constexpr tk::Color kKey = 0xFF01FC;

TEST(TitleWindow, ShowsTheTowerAtNaturalSizeCutBelowRow409WithTheKeyColourLeftOut) {
    GameDriver d;
    d.Wait(10);
    tk::Form& title = *Form1;
    EXPECT_EQ(d.VisibleLine(), "visible Form1");
    ASSERT_EQ(title.ClientWidth(), 460);
    ASSERT_EQ(title.ClientHeight(), 424);

    const tk::Picture& tower = Assets().Get("Form1.Image1");
    ASSERT_TRUE(tower.Transparent());
    ASSERT_EQ(tower.KeyColor(), kKey);
    const tk::Bitmap& pixels = tower.Pixels();
    ASSERT_EQ(pixels.width, 247);
    ASSERT_EQ(pixels.height, 500);

    // Rows 0..408 stand at (8, 8) pixel for pixel; the magenta leaves the window's black.
    int keyed = 0, drawn = 0, wrongKeyed = 0, wrongDrawn = 0;
    for (int y = 0; y < 409; ++y) {
        for (int x = 0; x < 247; ++x) {
            const tk::Color want = pixels.At(x, y);
            const tk::Color got = d.Pixel(title, 8 + x, 8 + y);
            if (want == kKey) {
                ++keyed;
                wrongKeyed += got != kBlack;
            } else {
                ++drawn;
                wrongDrawn += got != want;
            }
        }
    }
    EXPECT_GT(keyed, 10000);
    EXPECT_GT(drawn, 10000);
    EXPECT_EQ(wrongKeyed, 0) << "key colour drawn";
    EXPECT_EQ(wrongDrawn, 0) << "tower pixels not at natural size from (8, 8)";

    // The tower goes on below row 409, but the window shows black there: nothing stretches it.
    int below = 0, leaked = 0;
    for (int y = 409; y < 416; ++y)
        for (int x = 0; x < 247; ++x) {
            if (pixels.At(x, y) != kKey) ++below;
            leaked += d.Pixel(title, 8 + x, 8 + y) != kBlack;
        }
    EXPECT_GT(below, 100) << "the picture should reach below the cut for this check to bite";
    EXPECT_EQ(leaked, 0);
    // The frame is 249 wide: its last two columns and the gap to the credits stay black.
    for (int y = 8; y < 417; y += 7)
        for (int x = 255; x < 264; ++x)
            ASSERT_EQ(d.Pixel(title, x, y), kBlack) << x << "," << y;
}

TEST(TitleWindow, ShowsTheCreditsInASilverBoxAndTheTwoButtonsBelow) {
    GameDriver d;
    d.Wait(10);
    auto& title = *Form1;

    ASSERT_EQ(title.Memo1.Count(), 23);
    EXPECT_EQ(title.Memo1.Line(0), "VELLMOOR");
    EXPECT_EQ(title.Memo1.Lines(), testing::FileLines("credits.txt"));

    // The box: silver inside, black around it.
    const testing::Box box =
        BoundsOf(d, title, 258, 0, 460, 390, [](tk::Color c) { return c != kBlack; });
    EXPECT_EQ(box.left, 264);
    EXPECT_EQ(box.top, 8);
    EXPECT_EQ(box.right, 264 + 193 - 1);
    EXPECT_EQ(box.bottom, 8 + 377 - 1);
    EXPECT_EQ(d.Pixel(title, 264 + 96, 8 + 370), kSilver);  // below the last credits line

    // "VELLMOOR" on the first line: dark letters as wide as the word in 8 points.
    const int lineHeight = tk::GlyphsFor(8, false).CellHeight();
    const testing::Box word =
        BoundsOf(d, title, 266, 10, 455, 10 + lineHeight, [](tk::Color c) { return Dark(c); });
    ASSERT_FALSE(word.Empty()) << "no text on the first line";
    EXPECT_NEAR(word.right - word.left + 1, tk::MeasureText("VELLMOOR", 8), 3);

    // Instructions at (264, 392) and START at (376, 392), 75 x 25 each, black between (a
    // button's outermost right and bottom edges are black themselves, two lines when focused).
    const testing::Box buttons =
        BoundsOf(d, title, 258, 388, 460, 424, [](tk::Color c) { return c != kBlack; });
    EXPECT_EQ(buttons.left, 264);
    EXPECT_EQ(buttons.top, 392);
    EXPECT_NEAR(buttons.right, 376 + 75 - 2, 1);
    EXPECT_NEAR(buttons.bottom, 392 + 25 - 2, 1);
    for (int x = 264 + 75; x < 376; ++x)
        ASSERT_EQ(d.Pixel(title, x, 404), kBlack) << x;
    for (int left : {264, 376}) {
        const testing::Box caption =
            BoundsOf(d, title, left, 392, left + 75, 417, [](tk::Color c) { return Dark(c); });
        EXPECT_FALSE(caption.Empty()) << "no caption on the button at " << left;
    }
    EXPECT_EQ(title.Button1.caption, "START");
    EXPECT_EQ(title.Button2.caption, "Instructions");
}

TEST(TitleWindow, StartHasTheFocusAndTabGoesToTheCreditsThenInstructions) {
    GameDriver d;
    d.Wait(10);
    auto& title = *Form1;
    EXPECT_EQ(title.Focused(), &title.Button1);
    d.Key(title, "Tab");
    EXPECT_EQ(title.Focused(), &title.Memo1);
    d.Key(title, "Tab");
    EXPECT_EQ(title.Focused(), &title.Button2);
    d.Key(title, "Tab");
    EXPECT_EQ(title.Focused(), &title.Button1);
    // Return on the focused START starts a game, as a click would.
    d.Key(title, "Return");
    EXPECT_EQ(d.VisibleLine(), "visible Form2");
}

TEST(TitleWindow, TheCreditsBoxTakesTyping) {
    GameDriver d;
    d.Wait(10);
    auto& title = *Form1;
    d.Click(title, 264 + 96, 8 + 370);
    ASSERT_EQ(title.Focused(), &title.Memo1);
    tk::Event typed;
    typed.type = tk::EventType::TextInput;
    typed.window = title.Window();
    typed.text = "!";
    d.Host().Inject(typed);
    d.Wait(1);
    EXPECT_EQ(title.Memo1.Line(title.Memo1.Count() - 1), "Copyright Hollowcandle Studio!");
}

// The hand START deals for a clock: the generator reseeded from it, the hundred spark drifts
// drawn first, then one card per slot.
std::array<int32_t, 6> HandFor(uint32_t clock) {
    Random r;
    r.Reseed(clock);
    for (int i = 1; i <= 100; ++i)
        r.Below(5);
    std::array<int32_t, 6> hand{};
    for (int slot = 1; slot <= 5; ++slot)
        hand[std::size_t(slot)] = 1 + r.Below(70);
    return hand;
}

std::array<int32_t, 6> HandAfterStart(uint32_t clock) {
    GameDriver d(clock);
    d.SetClock(clock);
    ClickOn(d, *Form1, "Button1");
    return Game().HandCard;
}

TEST(Start, WithTheClockFixedDealsTheHandOfTheGeneratorEveryTime) {
    const auto midnight = HandAfterStart(0);
    const auto noon = HandAfterStart(43'200'000);
    const auto lastMs = HandAfterStart(86'399'999);
    EXPECT_EQ(midnight, HandFor(0));
    EXPECT_EQ(noon, HandFor(43'200'000));
    EXPECT_EQ(lastMs, HandFor(86'399'999));
    EXPECT_EQ(HandAfterStart(43'200'000), noon);
    EXPECT_NE(noon, midnight);
}

TEST(Start, PlaysTheTitleMusicAndHandsOverToTheIntro) {
    GameDriver d;
    d.Host().KeepAudio(true);
    d.Wait(300);
    const std::vector<int16_t> before = d.Host().TakeAudio();
    ASSERT_FALSE(before.empty());
    for (int16_t s : before)
        ASSERT_EQ(s, 0) << "sound before START";
    EXPECT_EQ(d.SoundsLine(), "sounds");

    ClickOn(d, *Form1, "Button1");
    EXPECT_EQ(d.SoundsLine(), "sounds 1");
    EXPECT_EQ(d.VisibleLine(), "visible Form2");
    EXPECT_TRUE(Form2->Timer1.Enabled());
    EXPECT_TRUE(Form1->Timer1.Enabled()) << "the watchdog keeps ticking";

    // What the game mixes from then on is the title music from its beginning (it fades in).
    d.Wait(2000);
    const std::vector<int16_t> after = d.Host().TakeAudio();
    const tk::SoundData music = tk::LoadWavFile("carpathian.wav");
    ASSERT_GE(after.size(), std::size_t(2 * 44100));
    ASSERT_GE(music.samples.size(), after.size());
    int peak = 0, differing = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        peak = std::max(peak, std::abs(int(after[i])));
        differing += after[i] != music.samples[i];
    }
    EXPECT_GT(peak, 1000) << "the title music is silent";
    EXPECT_EQ(differing, 0) << "the mix is not the title music from its start";
    EXPECT_TRUE(Form1->MediaPlayer(1).IsPlaying());
}

struct Snapshot {
    decltype(GameState::CardCostBlue) blue, red, yellow, blueRare, redRare, yellowRare, green;
    decltype(GameState::StarX) starX;
    decltype(GameState::RainX) rainX;
    decltype(GameState::SparkDrift) sparks;
};

Snapshot Take(const GameState& s) {
    return {s.CardCostBlue,    s.CardCostRed,        s.CardCostYellow, s.CardCostBlueRare,
            s.CardCostRedRare, s.CardCostYellowRare, s.CardCostGreen,  s.StarX,
            s.RainX,           s.SparkDrift};
}

TEST(Start, TwiceInOneRunKeepsTheCampaignAndDealsAfresh) {
    GameDriver d(1000);
    d.SetClock(1000);
    ClickOn(d, *Form1, "Button1");
    const Snapshot first = Take(Game());
    EXPECT_EQ(first.blue[9], 12);
    EXPECT_EQ(first.green[69], 7);
    EXPECT_EQ(first.yellow[37], 6);

    // What a first game leaves behind.
    GameState& g = Game();
    g.Level = 4;
    g.PlayerBlue = 17;
    g.EnemyTower = 250;
    g.Flask = 35;
    g.MoonPhase = 3;
    g.Achievements[7] = 1;
    g.Achievements[29] = 1;
    g.SlotPendant[2] = 3;

    // Intro, story, level screen, QUIT: the watchdog brings the title back within a second.
    d.Wait(50);
    d.Click(*Form2, 600, 300);
    d.Wait(100);
    ASSERT_EQ(d.VisibleLine(), "visible Form11");
    d.Click(*Form11, 600, 300);
    d.Wait(100);
    ASSERT_EQ(d.VisibleLine(), "visible Form6");
    ClickOn(d, *Form6, "Button1");
    EXPECT_EQ(d.VisibleLine(), "visible");
    d.Wait(1000);
    ASSERT_EQ(d.VisibleLine(), "visible Form1");

    d.SetClock(2000);
    ClickOn(d, *Form1, "Button1");
    EXPECT_EQ(d.VisibleLine(), "visible Form2");
    EXPECT_EQ(d.SoundsLine(), "sounds 1");
    const Snapshot second = Take(Game());
    EXPECT_EQ(second.blue, first.blue);
    EXPECT_EQ(second.red, first.red);
    EXPECT_EQ(second.yellow, first.yellow);
    EXPECT_EQ(second.blueRare, first.blueRare);
    EXPECT_EQ(second.redRare, first.redRare);
    EXPECT_EQ(second.yellowRare, first.yellowRare);
    EXPECT_EQ(second.green, first.green);
    EXPECT_NE(second.starX, first.starX);
    EXPECT_NE(second.rainX, first.rainX);
    EXPECT_NE(second.sparks, first.sparks);
    EXPECT_EQ(g.HandCard, HandFor(2000));
    for (int a = 0; a < 30; ++a)
        EXPECT_EQ(g.Achievements[std::size_t(a)], 0) << a;
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(g.SlotPendant[slot], 0) << slot;
    EXPECT_EQ(g.Level, 4);
    EXPECT_EQ(g.PlayerBlue, 17);
    EXPECT_EQ(g.EnemyTower, 250);
    EXPECT_EQ(g.Flask, 35);
    EXPECT_EQ(g.MoonPhase, 3);
}

TEST(StartUp, StopsWithTheNameOfAMissingOrBrokenSoundFile) {
    struct Case {
        const char* file;
        bool missing;
        std::string bytes;
    };
    const Case cases[] = {
        {"drip.wav", true, ""},
        {"carpathian.wav", false, ""},
        {"boom.wav", false, "this is no sound at all"},
        {"haunt2.wav", false, std::string("RIFF\x24\0\0\0WAVE", 12)},  // a header, no data
    };
    for (const Case& c : cases) {
        ScratchGameFolder folder;
        if (c.missing) {
            folder.Remove(c.file);
        } else {
            folder.Write(c.file, c.bytes);
        }
        try {
            GameDriver d;
            ADD_FAILURE() << "the game started without a usable " << c.file;
        } catch (const tk::Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << e.what();
        }
    }
    // Nothing of the failed starts stays behind: a game starts cleanly afterwards.
    ScratchGameFolder folder;
    GameDriver d;
    EXPECT_EQ(d.VisibleLine(), "visible Form1");
    EXPECT_TRUE(d.TakeErrors().empty());
}

TEST(StartUp, WithoutTheCreditsFileReportsItAndStillRuns) {
    ScratchGameFolder folder;
    folder.Remove("credits.txt");
    GameDriver d;
    d.Wait(10);
    const std::vector<std::string> errors = d.TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Cannot open file credits.txt");
    EXPECT_EQ(Form1->Memo1.Count(), 0);
    EXPECT_EQ(d.VisibleLine(), "visible Form1");
    ClickOn(d, *Form1, "Button1");
    EXPECT_EQ(d.VisibleLine(), "visible Form2");
}

}  // namespace
}  // namespace vm
