// screen_fixture.h -- the game on the headless host in a scratch copy of the game folder, and
// the picture comparisons the level, result and final screen tests share.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "screens/shell/screen_form.h"
#include "script/game_driver.h"

namespace vm::testing {

class ScreenTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 1280, kHeight = 720;

    // Every test runs in one scratch copy of the game folder, with the shipped texts and no save.
    void SetUp() override;
    void TearDown() override;

    // Shows the screen with its timer running and lets its first tick come.
    void StartScreen(ScreenForm& form);
    void Ticks(ScreenForm& form, int ticks) { driver->Wait(form.Timer1.Interval() * ticks); }

    static void WriteFile(const std::string& name, std::string_view bytes);
    static std::string ReadFile(const std::string& name);
    // The lines as the game reads them: CR LF, LF or CR end a line.
    static std::vector<std::string> FileLines(const std::string& name);

    std::unique_ptr<GameDriver> driver;
};

// The frame shows the picture's part [px, px + w) x [py, py + h) (all of it by default) with
// the picture's top-left at (x, y), its key colour left out when it is drawn transparent.
::testing::AssertionResult ShowsPicture(const tk::Bitmap& frame, int x, int y,
                                        std::string_view picture, int px = 0, int py = 0,
                                        int w = 1 << 20, int h = 1 << 20);
// The frame's rectangle [l, r) x [t, b), cut at the frame's edges, equals `expected`'s.
::testing::AssertionResult SameRect(const tk::Bitmap& frame, const tk::Bitmap& expected, int l,
                                    int t, int r, int b);

}  // namespace vm::testing
