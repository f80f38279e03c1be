// instructions_form.h -- the instructions window Form9: nine topics shown in a read-only box.
#pragma once

#include <array>

#include "screens/shell/screen_services.h"
#include "toolkit/ui/button.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/label.h"
#include "toolkit/ui/memo.h"

namespace vm {

class TForm9 : public tk::Form {
  public:
    explicit TForm9(const ScreenServices& services);

    tk::Memo& Memo1;  // read-only, silver, with a vertical scroll bar; first in the tab order
    tk::Label& Label1;
    // Button1 ... Button9 (index 0 unused), created in number order for the tab order.
    std::array<tk::Button*, 10> Buttons{};

    // ButtonNClick: remember the topic's file name, then replace the box's text with the file's
    // lines, read afresh on every press. A file that cannot be read raises "Cannot open file
    // NAME" and leaves the text as it was.
    void TopicClick(int button);
    void Button1Click() { TopicClick(1); }
    void Button2Click() { TopicClick(2); }
    void Button3Click() { TopicClick(3); }
    void Button4Click() { TopicClick(4); }
    void Button5Click() { TopicClick(5); }
    void Button6Click() { TopicClick(6); }
    void Button7Click() { TopicClick(7); }
    void Button8Click() { TopicClick(8); }
    void Button9Click() { TopicClick(9); }
};

}  // namespace vm
