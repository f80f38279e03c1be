// scratch_save_folder.h -- a test's own empty folder for the save file, removed afterwards even
// when a test left it read-only.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "state/save_game.h"

namespace vm::testing {

class ScratchSaveFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("vm_save_" + std::to_string(::getpid()) + "_" + test->test_suite_name() + "_" +
                test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / kSaveFileName).string();
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0755);
        std::filesystem::remove_all(dir_);
    }
    static std::string ReadBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    std::filesystem::path dir_;
    std::string path_;
};

}  // namespace vm::testing
