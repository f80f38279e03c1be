// lent_frame_test.cpp -- frames drawn in the pixels the headless host lends, and what a hidden
// window keeps.
#include <gtest/gtest.h>

#include <algorithm>

#include "toolkit/host/headless_host.h"

namespace {

tk::WindowId FullScreenWindow(tk::HeadlessHost& host) {
    tk::WindowSpec spec;
    spec.caption = "screen";
    spec.kind = tk::WindowKind::FullScreen;
    const tk::WindowId id = host.CreateWindow(spec);
    host.SetVisible(id, true);
    return id;
}

void Fill(const tk::PixelView& view, tk::Color c) {
    for (int y = 0; y < view.height; ++y)
        std::fill_n(view.Row(y), view.width, c);
}

TEST(LentFrame, DrawnInPlaceOrThroughTheSharedBufferTheWindowShowsTheSame) {
    tk::HeadlessHost host;
    host.SetScreenSize(64, 48);
    const tk::WindowId id = FullScreenWindow(host);
    tk::LentFrame lent = host.LendFrame(id, 64, 48);
    EXPECT_FALSE(lent.holdsLastFrame);
    Fill(lent.pixels, 0x123456);
    host.PresentLent(id);
    EXPECT_EQ(host.Frame(id).width, 64);
    EXPECT_TRUE(std::all_of(host.Frame(id).pixels.begin(), host.Frame(id).pixels.end(),
                            [](tk::Color c) { return c == 0x123456; }));
    EXPECT_TRUE(host.LendFrame(id, 64, 48).holdsLastFrame);
    host.PresentLent(id);
    // Smaller than the client area: the rest of the window is black.
    lent = host.LendFrame(id, 40, 30);
    EXPECT_FALSE(lent.holdsLastFrame);
    Fill(lent.pixels, 0xABCDEF);
    host.PresentLent(id);
    EXPECT_EQ(host.Frame(id).width, 64);
    EXPECT_EQ(host.Frame(id).At(39, 29), 0xABCDEFu);
    EXPECT_EQ(host.Frame(id).At(40, 29), 0u);
    EXPECT_EQ(host.Frame(id).At(39, 30), 0u);
    EXPECT_FALSE(host.LendFrame(id, 64, 48).holdsLastFrame);  // the copy wrote there
    host.PresentLent(id);
}

TEST(LentFrame, AHiddenWindowKeepsNoFrameButOneHiddenWhileDrawingFinishesIt) {
    tk::HeadlessHost host;
    host.SetScreenSize(64, 48);
    const tk::WindowId id = FullScreenWindow(host);
    const tk::PixelView view = host.LendFrame(id, 64, 48).pixels;
    host.SetVisible(id, false);  // a screen handing over in the middle of its tick
    Fill(view, 0x00FF00);        // still its pixels to draw in
    host.PresentLent(id);
    ASSERT_EQ(host.Frame(id).width, 64);
    EXPECT_EQ(host.Frame(id).At(63, 47), 0x00FF00u);
    host.SetVisible(id, false);
    EXPECT_EQ(host.Frame(id).width * host.Frame(id).height, 0);
    host.SetVisible(id, true);
    EXPECT_FALSE(host.LendFrame(id, 64, 48).holdsLastFrame);
    host.PresentLent(id);
}

}  // namespace
