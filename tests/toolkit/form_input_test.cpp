// Input routing: buttons above pictures, clicks on release, focus and keys, hidden parts ignored.
#include <gtest/gtest.h>

#include <memory>

#include "toolkit/host/headless_host.h"
#include "toolkit/ui/application.h"
#include "toolkit/ui/button.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/image.h"

namespace {

struct FormFixture : ::testing::Test {
    tk::HeadlessHost* host = nullptr;
    std::unique_ptr<tk::Application> app;
    std::unique_ptr<tk::Form> form;
    tk::Image* image = nullptr;
    tk::Button* ok = nullptr;
    tk::Button* cancel = nullptr;
    int imageClicks = 0, okClicks = 0, cancelClicks = 0;

    void SetUp() override {
        auto h = std::make_unique<tk::HeadlessHost>();
        host = h.get();
        app = std::make_unique<tk::Application>(std::move(h));
        tk::WindowSpec spec;
        spec.clientWidth = 200;
        spec.clientHeight = 100;
        form = std::make_unique<tk::Form>(*app, "F", spec);
        ok = &form->Add<tk::Button>("OK");
        ok->SetBounds(10, 10, 75, 25);
        ok->caption = "OK";
        image = &form->Add<tk::Image>("Image");
        image->SetBounds(0, 0, 200, 100);
        cancel = &form->Add<tk::Button>("Cancel");
        cancel->SetBounds(100, 10, 75, 25);
        cancel->caption = "Cancel";
        ok->onClick = [&] { ++okClicks; };
        cancel->onClick = [&] { ++cancelClicks; };
        image->onClick = [&] { ++imageClicks; };
        form->Show();
    }
    void Mouse(tk::EventType type, int x, int y) {
        tk::Event e;
        e.type = type;
        e.window = form->Window();
        e.x = x;
        e.y = y;
        app->DeliverEvent(e);
    }
    void Click(int x, int y) {
        Mouse(tk::EventType::MouseMove, x, y);
        Mouse(tk::EventType::MouseDown, x, y);
        Mouse(tk::EventType::MouseUp, x, y);
    }
    void Key(const char* name, bool shift = false) {
        tk::Event e;
        e.type = tk::EventType::KeyDown;
        e.window = form->Window();
        e.key = name;
        e.shift = shift;
        app->DeliverEvent(e);
    }
};

TEST_F(FormFixture, AButtonOverAPictureTakesTheClickAndThePictureTakesTheRest) {
    Click(20, 20);  // the picture was created later, but buttons lie above it
    Click(150, 80);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(imageClicks, 1);
    // Pressed on the button, released elsewhere: no click at all.
    Mouse(tk::EventType::MouseDown, 20, 20);
    Mouse(tk::EventType::MouseUp, 150, 80);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(imageClicks, 1);
}

TEST_F(FormFixture, DisabledOrHiddenButtonsAndHiddenFormsTakeNoClicks) {
    ok->SetEnabled(false);
    Click(20, 20);
    EXPECT_EQ(okClicks, 0);
    EXPECT_EQ(imageClicks, 0);  // a disabled button still covers the picture
    cancel->SetVisible(false);
    Click(110, 20);
    EXPECT_EQ(cancelClicks, 0);
    EXPECT_EQ(imageClicks, 1);  // a hidden button does not
    form->Hide();
    Click(150, 80);
    EXPECT_EQ(imageClicks, 1);
}

TEST_F(FormFixture, TabMovesTheFocusInCreationOrderAndSpaceOrEnterClicks) {
    form->SetFocus(ok);
    Key("Tab");
    EXPECT_EQ(form->Focused(), cancel);
    Key("Return");
    EXPECT_EQ(cancelClicks, 1);
    Key("Tab");
    EXPECT_EQ(form->Focused(), ok);  // wraps round, skipping the picture
    Key("Tab", true);
    EXPECT_EQ(form->Focused(), cancel);
    Key("Space");
    EXPECT_EQ(cancelClicks, 2);
}

TEST_F(FormFixture, TheComposedWindowShowsTheButtonsOverTheBackground) {
    form->background = 0x000000;
    form->Repaint();
    const tk::Bitmap& frame = host->Frame(form->Window());
    ASSERT_EQ(frame.width, 200);
    ASSERT_EQ(frame.height, 100);
    EXPECT_EQ(frame.At(5, 5), 0x000000u);
    EXPECT_EQ(frame.At(12, 30), 0xC0C0C0u);  // the button's face
    EXPECT_EQ(frame.At(10, 10), 0xFFFFFFu);  // its raised top-left edge
}

}  // namespace
