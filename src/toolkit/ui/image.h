// image.h -- a picture component: holds a picture, reports clicks and mouse moves.
#pragma once

#include <functional>

#include "toolkit/raster/picture.h"
#include "toolkit/ui/component.h"

namespace tk {

class Image : public Component {
  public:
    using Component::Component;

    // Drawn at natural size from the top-left, cut at the component's size, key colour left out.
    const Picture* picture = nullptr;
    std::function<void()> onClick;
    std::function<void(int, int)> onMouseMove;  // client coordinates of the form

    void Paint(Canvas& canvas) override;
    void MouseMove(int x, int y) override {
        if (onMouseMove) onMouseMove(x, y);
    }
    void Click() override {
        if (onClick) onClick();
    }
};

}  // namespace tk
