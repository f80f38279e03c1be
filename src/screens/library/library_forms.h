// library_forms.h -- the three windows that are never shown: they only hold pictures (Form5 also
// a scratch text box that the level screen wraps its briefing in).
#pragma once

#include "screens/shell/screen_services.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm3 : public tk::Form {
  public:
    explicit TForm3(const ScreenServices& services);
};

class TForm5 : public tk::Form {
  public:
    explicit TForm5(const ScreenServices& services);
    tk::Memo& Memo1;  // hidden, 225 x 289, 8 pt, word wrap: the briefing's displayed lines
};

class TForm10 : public tk::Form {
  public:
    explicit TForm10(const ScreenServices& services);
};

}  // namespace vm
