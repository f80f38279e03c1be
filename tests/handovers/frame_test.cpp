// The frame of a full-screen screen: black fill, the bitmap kept to the window, and a failing
// content step that is reported while the frame is still shown and the timer runs on.
#include <gtest/gtest.h>

#include "screens/shell/screen_form.h"
#include "script/game_driver.h"
#include "toolkit/error.h"

namespace {

// A screen whose content paints one marker and then, on chosen ticks, fails.
class FailingScreen : public vm::ScreenForm {
  public:
    explicit FailingScreen(const vm::ScreenServices& services)
        : ScreenForm(services, "Failing", 971, 536, 10) {}
    int ticks = 0;
    bool fail = true;

  protected:
    void DrawContent(tk::Canvas& canvas) override {
        ++ticks;
        canvas.FillRect(10, 10, 20, 20, 0x00FF00);
        if (fail) throw tk::Error("Cannot open file lv1.txt");
        canvas.FillRect(30, 30, 40, 40, 0xFF0000);
    }
};

TEST(Frame, AFailingContentStepIsReportedTheFrameIsStillShownAndTheNextTickRuns) {
    vm::GameDriver d;
    FailingScreen screen(d.Services());
    screen.Show();
    screen.Timer1.SetEnabled(true);
    d.Wait(10);
    EXPECT_EQ(d.TakeErrors(), std::vector<std::string>{"Cannot open file lv1.txt"});
    EXPECT_EQ(d.Pixel(screen, 15, 15), 0x00FF00u);  // drawn before the failure, still shown
    EXPECT_EQ(d.Pixel(screen, 35, 35), 0x000000u);
    screen.fail = false;
    d.Wait(10);
    EXPECT_EQ(screen.ticks, 2);
    EXPECT_EQ(d.Pixel(screen, 35, 35), 0xFF0000u);
    EXPECT_TRUE(d.TakeErrors().empty());
    screen.Timer1.SetEnabled(false);
    screen.Hide();
}

TEST(Frame, ItCoversTheClientAreaAtAnySizeAndTheBitmapStopsAt2000By3000) {
    vm::GameDriver d;
    FailingScreen screen(d.Services());
    screen.fail = false;
    screen.Show();
    screen.Timer1.SetEnabled(true);
    // Beyond 2000 x 3000 the display is shared out in whole blocks: 2560 x 1440 shows a
    // 1280 x 720 client, 1000 x 3200 a 500 x 1600 one.
    for (auto [display, client] : {std::pair{std::pair{1, 1}, std::pair{1, 1}},
                                   {{640, 480}, {640, 480}},
                                   {{2000, 3000}, {2000, 3000}},
                                   {{2560, 1440}, {1280, 720}},
                                   {{1000, 3200}, {500, 1600}}}) {
        const auto [w, h] = client;
        d.SetSize(display.first, display.second);
        d.Wait(10);
        EXPECT_EQ(screen.Image1.width, w);
        EXPECT_EQ(screen.Image1.height, h);
        EXPECT_LE(screen.LastFrame().width, 2000);
        EXPECT_LE(screen.LastFrame().height, 3000);
        EXPECT_EQ(d.Frame(screen).width, w);
        EXPECT_EQ(d.Frame(screen).height, h);
        EXPECT_EQ(d.Pixel(screen, w - 1, h - 1), 0x000000u);  // beyond the bitmap: black
    }
    screen.Timer1.SetEnabled(false);
    screen.Hide();
}

}  // namespace
