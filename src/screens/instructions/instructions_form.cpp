// instructions_form.cpp -- the instructions window: its layout and the topic buttons.
#include "screens/instructions/instructions_form.h"

#include <string>

#include "state/game_state.h"
#include "toolkit/error.h"

namespace vm {

namespace {

constexpr tk::Color kSilver = tk::Rgb(0xC0, 0xC0, 0xC0);
constexpr tk::Color kRed = tk::Rgb(0xFF, 0, 0);

// A bordered window of fixed client size at its place on the desktop.
// It opens beside the title or the battle, so it takes no task bar entry of its own.
tk::WindowSpec InstructionsSpec() {
    tk::WindowSpec spec{"VELLMOOR - INSTRUCTIONS", tk::WindowKind::Bordered, 192, 107, 615, 361};
    spec.companion = true;
    return spec;
}

struct Topic {
    int button;
    const char* caption;
    const char* file;
    int top;
};
// In the column from the top, 32 pixels apart; the tab order follows the button numbers.
constexpr Topic kTopics[] = {
    {1, "Overview", "overview.txt", 64}, {2, "Resources", "resources.txt", 96},
    {3, "The Cards", "cards.txt", 128},  {8, "Pendants", "pendants.txt", 160},
    {9, "Blood", "blood.txt", 192},      {4, "The Moon", "moon.txt", 224},
    {5, "The Map", "map.txt", 256},      {6, "Achievement", "achievement.txt", 288},
    {7, "About", "about.txt", 320},
};
// ButtonNClick by button number (index 0 unused).
constexpr void (TForm9::*kClicks[10])() = {nullptr,
                                           &TForm9::Button1Click,
                                           &TForm9::Button2Click,
                                           &TForm9::Button3Click,
                                           &TForm9::Button4Click,
                                           &TForm9::Button5Click,
                                           &TForm9::Button6Click,
                                           &TForm9::Button7Click,
                                           &TForm9::Button8Click,
                                           &TForm9::Button9Click};
constexpr int kButtonLeft = 40, kButtonWidth = 75, kButtonHeight = 25;

const Topic& TopicOf(int button) {
    for (const Topic& t : kTopics)
        if (t.button == button) return t;
    throw tk::Error("There is no help topic " + std::to_string(button));
}

}  // namespace

TForm9::TForm9(const ScreenServices& services)
    : tk::Form(services.app, "Form9", InstructionsSpec()),
      Memo1(Add<tk::Memo>("Memo1")),
      Label1(Add<tk::Label>("Label1")) {
    background = tk::Rgb(0, 0, 0);

    Memo1.SetBounds(160, 8, 449, 345);
    Memo1.background = kSilver;
    Memo1.readOnly = true;
    Memo1.scrollBar = true;
    Memo1.SetLines({"Welcome to Vellmoor", "Please select a button on the left.",
                    "You can close this window at any time."});

    Label1.SetBounds(8, 24, 146, 24);
    Label1.caption = "Here Be Dragons";
    Label1.color = kRed;
    // Our face is wider than the classic one: at 16 points the words would run 34 pixels into
    // the text box. At 13 points they fit the label's 146 pixels, in a 21-pixel line.
    Label1.fontSize = 13;

    for (int n = 1; n <= 9; ++n)
        Buttons[std::size_t(n)] = &Add<tk::Button>("Button" + std::to_string(n));
    for (const Topic& t : kTopics) {
        tk::Button& b = *Buttons[std::size_t(t.button)];
        b.SetBounds(kButtonLeft, t.top, kButtonWidth, kButtonHeight);
        b.caption = t.caption;
        b.onClick = [this, click = kClicks[std::size_t(t.button)]] { (this->*click)(); };
    }
    SetFocus(&Memo1);
}

void TForm9::TopicClick(int button) {
    const Topic& topic = TopicOf(button);
    Game().TopicFileName = topic.file;
    // LoadFromFile fails before it touches the lines, so a missing file keeps the old text.
    Memo1.LoadFromFile(topic.file);
}

}  // namespace vm
