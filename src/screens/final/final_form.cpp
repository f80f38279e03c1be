// final_form.cpp -- the final screen's tick; its click closes the main window.
#include "screens/final/final_form.h"

namespace vm {

namespace {
// The closing picture sits three pixels lower than the result screen's pictures.
constexpr int kPictureFromCx = -512, kPictureFromCy = -381;
}  // namespace

TForm8::TForm8(const ScreenServices& services)
    : ScreenForm(services, "Form8", 971, 536, 20), picture_(services.assets.Get("Form8.Image2")) {}

void TForm8::DrawContent(tk::Canvas& canvas) {
    canvas.Draw(W() / 2 + kPictureFromCx, H() / 2 + kPictureFromCy, picture_);
}

void TForm8::Image1Click() {
    services.handovers.Run(Handover::FinalClick);
}

}  // namespace vm
