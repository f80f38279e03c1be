// text_files_test.cpp -- every text file beside the program: present, 8-bit, within its box.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/raster/text_layout.h"

namespace {

std::string Read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "missing " << name;
        return {};
    }
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// Stored lines, as a text box loads them (LF or CRLF).
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Plain printable text: no NUL or control bytes, so it loads as 8-bit text anywhere.
void ExpectPlainText(const std::string& name, const std::string& text) {
    EXPECT_FALSE(text.empty()) << name;
    for (unsigned char c : text)
        if (c < 32 && c != '\n' && c != '\r' && c != '\t') {
            ADD_FAILURE() << name << " holds control byte " << int(c);
            return;
        }
}

// The widths at which the game lays each text out, in pixels of the 8-point face: a text box
// wraps 8 pixels inside its width, and the instructions box also gives 16 to its scroll bar.
constexpr int kTooltipWidth = 225;   // the card tooltip wraps at this width itself
constexpr int kBriefingWidth = 217;  // the level screen's 225-pixel box
constexpr int kStoryWidth = 385;     // the story's 393-pixel box
constexpr int kHelpWidth = 425;      // the instructions window's 449-pixel box
constexpr int kCreditsWidth = 185;   // the title window's 193-pixel box

const char* kHelpTopics[] = {"overview.txt", "resources.txt", "cards.txt",
                             "moon.txt",     "map.txt",       "achievement.txt",
                             "about.txt",    "pendants.txt",  "blood.txt"};

const char* kCardNames[] = {
    "Abandon",      "Architect", "Assassin",    "Babel",      "Black Sheep", "Blood Feud",
    "Bloodline",    "Conscript", "Consolidate", "Conversion", "Courtesan",   "Demob",
    "Harlequin",    "Nobles",    "Peace",       "Princess",   "The Rose",    "Royalty",
    "Seduction",    "Slander",   "Trader",      "Ambush",     "Archers",     "Barbarian",
    "Cavalry",      "Defend",    "Engineer",    "Enrage",     "From Above",  "Ghost Rider",
    "Infiltration", "Mercenary", "Reinforce",   "Siege",      "Slavery",     "Thief",
    "Titan",        "Trebuchet", "War Beast",   "Warrioress", "Alchemist",   "Blood",
    "Confusion",    "Drake",     "Druids",      "Endurance",  "Exhaustion",  "Fear",
    "Firebolt",     "Frost",     "Haunt",       "Healer",     "Horror",      "Lightning",
    "Locusts",      "Nature",    "Pacify",      "Plague",     "Prayer",      "Sorcery",
    "Tornado",      "Void",      "Blacklight",  "Devastate",  "Emerald",     "Sacrifice",
    "Stone",        "Summoner",  "Unleash",     "Wisdom"};

TEST(TextFiles, HelpTopicsAreThere) {
    for (const char* name : kHelpTopics)
        ExpectPlainText(name, Read(name));
}

// The credits box is 193 pixels wide: each of the 23 lines should read without wrapping.
TEST(TextFiles, CreditsFitTheSilverBox) {
    const std::string text = Read("credits.txt");
    ExpectPlainText("credits.txt", text);
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "VELLMOOR");
    for (const auto& line : lines)
        EXPECT_LE(tk::MeasureText(line, 8), kCreditsWidth) << line;
}

// The tooltip lays a card's text out at 225 pixels in 8 points and shows thirteen lines.
TEST(TextFiles, CardDescriptionsNameTheirCardAndFitTheTooltip) {
    for (int n = 1; n <= 70; ++n) {
        const std::string name = "zc" + std::to_string(n) + ".txt";
        const std::string text = Read(name);
        ExpectPlainText(name, text);
        const auto stored = Lines(text);
        ASSERT_FALSE(stored.empty()) << name;
        EXPECT_EQ(stored[0], kCardNames[n - 1]) << name;
        EXPECT_LE(tk::WrapText(text, 8, kTooltipWidth).size(), 13u) << name;
    }
}

// The level screen shows sixteen lines of the 225-pixel briefing box.
TEST(TextFiles, BriefingsFitTheLevelBox) {
    for (int n = 1; n <= 11; ++n) {
        const std::string name = "lv" + std::to_string(n) + ".txt";
        const std::string text = Read(name);
        ExpectPlainText(name, text);
        EXPECT_LE(tk::WrapText(text, 8, kBriefingWidth).size(), 16u) << name;
    }
}

// The result screen draws eleven stored lines, each after two spaces, in a 230-pixel box.
TEST(TextFiles, AchievementTextsFitTheResultBox) {
    for (int n = 1; n <= 30; ++n) {
        const std::string name = "ach" + std::to_string(n) + ".txt";
        const std::string text = Read(name);
        ExpectPlainText(name, text);
        const auto lines = Lines(text);
        EXPECT_LE(lines.size(), 11u) << name;
        for (const auto& line : lines)
            EXPECT_LE(tk::MeasureText("  " + line, 8), 230) << name << ": " << line;
    }
}

// The story scrolls 81 displayed lines of a 393-pixel box: all of it must be among them.
TEST(TextFiles, StoryHasItsLinesAndFitsTheScroll) {
    const std::string text = Read("story.txt");
    ExpectPlainText("story.txt", text);
    const auto lines = Lines(text);
    EXPECT_EQ(lines.size(), 71u);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Ny'reth 15 - The Year of The Fall - 886");
    EXPECT_LE(tk::WrapText(text, 8, kStoryWidth).size(), 81u);
}

// The last word of the line is a bare number.
bool EndsWithNumber(const std::string& line) {
    const std::size_t start = line.find_last_of(' ') + 1;  // npos + 1 is 0
    if (start >= line.size()) return false;
    for (std::size_t i = start; i < line.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
    return true;
}

// A number at the end of one line with its word at the start of the next ("7" / "green") reads
// wrongly: no text breaks there as the game lays it out. Achievement texts are drawn as stored.
TEST(TextFiles, NoLineBreaksBetweenANumberAndItsWord) {
    struct Shown {
        std::string name;
        int width;  // 0: stored lines, not wrapped
    };
    std::vector<Shown> texts = {{"story.txt", kStoryWidth}, {"credits.txt", kCreditsWidth}};
    for (const char* topic : kHelpTopics)
        texts.push_back({topic, kHelpWidth});
    for (int n = 1; n <= 70; ++n)
        texts.push_back({"zc" + std::to_string(n) + ".txt", kTooltipWidth});
    for (int n = 1; n <= 11; ++n)
        texts.push_back({"lv" + std::to_string(n) + ".txt", kBriefingWidth});
    for (int n = 1; n <= 30; ++n)
        texts.push_back({"ach" + std::to_string(n) + ".txt", 0});

    for (const Shown& shown : texts) {
        const std::string text = Read(shown.name);
        const auto lines = shown.width > 0 ? tk::WrapText(text, 8, shown.width) : Lines(text);
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            if (EndsWithNumber(lines[i]) &&
                std::isalpha(static_cast<unsigned char>(lines[i + 1][0])))
                ADD_FAILURE() << shown.name << " breaks \"" << lines[i] << "\" / \"" << lines[i + 1]
                              << "\"";
    }
}

}  // namespace
