// scratch_game_folder.h -- a private game folder for one test: links to the built game's files
// in a fresh temporary folder, which becomes the working directory. A test may remove or
// rewrite any file there without touching the built game or the tests running beside it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vm::testing {

class ScratchGameFolder {
  public:
    ScratchGameFolder();
    ~ScratchGameFolder();
    ScratchGameFolder(const ScratchGameFolder&) = delete;
    ScratchGameFolder& operator=(const ScratchGameFolder&) = delete;

    const std::filesystem::path& Path() const { return dir_; }
    // Drops the file from this folder only.
    void Remove(std::string_view name);
    // Replaces the file in this folder only with the given bytes.
    void Write(std::string_view name, std::string_view bytes);

  private:
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};

}  // namespace vm::testing
