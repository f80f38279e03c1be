// story_form.cpp -- the story screen's tick and its hand-over to the level screen.
#include "screens/story/story_form.h"

#include "app/form_refs.h"
#include "screens/level/level_form.h"

namespace vm {

TForm11::TForm11(tk::Application& app) : ScreenForm(app, "Form11", 971, 536, 75) {}

void TForm11::DrawContent(tk::Canvas&) {}

void TForm11::Image1Click() {
    Timer1.SetEnabled(false);
    Form6->Show();
    Form6->Timer1.SetEnabled(true);
    Hide();
}

}  // namespace vm
