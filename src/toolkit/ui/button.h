// button.h -- a classic push button: raised, pressed, hovered, focused and disabled looks.
#pragma once

#include <functional>
#include <string>

#include "toolkit/ui/component.h"

namespace tk {

class Button : public Component {
  public:
    using Component::Component;
    std::string caption;
    std::function<void()> onClick;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e) { enabled_ = e; }

    void Paint(Canvas& canvas) override;
    bool Focusable() const override { return enabled_ && Visible(); }
    void MouseMove(int, int) override { hover_ = true; }
    void MouseLeave() override {
        hover_ = false;
        pressed_ = false;
    }
    void MouseDown(int, int) override { pressed_ = enabled_; }
    void MouseUp(int, int, bool over) override {
        const bool click = pressed_ && over;
        pressed_ = false;
        if (click) Click();
    }
    void Key(const Event& e) override {
        if (e.key == "Space" || e.key == "Return") Click();
    }
    // A disabled or hidden button ignores clicks.
    void Click() override {
        if (enabled_ && Visible() && onClick) onClick();
    }

  private:
    bool enabled_ = true;
    bool hover_ = false;
    bool pressed_ = false;
};

}  // namespace tk
