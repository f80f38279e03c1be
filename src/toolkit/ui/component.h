// component.h -- what every child of a form shares: place, size, visibility, input and painting.
#pragma once

#include <string>

#include "toolkit/host/host.h"
#include "toolkit/raster/canvas.h"

namespace tk {

class Form;

class Component {
  public:
    explicit Component(Form& owner) : owner_(owner) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Form& Owner() const { return owner_; }
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    void SetBounds(int l, int t, int w, int h) {
        left = l;
        top = t;
        width = w;
        height = h;
    }
    bool Contains(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }

    // Painting onto the form's bitmap at the component's own place.
    virtual void Paint(Canvas&) {}
    // Keyboard focus: buttons and text boxes take it.
    virtual bool Focusable() const { return false; }
    // Whether the component takes mouse input at all (disabled buttons still swallow clicks).
    virtual bool Solid() const { return true; }

    // Input in client coordinates of the form.
    virtual void MouseMove(int, int) {}
    virtual void MouseDown(int, int) {}
    virtual void MouseUp(int, int, bool /*over*/) {}
    virtual void MouseLeave() {}
    virtual void Wheel(int) {}
    virtual void Key(const Event&) {}
    virtual void Text(const std::string&) {}
    virtual void Click() {}

  private:
    Form& owner_;
    bool visible_ = true;
};

}  // namespace tk
