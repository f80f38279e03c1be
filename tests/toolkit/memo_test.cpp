// The text box as a line buffer: loading, saving, reading past the end, wrapping and scrolling.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "toolkit/error.h"
#include "toolkit/host/headless_host.h"
#include "toolkit/raster/canvas.h"
#include "toolkit/raster/text_layout.h"
#include "toolkit/ui/application.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/memo.h"

namespace {

namespace fs = std::filesystem;

struct MemoFixture : ::testing::Test {
    std::unique_ptr<tk::Application> app;
    std::unique_ptr<tk::Form> form;
    tk::Memo* memo = nullptr;
    fs::path dir;

    void SetUp() override {
        app = std::make_unique<tk::Application>(std::make_unique<tk::HeadlessHost>());
        form = std::make_unique<tk::Form>(*app, "F", tk::WindowSpec{});
        memo = &form->Add<tk::Memo>("Memo1");
        memo->SetBounds(0, 0, 200, 100);
        dir =
            fs::temp_directory_path() /
            ("vellmoor-memo-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

TEST_F(MemoFixture, LoadsEveryLineEndingAndReadsEmptyPastTheEnd) {
    memo->LoadFromFile(Write("mixed.txt", "one\r\ntwo\nthree\rfour\r\n\r\nsix"));
    EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"one", "two", "three", "four", "", "six"}));
    EXPECT_EQ(memo->Line(5), "six");
    EXPECT_EQ(memo->Line(6), "");
    EXPECT_EQ(memo->Line(-1), "");
}

TEST_F(MemoFixture, SavesWithCrLfAfterEveryLineAndReloadsTheSame) {
    memo->SetLines({"Recalc", "3", ""});
    const std::string path = (dir / "out.txt").string();
    memo->SaveToFile(path);
    EXPECT_EQ(Read(path), "Recalc\r\n3\r\n\r\n");
    memo->Clear();
    memo->LoadFromFile(path);
    EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"Recalc", "3", ""}));
}

TEST_F(MemoFixture, AMissingFileRaisesAndKeepsTheLines) {
    memo->SetLines({"kept"});
    try {
        memo->LoadFromFile((dir / "absent.txt").string());
        FAIL() << "no error";
    } catch (const tk::Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir / "absent.txt").string());
    }
    EXPECT_EQ(memo->Lines(), std::vector<std::string>{"kept"});
}

// A folder or a named pipe under a text file's name (a help topic, the story, the credits, the
// save file): refused at once by name, the lines kept; a pipe nobody writes to once hung the
// game for good.
TEST_F(MemoFixture, AFolderOrAPipeRaisesNamingItAndKeepsTheLines) {
    fs::create_directories(dir / "folder.txt");
    const std::string pipe = (dir / "pipe.txt").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    memo->SetLines({"kept"});
    for (const std::string& path : {(dir / "folder.txt").string(), pipe}) {
        try {
            memo->LoadFromFile(path);
            ADD_FAILURE() << path << " loaded";
        } catch (const tk::Error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
        }
        EXPECT_EQ(memo->Lines(), std::vector<std::string>{"kept"}) << path;
    }
}

// The story, a help topic or the credits of 20 MB once took hundreds of megabytes to show.
TEST_F(MemoFixture, ATextOverAMegabyteIsRefusedNamingItAndKeepsTheLines) {
    memo->SetLines({"kept"});
    const std::string path = Write("story.txt", std::string(20'000'000, 'w'));
    try {
        memo->LoadFromFile(path);
        ADD_FAILURE() << "20 MB loaded";
    } catch (const tk::Error& e) {
        EXPECT_EQ(std::string(e.what()), "File " + path + " is too large to show (20000000 bytes)");
    }
    EXPECT_EQ(memo->Lines(), std::vector<std::string>{"kept"});
    memo->LoadFromFile(Write("story.txt", std::string(tk::Memo::kMaxFileBytes, 'w')));
    EXPECT_EQ(memo->Count(), 1);
}

TEST_F(MemoFixture, WordWrapGivesDisplayedLinesWithinTheWidthAndScrollingStopsAtTheEnd) {
    memo->wordWrap = true;
    memo->SetLines({"the tower of the moon stands tall above the drowned marsh", "", "end"});
    const auto& shown = memo->DisplayedLines();
    ASSERT_GT(shown.size(), 3u);
    for (const std::string& line : shown)
        EXPECT_LE(tk::MeasureText(line, 8), 200 - 8) << line;
    EXPECT_EQ(shown.back(), "end");
    std::vector<std::string> many(100, "line");
    memo->SetLines(many);
    memo->ScrollTo(1000);
    EXPECT_EQ(memo->TopLine(), 100 - memo->VisibleLineCount());
    memo->ScrollTo(-5);
    EXPECT_EQ(memo->TopLine(), 0);
}

// The help texts are files the player can change: whatever they hold, the box paints only
// inside itself, even when it is lower than one line of its font.
TEST_F(MemoFixture, PaintsOnlyInsideItselfEvenWhenLowerThanALine) {
    constexpr tk::Color kForm = 0x123456;
    tk::Bitmap surface(260, 80, kForm);
    tk::Canvas canvas(surface);
    memo->wordWrap = false;
    memo->fontSize = 21;
    memo->SetBounds(10, 10, 200, 20);
    memo->SetLines({"Tower of the moon, \xff\xff\xff"});
    memo->Paint(canvas);
    int inside = 0;
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x) {
            if (memo->Contains(x, y))
                inside += surface.At(x, y) != memo->background;
            else
                ASSERT_EQ(surface.At(x, y), kForm) << "painted outside at " << x << ", " << y;
        }
    EXPECT_GT(inside, 0);  // the bevel and the top of the text are there
}

// Without word wrap a line is cut to what fits the box. A file can hold one line of any
// length: the box shows the same as for the part that fits.
TEST_F(MemoFixture, AVeryLongUnwrappedLineShowsThePartThatFits) {
    std::string longLine;
    while (longLine.size() < 200000)
        longLine += "moon tower ";
    std::string fits = longLine.substr(0, 100);
    while (tk::MeasureText(fits, 8) > 200 - 6)  // from x = 4 to the 2-pixel edge
        fits.pop_back();
    ASSERT_LT(fits.size(), 100u);

    auto paint = [&](const std::string& line) {
        tk::Bitmap surface(220, 40, 0);
        tk::Canvas canvas(surface);
        memo->wordWrap = false;
        memo->SetBounds(0, 0, 200, 30);
        memo->SetLines({line});
        memo->Paint(canvas);
        return surface.pixels;
    };
    const std::vector<tk::Color> shown = paint(longLine);
    EXPECT_EQ(shown, paint(fits));
    EXPECT_NE(shown, paint(""));
}

}  // namespace
