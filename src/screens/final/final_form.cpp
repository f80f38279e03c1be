// final_form.cpp -- the final screen's tick; its click closes the main window.
#include "screens/final/final_form.h"

#include "app/form_refs.h"
#include "app/game_app.h"
#include "app/title_form.h"

namespace vm {

namespace {
// The closing picture sits three pixels lower than the result screen's pictures.
constexpr int kPictureFromCx = -512, kPictureFromCy = -381;
}  // namespace

TForm8::TForm8(tk::Application& app)
    : ScreenForm(app, "Form8", 971, 536, 20), picture_(Assets().Get("Form8.Image2")) {}

void TForm8::DrawContent(tk::Canvas& canvas) {
    canvas.Draw(W() / 2 + kPictureFromCx, H() / 2 + kPictureFromCy, picture_);
}

void TForm8::Image1Click() {
    Form1->Close();
}

}  // namespace vm
