// instructions_form.h -- the instructions window Form9: nine topics shown in a read-only box.
#pragma once

#include <array>

#include "toolkit/ui/button.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/label.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm9 : public tk::Form {
  public:
    explicit TForm9(tk::Application& app);

    tk::Memo& Memo1;
    tk::Label& Label1;
    // Button1 ... Button9 (index 0 unused).
    std::array<tk::Button*, 10> Buttons{};

    // ButtonNClick: remember the topic's file name and show its lines.
    void TopicClick(int button);
};

}  // namespace vm
