// scratch_game_folder.cpp -- the private game folder of a test.
#include "scratch_game_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace vm::testing {

namespace fs = std::filesystem;

ScratchGameFolder::ScratchGameFolder() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "vellmoor-app-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    dir_ = pattern;
    // Links, not copies: the pictures alone are tens of megabytes.
    for (const fs::directory_entry& entry : fs::directory_iterator(VELLMOOR_GAME_DIR))
        fs::create_symlink(entry.path(), dir_ / entry.path().filename());
    fs::current_path(dir_);
}

ScratchGameFolder::~ScratchGameFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    // Removes the links themselves, never what they point to.
    fs::remove_all(dir_, ignored);
}

void ScratchGameFolder::Remove(std::string_view name) {
    ASSERT_TRUE(fs::remove(dir_ / name)) << name << " was not in the game folder";
}

void ScratchGameFolder::Write(std::string_view name, std::string_view bytes) {
    fs::remove(dir_ / name);  // a link must not carry the write through to the built game
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << name;
}

}  // namespace vm::testing
