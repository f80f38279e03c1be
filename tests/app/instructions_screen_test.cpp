// instructions_screen_test.cpp -- the instructions window on the headless host: opened from the
// title, its nine topics read afresh on every press, a missing topic, closing and scrolling.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scratch_game_folder.h"
#include "screen_helpers.h"
#include "screens/instructions/instructions_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"
#include "toolkit/raster/font.h"

namespace vm {
namespace {

using testing::BoundsOf;
using testing::ClickOn;
using testing::FileLines;

constexpr tk::Color kBlack = 0x000000;
constexpr tk::Color kSilver = 0xC0C0C0;
constexpr tk::Color kRed = 0xFF0000;

const std::vector<std::string> kWelcome = {"Welcome to Vellmoor",
                                           "Please select a button on the left.",
                                           "You can close this window at any time."};

struct TopicButton {
    int number;
    const char* caption;
    const char* file;
    int top;
};
// From the top of the column down.
const TopicButton kColumn[] = {
    {1, "Overview", "overview.txt", 64}, {2, "Resources", "resources.txt", 96},
    {3, "The Cards", "cards.txt", 128},  {8, "Pendants", "pendants.txt", 160},
    {9, "Blood", "blood.txt", 192},      {4, "The Moon", "moon.txt", 224},
    {5, "The Map", "map.txt", 256},      {6, "Achievement", "achievement.txt", 288},
    {7, "About", "about.txt", 320},
};

class Instructions : public ::testing::Test {
  protected:
    testing::ScratchGameFolder folder;  // before the game: it starts in this folder
    GameDriver d;

