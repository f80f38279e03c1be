// save_game_test.cpp -- the save file's exact bytes, the round trip and every bad file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "scratch_save_folder.h"
#include "state/game_error.h"
#include "state/save_game.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

class SaveFile : public testing::ScratchSaveFolder {
  protected:
    void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Read() { return ReadBytes(path_); }
    // A valid file with one line replaced (1-based), joined with the given ending.
    std::string FileWithLine(int number, const std::string& text, const std::string& eol = "\r\n") {
        std::string out;
        for (int line = 1; line <= 33; ++line) {
            std::string value = line == 1 ? "Recalc" : line == 2 ? "3" : line == 3 ? "40" : "1";
            out += (line == number ? text : value) + eol;
        }
        return out;
    }
    std::string LoadError(GameState& s) {
        try {
            LoadGame(s, path_);
        } catch (const vm::GameError& e) {
            return e.what();
        }
        return "no error";
    }
    static GameState Marked() {
        GameState s;
        s.Level = 7;
        s.Flask = 15;
        s.Achievements[4] = 1;
        return s;
    }
    static void ExpectUnchanged(const GameState& s) {
        EXPECT_EQ(s.Level, 7);
        EXPECT_EQ(s.Flask, 15);
        for (size_t k = 0; k < 30; ++k)
            EXPECT_EQ(s.Achievements[k], k == 4 ? 1 : 0);
    }
};

TEST_F(SaveFile, NewProgramSavesAs104Bytes) {
    SaveGame(GameState{}, path_);
    std::string expected = "Recalc\r\n1\r\n0\r\n";
    for (int k = 0; k < 30; ++k)
        expected += "0\r\n";
    EXPECT_EQ(Read(), expected);
    EXPECT_EQ(Read().size(), 104u);
    EXPECT_FALSE(fs::exists(path_ + ".tmp"));
}

TEST_F(SaveFile, RoundTripAndOnlyTheThreeItemsChange) {
    GameState saved;
    saved.Level = 11;
    saved.Flask = 80;
    for (size_t k = 0; k < 30; k += 3)
        saved.Achievements[k] = 1;
    SaveGame(saved, path_);
    GameState loaded;
    loaded.PlayerTower = 123;
    loaded.JustSaved = 1;
    LoadGame(loaded, path_);
    EXPECT_EQ(loaded.Level, 11);
    EXPECT_EQ(loaded.Flask, 80);
    EXPECT_EQ(loaded.Achievements, saved.Achievements);
    EXPECT_EQ(loaded.PlayerTower, 123);
    EXPECT_EQ(loaded.JustSaved, 1);
    // Saving again overwrites.
    saved.Level = 2;
    SaveGame(saved, path_);
    LoadGame(loaded, path_);
    EXPECT_EQ(loaded.Level, 2);
}

