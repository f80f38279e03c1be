// screen_fixture.h -- the game on the headless host in a scratch copy of the game folder, with
// the picture comparisons the level, result and final screen tests share.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "screens/level/level_form.h"
#include "script/game_driver.h"
#include "toolkit/raster/bitmap.h"
#include "toolkit/raster/picture.h"

namespace vm::testing {

class ScreenTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 1280, kHeight = 720;

    // The first test copies the game folder; every test works in that copy, without a save.
    void SetUp() override;
    void TearDown() override;

    // Shows the screen with its timer running and lets its first tick come.
    void StartScreen(ScreenForm& form);
    // Lets `ticks` ticks of the running screen come.
    void Ticks(ScreenForm& form, int ticks);

    static const tk::Bitmap& PixelsOf(std::string_view picture);
    static void WriteFile(const std::string& name, std::string_view bytes);
    static std::string ReadFile(const std::string& name);
    // A text file's lines as the game reads them: CR LF, LF or CR end a line.
    static std::vector<std::string> FileLines(const std::string& name);

    std::unique_ptr<GameDriver> driver;

  private:
    std::filesystem::path previous_;
};

// The frame shows `picture` with its top-left at (x, y): every pixel of it inside the frame,
// except its key colour when it is drawn transparent. ShowsPart checks only the picture's
// pixels in [px, px + w) x [py, py + h).
::testing::AssertionResult ShowsPicture(const tk::Bitmap& frame, int x, int y,
                                        std::string_view picture);
::testing::AssertionResult ShowsPart(const tk::Bitmap& frame, int x, int y,
                                     std::string_view picture, int px, int py, int w, int h);
// The frame's rectangle [l, r) x [t, b) equals the same rectangle of `expected` (cut at their
// right and bottom edges).
::testing::AssertionResult SameRect(const tk::Bitmap& frame, const tk::Bitmap& expected, int l,
                                    int t, int r, int b);

}  // namespace vm::testing
