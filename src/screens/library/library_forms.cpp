// library_forms.cpp -- the picture-library windows; their pictures live in the asset library.
#include "screens/library/library_forms.h"

namespace vm {

namespace {
tk::WindowSpec HiddenSpec(const char* caption) {
    tk::WindowSpec spec;
    spec.caption = caption;
    spec.clientWidth = 200;
    spec.clientHeight = 200;
    return spec;
}
}  // namespace

TForm3::TForm3(const ScreenServices& services)
    : tk::Form(services.app, "Form3", HiddenSpec("Images")) {}

TForm5::TForm5(const ScreenServices& services)
    : tk::Form(services.app, "Form5", HiddenSpec("Form5")), Memo1(Add<tk::Memo>("Memo1")) {
    Memo1.SetBounds(0, 0, 225, 289);
    Memo1.SetVisible(false);
    Memo1.wordWrap = true;
    Memo1.fontSize = 8;
}

TForm10::TForm10(const ScreenServices& services)
    : tk::Form(services.app, "Form10", HiddenSpec("Form10")) {}

}  // namespace vm