TEST_F(SaveFile, ReadsEveryLineEndingAndTheIntegerForms) {
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        Write(FileWithLine(1, "not the header", eol));
        GameState s;
        LoadGame(s, path_);
        EXPECT_EQ(s.Level, 3);
        EXPECT_EQ(s.Flask, 40);
        EXPECT_EQ(s.Achievements[29], 1);
    }
    struct Case {
        const char* text;
        int32_t value;
    };
    for (Case c : {Case{"  5", 5}, Case{"+5", 5}, Case{"$A", 10}, Case{"0x0b", 11}, Case{"-0", 0},
                   Case{"0X1", 1}, Case{"011", 11}}) {
        int32_t v = -99;
        EXPECT_TRUE(ParseSaveInteger(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    int32_t v = 0;
    EXPECT_TRUE(ParseSaveInteger("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_TRUE(ParseSaveInteger("2147483647", v));
    for (const char* bad : {"", " ", "5 ", "2147483648", "-2147483649", "$", "0x", "1e3", "--1",
                            "\t5", "5\t", "$G", "0x100000000", "12a"}) {
        EXPECT_FALSE(ParseSaveInteger(bad, v)) << "'" << bad << "'";
    }
    // Lines after 33 are not read.
    Write(FileWithLine(1, "Recalc") + "garbage\r\n");
    GameState s;
    LoadGame(s, path_);
    EXPECT_EQ(s.Level, 3);
}

TEST_F(SaveFile, BadFilesAreReportedAndChangeNothing) {
    GameState s = Marked();
    // 32 lines: the last flag is missing and reads as an empty line.
    std::string shortFile = FileWithLine(0, "");
    shortFile.resize(shortFile.size() - 3);
    Write(shortFile);
    EXPECT_EQ(LoadError(s), "'' is not a valid integer value (" + path_ + ", line 33)");
    ExpectUnchanged(s);

    Write(FileWithLine(5, "1 "));
    EXPECT_EQ(LoadError(s), "'1 ' is not a valid integer value (" + path_ + ", line 5)");
    ExpectUnchanged(s);

    Write(FileWithLine(2, "12"));
    EXPECT_EQ(LoadError(s), path_ + ", line 2: Level is 12, outside 1..11");
    Write(FileWithLine(2, "0"));
    EXPECT_EQ(LoadError(s), path_ + ", line 2: Level is 0, outside 1..11");
    Write(FileWithLine(3, "81"));
    EXPECT_EQ(LoadError(s), path_ + ", line 3: Flask is 81, outside 0..80");
    Write(FileWithLine(20, "2"));
    EXPECT_EQ(LoadError(s), path_ + ", line 20: Achievements[16] is 2, outside 0..1");
    ExpectUnchanged(s);

    Write(std::string("\x7f"
                      "ELF\x02\x01\x01\0\0\0",
                      10) +
          "\x89PNG\r\n\x1a\n");
    EXPECT_NE(LoadError(s).find("is not a valid integer value"), std::string::npos);
    // A NUL or other control byte is shown escaped, and a long line is cut short, so the
    // report stays whole and readable.
    Write(FileWithLine(4, std::string("1\0"
                                      "2",
                                      3)));
    EXPECT_EQ(LoadError(s), "'1\\x002' is not a valid integer value (" + path_ + ", line 4)");
    Write(FileWithLine(4, std::string(5000, '7')));
    EXPECT_EQ(LoadError(s), "'" + std::string(40, '7') + "...' is not a valid integer value (" +
                                path_ + ", line 4)");
    ExpectUnchanged(s);
    Write("");
    EXPECT_EQ(LoadError(s), "'' is not a valid integer value (" + path_ + ", line 2)");
    ExpectUnchanged(s);

    fs::remove(path_);
    EXPECT_EQ(LoadError(s), "Cannot open file " + path_);
    ExpectUnchanged(s);
}

TEST_F(SaveFile, HugeFileIsRejectedQuickly) {
    GameState s = Marked();
    std::string big = FileWithLine(0, "");
    big.append(10 * 1024 * 1024, '7');
    Write(big);
    const auto start = std::chrono::steady_clock::now();
    const std::string error = LoadError(s);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_NE(error.find(path_), std::string::npos);
    ExpectUnchanged(s);
}

TEST_F(SaveFile, FailedSaveLeavesTheOldFileWhole) {
    GameState old;
    old.Level = 5;
    SaveGame(old, path_);
    const std::string before = Read();

    if (::geteuid() != 0) {  // root writes anywhere, so the read-only folder proves nothing
        // A read-only folder alone saves in place; with the save read-only as well it fails.
        ::chmod(path_.c_str(), 0444);
        ::chmod(dir_.c_str(), 0555);
        GameState next;
        next.Level = 9;
        try {
            SaveGame(next, path_);
            ADD_FAILURE() << "a save into a read-only folder succeeded";
        } catch (const vm::GameError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + path_);
        }
        ::chmod(dir_.c_str(), 0755);
        ::chmod(path_.c_str(), 0644);
        EXPECT_EQ(Read(), before);
    }

    // A write that fails midway (the file size limit cuts it after 20 bytes) in a child process.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{20, 20};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        GameState next;
        next.Level = 9;
        try {
            SaveGame(next, path_);
        } catch (const vm::GameError& e) {
            _exit(std::string(e.what()) == "Cannot create file " + path_ ? 3 : 4);
        }
        _exit(5);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(Read(), before);
    EXPECT_FALSE(fs::exists(path_ + ".tmp"));
}

}  // namespace
}  // namespace vm