    TForm9& Help() { return *Form9; }
    void OpenFromTitle() { ClickOn(d, *Form1, "Button2"); }
    void Press(int number) { ClickOn(d, Help(), "Button" + std::to_string(number)); }
};

TEST_F(Instructions, OpenFromTheTitleBesideItWithTheWelcomeLines) {
    EXPECT_FALSE(Help().Visible());
    OpenFromTitle();
    EXPECT_EQ(d.VisibleLine(), "visible Form1 Form9");
    EXPECT_EQ(Help().Caption(), "VELLMOOR - INSTRUCTIONS");
    EXPECT_EQ(Help().ClientWidth(), 615);
    EXPECT_EQ(Help().ClientHeight(), 361);
    EXPECT_EQ(Help().Memo1.Lines(), kWelcome);
    EXPECT_TRUE(Game().TopicFileName.empty());
    // The box is the player's to read, not to write.
    d.Key(Help(), "Return");
    EXPECT_EQ(Help().Memo1.Lines(), kWelcome);
}

TEST_F(Instructions, LayOutTheRedLabelTheSilverBoxAndTheColumnOfTopics) {
    OpenFromTitle();
    d.Wait(10);
    TForm9& help = Help();

    const testing::Box label =
        BoundsOf(d, help, 0, 0, 158, 60, [](tk::Color c) { return c == kRed; });
    ASSERT_FALSE(label.Empty()) << "no red label";
    EXPECT_GE(label.left, 8);
    EXPECT_GE(label.top, 24);
    EXPECT_LT(label.right, 8 + 146) << "the words run out of the label towards the text box";
    EXPECT_LT(label.bottom, 24 + 24);
    EXPECT_GT(label.bottom - label.top, 12) << "the label should be in a large face";

    const testing::Box box =
        BoundsOf(d, help, 156, 0, 615, 361, [](tk::Color c) { return c != kBlack; });
    EXPECT_EQ(box.left, 160);
    EXPECT_EQ(box.top, 8);
    EXPECT_EQ(box.right, 160 + 449 - 1);
    EXPECT_EQ(box.bottom, 8 + 345 - 1);
    EXPECT_EQ(d.Pixel(help, 300, 300), kSilver);

    // Nine buttons, 75 x 25, 32 apart, black between them (a button's outermost right and
    // bottom edges are black themselves).
    const testing::Box column =
        BoundsOf(d, help, 20, 56, 156, 361, [](tk::Color c) { return c != kBlack; });
    EXPECT_EQ(column.left, 40);
    EXPECT_EQ(column.top, 64);
    EXPECT_EQ(column.right, 40 + 75 - 2);
    EXPECT_EQ(column.bottom, 320 + 25 - 2);
    for (const TopicButton& b : kColumn) {
        EXPECT_EQ(help.Buttons[std::size_t(b.number)]->caption, b.caption);
        EXPECT_EQ(help.Buttons[std::size_t(b.number)]->top, b.top) << b.caption;
        if (b.top < 320) {
            for (int y = b.top + 25; y < b.top + 32; ++y)
                ASSERT_EQ(d.Pixel(help, 77, y), kBlack) << b.caption;
        }
    }
}

TEST_F(Instructions, TheBoxComesFirstInTheTabOrderThenTheButtonsByNumber) {
    OpenFromTitle();
    TForm9& help = Help();
    EXPECT_EQ(help.Focused(), &help.Memo1);
    for (int n = 1; n <= 9; ++n) {
        d.Key(help, "Tab");
        EXPECT_EQ(help.Focused(), help.Buttons[std::size_t(n)]) << n;
    }
    d.Key(help, "Tab");
    EXPECT_EQ(help.Focused(), &help.Memo1);
}

TEST_F(Instructions, EachButtonShowsItsTopicFile) {
    OpenFromTitle();
    for (const TopicButton& b : kColumn) {
        Press(b.number);
        const std::vector<std::string> lines = FileLines(b.file);
        ASSERT_FALSE(lines.empty()) << b.file;
        EXPECT_EQ(Help().Memo1.Lines(), lines) << b.caption;
        EXPECT_EQ(Game().TopicFileName, b.file);
        EXPECT_EQ(Help().Memo1.TopLine(), 0);
    }
    EXPECT_TRUE(d.TakeErrors().empty());
}

TEST_F(Instructions, EveryPressReadsTheFileAgain) {
    OpenFromTitle();
    folder.Write("map.txt", "The old road\r\n");
    Press(5);
    EXPECT_EQ(Help().Memo1.Lines(), std::vector<std::string>{"The old road"});
    folder.Write("map.txt", "The new road\nand a bridge\n");
    Press(5);
    EXPECT_EQ(Help().Memo1.Lines(), (std::vector<std::string>{"The new road", "and a bridge"}));
}

TEST_F(Instructions, CloseHidesTheWindowAndOpeningAgainKeepsTheTopic) {
    OpenFromTitle();
    Press(4);
    const std::vector<std::string> moon = Help().Memo1.Lines();
    d.Close(Help());
    EXPECT_FALSE(Help().Visible());
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(d.VisibleLine(), "visible Form1");
    OpenFromTitle();
    EXPECT_TRUE(Help().Visible());
    EXPECT_EQ(Help().Memo1.Lines(), moon);
    EXPECT_EQ(Game().TopicFileName, "moon.txt");
}

TEST_F(Instructions, AMissingTopicIsReportedAndTheTextStays) {
    OpenFromTitle();
    Press(1);
    const std::vector<std::string> overview = Help().Memo1.Lines();
    folder.Remove("moon.txt");
    Press(4);
    EXPECT_EQ(d.TakeErrors(), std::vector<std::string>{"Cannot open file moon.txt"});
    EXPECT_EQ(Help().Memo1.Lines(), overview);
    EXPECT_TRUE(Help().Visible());

    // A folder where the topic should be cannot be read either.
    std::filesystem::remove(folder.Path() / "cards.txt");
    std::filesystem::create_directory(folder.Path() / "cards.txt");
    Press(3);
    EXPECT_EQ(d.TakeErrors(), std::vector<std::string>{"Cannot open file cards.txt"});
    EXPECT_EQ(Help().Memo1.Lines(), overview);

    // The window stays usable.
    Press(9);
    EXPECT_EQ(Help().Memo1.Lines(), FileLines("blood.txt"));
    EXPECT_TRUE(d.TakeErrors().empty());
}

// The rows of the box's text area, top to bottom, as the window shows them.
std::vector<std::vector<tk::Color>> TextRows(const GameDriver& d, tk::Form& help, int from,
                                             int count) {
    std::vector<std::vector<tk::Color>> rows;
    for (int y = from; y < from + count; ++y) {
        std::vector<tk::Color> row;
        for (int x = 164; x < 160 + 449 - 2 - tk::Memo::kBarWidth; ++x)
            row.push_back(d.Pixel(help, x, y));
        rows.push_back(std::move(row));
    }
    return rows;
}

TEST_F(Instructions, ALongTopicScrollsWithTheBar) {
    std::string text;
    for (int i = 1; i <= 200; ++i)
        text += "Line " + std::to_string(i) + "\r\n";
    folder.Write("about.txt", text);
    OpenFromTitle();
    Press(7);
    tk::Memo& memo = Help().Memo1;
    ASSERT_EQ(memo.Count(), 200);
    const int shown = memo.VisibleLineCount();
    ASSERT_GT(shown, 5);
    ASSERT_LT(shown, 200);
    EXPECT_EQ(memo.TopLine(), 0);

    const int lineHeight = tk::GlyphsFor(memo.fontSize, false).CellHeight();
    d.Wait(10);
    const auto before = TextRows(d, Help(), 10, 3 * lineHeight);

    // The down arrow at the foot of the bar moves the text up by one line.
    const int barX = 160 + 449 - 2 - tk::Memo::kBarWidth / 2;
    d.Click(Help(), barX, 8 + 345 - 2 - tk::Memo::kBarWidth / 2);
    EXPECT_EQ(memo.TopLine(), 1);
    d.Wait(10);
    const auto after = TextRows(d, Help(), 10, 3 * lineHeight);
    EXPECT_NE(after, before);

    // A click on the track below the thumb turns a page; the keys do the same.
    d.Click(Help(), barX, 8 + 345 - 2 - tk::Memo::kBarWidth - 2);
    EXPECT_EQ(memo.TopLine(), 1 + shown);
    d.Click(Help(), 300, 200);
    ASSERT_EQ(Help().Focused(), &memo);
    d.Key(Help(), "PageDown");
    EXPECT_EQ(memo.TopLine(), 1 + 2 * shown);
    d.Key(Help(), "Up");
    EXPECT_EQ(memo.TopLine(), 2 * shown);

    // At the bottom the last line shows and the text goes no further.
    for (int i = 0; i < 200; ++i)
        d.Click(Help(), barX, 8 + 345 - 2 - tk::Memo::kBarWidth / 2);
    EXPECT_EQ(memo.TopLine(), 200 - shown);
    EXPECT_EQ(memo.DisplayedLines()[std::size_t(memo.TopLine() + shown - 1)], "Line 200");

    // The up arrow at the head of the bar goes back; a new topic starts at its top.
    d.Click(Help(), barX, 8 + 2 + tk::Memo::kBarWidth / 2);
    EXPECT_EQ(memo.TopLine(), 200 - shown - 1);
    Press(1);
    EXPECT_EQ(memo.TopLine(), 0);
    d.Wait(10);
    EXPECT_NE(TextRows(d, Help(), 10, 3 * lineHeight), after);
}

}  // namespace
}  // namespace vm
