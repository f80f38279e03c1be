// instructions_form.cpp -- the instructions window: its layout and the topic buttons.
#include "app/instructions_form.h"

#include "state/game_state.h"

namespace vm {

namespace {
tk::WindowSpec InstructionsSpec() {
    tk::WindowSpec spec;
    spec.caption = "VELLMOOR - INSTRUCTIONS";
    spec.kind = tk::WindowKind::Bordered;
    spec.left = 192;
    spec.top = 107;
    spec.clientWidth = 615;
    spec.clientHeight = 361;
    return spec;
}

struct Topic {
    int button;
    const char* caption;
    const char* file;
    int top;
};
// In the column from the top; the tab order follows the button numbers instead.
constexpr Topic kTopics[] = {
    {1, "Overview", "overview.txt", 64},  {2, "Resources", "resources.txt", 96},
    {3, "The Cards", "cards.txt", 128},   {8, "Pendants", "pendants.txt", 160},
    {9, "Blood", "blood.txt", 192},       {4, "The Moon", "moon.txt", 224},
    {5, "The Map", "map.txt", 256},       {6, "Achievement", "achievement.txt", 288},
    {7, "About", "about.txt", 320},
};
}  // namespace

TForm9::TForm9(tk::Application& app)
    : tk::Form(app, "Form9", InstructionsSpec()),
      Memo1(Add<tk::Memo>("Memo1")),
      Label1(Add<tk::Label>("Label1")) {
    Memo1.SetBounds(160, 8, 449, 345);
    Memo1.readOnly = true;
    Memo1.scrollBar = true;
    Memo1.SetLines({"Welcome to Vellmoor", "Please select a button on the left.",
                    "You can close this window at any time."});
    Label1.SetBounds(8, 24, 146, 24);
    Label1.caption = "Here Be Dragons";
    Label1.color = 0xFF0000;
    Label1.fontSize = 16;
    // Created in number order so that Tab follows the numbers.
    for (int n = 1; n <= 9; ++n) Buttons[std::size_t(n)] = &Add<tk::Button>("Button" + std::to_string(n));
    for (const Topic& t : kTopics) {
        tk::Button& b = *Buttons[std::size_t(t.button)];
        b.SetBounds(40, t.top, 75, 25);
        b.caption = t.caption;
        b.onClick = [this, n = t.button] { TopicClick(n); };
    }
}

void TForm9::TopicClick(int button) {
    for (const Topic& t : kTopics) {
        if (t.button != button) continue;
        Game().TopicFileName = t.file;
        Memo1.LoadFromFile(t.file);
    }
}

}  // namespace vm
