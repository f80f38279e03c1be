// save_faults_test.cpp -- the save against what can happen to it: two copies of the game saving
// at once and killed, links at its names, a read-only save or folder, a pipe on Load, and a
// failure at every step of writing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "scratch_save_folder.h"
#include "state/game_error.h"
#include "state/save_game.h"
#include "state/save_writer.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

class SaveFaults : public testing::ScratchSaveFolder {
  protected:
    static std::string Read(const fs::path& path) { return ReadBytes(path); }
    static std::string Bytes(int level) {
        GameState s;
        s.Level = level;
        s.Flask = 8 * level;
        std::string out;
        for (const std::string& line : SaveLines(s))
            out += line + "\r\n";
        return out;
    }
    // The names in the folder, so a test sees any file a save left behind.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::string SaveError(int level, SaveFault fault = {}) {
        try {
            ReplaceSaveFile(path_, Bytes(level), fault);
        } catch (const vm::GameError& e) {
            return e.what();
        }
        return "saved";
    }
};

// Two copies of the game saving over and over in one folder, both killed at a random moment:
// the save is always one of the two whole saves (one copy's temporary file once emptied the
// other's just before its rename, and a 0-byte save lost the campaign).
TEST_F(SaveFaults, TwoCopiesSavingAtOnceAndKilledLeaveAWholeSave) {
    std::ofstream(path_, std::ios::binary) << Bytes(1);
    std::mt19937 random(16);
    const std::set<std::string> whole = {Bytes(1), Bytes(4), Bytes(9)};
    for (int round = 0; round < 40; ++round) {
        pid_t copies[2];
        for (int c = 0; c < 2; ++c) {
            copies[c] = ::fork();
            ASSERT_GE(copies[c], 0);
            if (copies[c] == 0) {
                GameState s;
                s.Level = c == 0 ? 4 : 9;
                s.Flask = 8 * s.Level;
                for (;;) {
                    try {
                        SaveGame(s, path_);
                    } catch (const vm::GameError&) {
                        _exit(3);
                    }
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 20000));
        for (pid_t copy : copies)
            ::kill(copy, SIGKILL);
        for (pid_t copy : copies) {
            int status = 0;
            ::waitpid(copy, &status, 0);
            EXPECT_TRUE(WIFSIGNALED(status)) << "a copy stopped saving by itself, round " << round;
        }
        const std::string save = Read(path_);
        ASSERT_TRUE(whole.count(save))
            << "round " << round << ": a save of " << save.size() << " bytes";
        GameState loaded;
        EXPECT_NO_THROW(LoadGame(loaded, path_));
    }
}

// A link at the save's name or at a name of a temporary file is never written through: its
// target keeps its bytes, and the save becomes a file of its own.
TEST_F(SaveFaults, LinksAreNotFollowed) {
    const fs::path target = dir_ / "precious.txt";
    std::ofstream(target, std::ios::binary) << "the player's own file";
    fs::create_symlink(target, path_ + ".tmp");
    fs::create_symlink(target, path_);
    EXPECT_EQ(SaveError(6), "saved");
    EXPECT_EQ(Read(target), "the player's own file");
    EXPECT_FALSE(fs::is_symlink(path_));
    EXPECT_EQ(Read(path_), Bytes(6));

    // Written in place, a link at the save's name is refused rather than followed.
    fs::remove(path_);
    fs::create_symlink(target, path_);
    SaveFault inPlace;
    inPlace.folderTakesNoNewFile = true;
    EXPECT_EQ(SaveError(7, inPlace), "Cannot create file " + path_);
    EXPECT_EQ(Read(target), "the player's own file");
    EXPECT_TRUE(fs::is_symlink(path_));
}

// A save the player made read-only stays as it is, though the folder would allow the rename;
// with a read-only folder, a writable save is written in place (root ignores permissions, so a
// child without them tries it).
TEST_F(SaveFaults, ReadOnlySaveIsKeptAndAReadOnlyFolderSavesInPlace) {
    std::ofstream(path_, std::ios::binary) << Bytes(2);
    ::chmod(path_.c_str(), 0444);
    EXPECT_EQ(SaveError(5), "Cannot create file " + path_);
    EXPECT_EQ(Read(path_), Bytes(2));
    ::chmod(path_.c_str(), 0644);

    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0) {
            const uid_t nobody = 65534;
            if (::chown(path_.c_str(), nobody, nobody) != 0 || ::setgid(nobody) != 0 ||
                ::setuid(nobody) != 0)
                _exit(9);
        }
        ::chmod(dir_.c_str(), 0555);
        const std::string saved = SaveError(10);
        ::chmod(path_.c_str(), 0444);
        const std::string refused = SaveError(11);
        _exit(saved == "saved" && refused == "Cannot create file " + path_ ? 0 : 4);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(dir_.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Read(path_), Bytes(10));
    EXPECT_EQ(Names(), std::set<std::string>{kSaveFileName});
}

// A failure at any step, through a new file or in place, leaves the old save byte for byte and
// nothing else in the folder.
TEST_F(SaveFaults, AFailureAtAnyStepLeavesTheOldSave) {
    const std::string old = Bytes(3);
    std::ofstream(path_, std::ios::binary) << old;
    const std::size_t size = Bytes(11).size();
    for (bool inPlace : {false, true}) {
        std::vector<SaveFault> faults;
        for (std::size_t cut = 0; cut < size; ++cut)
            faults.push_back({inPlace, SaveFault::Step::Write, cut});
        faults.push_back({inPlace, SaveFault::Step::Sync, 0});
        if (!inPlace) faults.push_back({inPlace, SaveFault::Step::Rename, 0});
        for (const SaveFault& fault : faults) {
            EXPECT_EQ(SaveError(11, fault), "Cannot create file " + path_)
                << inPlace << " " << int(fault.failAt) << " " << fault.writtenBeforeFailure;
            ASSERT_EQ(Read(path_), old)
                << inPlace << " " << int(fault.failAt) << " " << fault.writtenBeforeFailure;
        }
        EXPECT_EQ(Names(), std::set<std::string>{kSaveFileName});
        EXPECT_EQ(SaveError(11, {inPlace, SaveFault::Step::None, 0}), "saved");
        EXPECT_EQ(Read(path_), Bytes(11));
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << old;
    }
}

// A named pipe under the save's name is refused at once on Load, saying what it is; a folder
// too. The game state stays as it was.
TEST_F(SaveFaults, APipeOrAFolderOnLoadIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        GameState s;
        s.Level = 7;
        try {
            LoadGame(s, path_);
        } catch (const vm::GameError& e) {
            _exit(std::string(e.what()) ==
                              "Cannot open file " + path_ + ": it is a named pipe, not a file" &&
                          s.Level == 7
                      ? 0
                      : 4);
        }
        _exit(5);
    }
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (done == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "Load waited on the pipe for a second";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    fs::remove(path_);
    fs::create_directory(path_);
    GameState s;
    try {
        LoadGame(s, path_);
        ADD_FAILURE() << "a folder loaded";
    } catch (const vm::GameError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file " + path_ + ": it is a folder, not a file");
    }
    EXPECT_EQ(SaveError(4), "Cannot create file " + path_);
    EXPECT_TRUE(fs::is_directory(path_));
}

}  // namespace
}  // namespace vm
