// intro_form.cpp -- the intro screen's tick and its hand-over to the story.
#include "screens/intro/intro_form.h"

#include "app/form_refs.h"
#include "screens/story/story_form.h"

namespace vm {

TForm2::TForm2(tk::Application& app)
    : ScreenForm(app, "Form2", 971, 536, 10), Memo1(Add<tk::Memo>("Memo1")) {
    Memo1.SetBounds(0, 0, 393, 497);
    Memo1.SetVisible(false);
    Memo1.wordWrap = true;
}

void TForm2::DrawContent(tk::Canvas&) {}

void TForm2::Image1Click() {
    Timer1.SetEnabled(false);
    Form11->Timer1.SetEnabled(true);
    Form11->Show();
    Hide();
}

}  // namespace vm
