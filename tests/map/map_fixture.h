// map_fixture.h -- the real game on the headless host, brought to the map screen through the
// title, intro, story and level screens, with helpers to read its frames.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "screens/map/map_layout.h"
#include "screens/result/result_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"
#include "toolkit/raster/picture.h"

namespace vm::testing {

// How many of a picture's drawn pixels (its key colour left out) the frame shows at (x, y),
// within the part of the picture that starts at (px, py) and is w x h.
struct Match {
    int same = 0;
    int total = 0;
    bool All() const { return total > 0 && same == total; }
    double Share() const { return total ? double(same) / total : 0.0; }
};

inline Match PictureAt(const tk::Bitmap& frame, const tk::Picture& picture, int x, int y,
                       int px = 0, int py = 0, int w = -1, int h = -1) {
    const tk::Bitmap& p = picture.Pixels();
    if (w < 0) w = p.width - px;
    if (h < 0) h = p.height - py;
    Match m;
    for (int j = py; j < py + h && j < p.height; ++j) {
        for (int i = px; i < px + w && i < p.width; ++i) {
            const tk::Color c = p.At(i, j);
            if (picture.Transparent() && c == picture.KeyColor()) continue;
            if (!frame.Contains(x + i, y + j)) continue;
            ++m.total;
            m.same += frame.At(x + i, y + j) == c;
        }
    }
    return m;
}

inline int CountColour(const tk::Bitmap& frame, tk::Color c, int left, int top, int right,
                       int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            n += frame.Contains(x, y) && frame.At(x, y) == c;
    return n;
}

class MapScreen : public ::testing::Test {
  protected:
    explicit MapScreen(int width = 1280, int height = 720) : d(43200000, width, height) {}

    GameDriver d;
    GameState& s = Game();

    // START, then a click on the intro, the story and the level screen: the battle begins.
    // The level intro is switched off and the pointer rests in an empty part of the sky, so a
    // test sets only what it is about before its first tick.
    void EnterBattle(int level = 4) {
        ShowBattle(level);
        ASSERT_TRUE(Form4->Visible());
        s.LevelIntroTicks = 0;
        for (int k = 1; k <= 5; ++k)
            s.SlotPendant[std::size_t(k)] = 0;
        s.DropSlot = 0;
        PointAt(W() / 2, H() / 2 + 40);
    }
    // The clicks alone, up to the moment the level screen hands over to the battle.
    void ShowBattle(int level = 4) {
        d.Click(*Form1, Form1->Button1.left + 5, Form1->Button1.top + 5);
        d.Wait(20);
        d.Click(*Form2, 400, 300);
        d.Wait(80);
        d.Click(*Form11, 400, 300);
        d.Wait(80);
        Game().Level = level;
        d.Click(*Form6, 10, 10);
    }
    int W() const { return Form4->W(); }
    int H() const { return Form4->H(); }

    // One tick of the map screen (the timer is due one interval after the last one started).
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i)
            d.Wait(Form4->Timer1.Interval());
    }
    void PointAt(int x, int y) { d.Move(*Form4, x, y); }
    void ClickAt(int x, int y) { d.Click(*Form4, x, y); }
    // The pointer over slot k's card; a tick makes it the HoverSlot.
    void HoverSlot(int k, int y = 100) { PointAt(SlotLeft(W(), k) + 80, y); }

    const tk::Bitmap& Frame() const { return d.Frame(*Form4); }
    tk::Color Pixel(int x, int y) const { return d.Pixel(*Form4, x, y); }
    const tk::Picture& Picture(std::string_view name) const { return Assets().Get(name); }

    // Plenty of every resource: every card can be paid.
    void Rich() {
        for (int32_t* v : {&s.PlayerBlue, &s.PlayerRed, &s.PlayerYellow, &s.PlayerBlueRare,
                           &s.PlayerRedRare, &s.PlayerYellowRare, &s.PlayerGreen})
            *v = 60;
    }
};

}  // namespace vm::testing
