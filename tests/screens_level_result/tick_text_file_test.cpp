// tick_text_file_test.cpp -- the briefing and description reader: line endings, re-splitting
// only on change, and files that cannot be read, reported once.
#include "screens/level/tick_text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace vm {
namespace {

namespace fs = std::filesystem;

class TickTextFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vellmoor-tick-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }
    static void Write(const char* name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
    }
    fs::path dir_, previous_;
    TickTextFile file;
};

TEST_F(TickTextFileTest, LinesEndAtCrLfLfOrCrAndSplitAgainOnlyWhenTheTextChanges) {
    Write("lv1.txt", "one\r\ntwo\nthree\rfour\r\n\r\nlast");
    ASSERT_TRUE(file.Read("lv1.txt"));
    EXPECT_TRUE(file.Changed());
    EXPECT_EQ(file.Lines(), (std::vector<std::string>{"one", "two", "three", "four", "", "last"}));
    EXPECT_EQ(file.Line(6), "");
    ASSERT_TRUE(file.Read("lv1.txt"));
    EXPECT_FALSE(file.Changed());
    EXPECT_EQ(file.Lines().size(), 6u);
    Write("lv1.txt", "one\n");
    ASSERT_TRUE(file.Read("lv1.txt"));
    EXPECT_TRUE(file.Changed());
    EXPECT_EQ(file.Lines(), std::vector<std::string>{"one"});
    Write("lv2.txt", "one\n");  // the same text under another name reads the same
    ASSERT_TRUE(file.Read("lv2.txt"));
    EXPECT_FALSE(file.Changed());
}

TEST_F(TickTextFileTest, AFileThatCannotBeReadFailsOnceLoudlyUntilItReadsAgain) {
    Write("ach1.txt", "Victory\n");
    ASSERT_TRUE(file.Read("ach1.txt"));
    EXPECT_FALSE(file.Read("ach2.txt"));
    EXPECT_TRUE(file.Lines().empty());
    EXPECT_EQ(file.Error(), "Cannot open file ach2.txt");
    EXPECT_TRUE(file.ErrorIsNew());
    EXPECT_FALSE(file.Read("ach2.txt"));
    EXPECT_FALSE(file.ErrorIsNew());
    EXPECT_FALSE(file.Read("ach3.txt"));
    EXPECT_TRUE(file.ErrorIsNew());
    Write("ach2.txt", "Back\n");
    ASSERT_TRUE(file.Read("ach2.txt"));
    EXPECT_TRUE(file.Changed());
    fs::remove("ach2.txt");
    EXPECT_FALSE(file.Read("ach2.txt"));
    EXPECT_TRUE(file.ErrorIsNew());

    // Neither a folder, nor a pipe (which would block a plain open), nor a huge file is read.
    fs::create_directory("lv1.txt");
    EXPECT_FALSE(file.Read("lv1.txt"));
    ASSERT_EQ(mkfifo("lv2.txt", 0644), 0);
    EXPECT_FALSE(file.Read("lv2.txt"));
    EXPECT_EQ(file.Error(), "Cannot open file lv2.txt");
    Write("lv3.txt", std::string(TickTextFile::kMaxBytes + 1, 'x'));
    EXPECT_FALSE(file.Read("lv3.txt"));
    EXPECT_NE(file.Error().find("too large"), std::string::npos);
}

}  // namespace
}  // namespace vm
