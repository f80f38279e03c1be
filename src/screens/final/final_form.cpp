// final_form.cpp -- the final screen's tick; its click closes the main window.
#include "screens/final/final_form.h"

#include "app/form_refs.h"
#include "app/title_form.h"

namespace vm {

TForm8::TForm8(tk::Application& app) : ScreenForm(app, "Form8", 971, 536, 20) {}

void TForm8::DrawContent(tk::Canvas&) {}

void TForm8::Image1Click() { Form1->Close(); }

}  // namespace vm
