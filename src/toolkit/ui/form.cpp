// form.cpp -- a top-level window: showing and hiding, composing, and routing input to components.
#include "toolkit/ui/form.h"

#include "toolkit/ui/application.h"
#include "toolkit/ui/button.h"
#include "toolkit/ui/image.h"

namespace tk {

namespace {
WindowSpec WithRole(WindowSpec spec, const std::string& name) {
    if (spec.role.empty()) spec.role = name;
    return spec;
}
}  // namespace

Form::Form(Application& app, std::string name, const WindowSpec& spec)
    : app_(app),
      name_(std::move(name)),
      spec_(WithRole(spec, name_)),
      window_(app.GetHost().CreateWindow(spec_)) {
    app_.Register(this);
}

Form::~Form() {
    app_.Unregister(this);
}

void Form::Show() {
    visible_ = true;
    app_.GetHost().SetVisible(window_, true);
    app_.GetHost().Raise(window_);
    if (spec_.kind == WindowKind::Bordered) Repaint();
}

void Form::Hide() {
    visible_ = false;
    hover_ = pressed_ = nullptr;
    app_.GetHost().SetVisible(window_, false);
}

void Form::Close() {
    if (app_.MainForm() == this) {
        Hide();
        app_.Terminate();
    } else {
        Hide();
    }
}

int Form::ClientWidth() const {
    int w = 0, h = 0;
    app_.GetHost().ClientSize(window_, w, h);
    return w;
}

int Form::ClientHeight() const {
    int w = 0, h = 0;
    app_.GetHost().ClientSize(window_, w, h);
    return h;
}

void Form::PaintWidgets(Canvas& canvas, bool includePictures) {
    for (const auto& c : components_) {
        if (!c->Visible()) continue;
        if (!includePictures && dynamic_cast<Image*>(c.get())) continue;
        c->Paint(canvas);
    }
}

LentFrame Form::LendFrame(int width, int height) {
    return app_.GetHost().LendFrame(window_, width, height);
}

void Form::PresentLent() {
    app_.GetHost().PresentLent(window_);
}

void Form::Repaint() {
    int w = 0, h = 0;
    app_.GetHost().ClientSize(window_, w, h);
    composed_.Resize(std::max(0, w), std::max(0, h));
    std::fill(composed_.pixels.begin(), composed_.pixels.end(), background);
    Canvas canvas(composed_);
    PaintWidgets(canvas, true);
    app_.GetHost().Present(window_, composed_);
}

void Form::FocusNext(bool backwards) {
    const int n = int(components_.size());
    if (n == 0) return;
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (components_[std::size_t(i)].get() == focused_) start = i;
    for (int step = 1; step <= n; ++step) {
        int i = backwards ? start - step : start + step;
        i = ((i % n) + n) % n;
        Component* c = components_[std::size_t(i)].get();
        if (c->Visible() && c->Focusable()) {
            focused_ = c;
            return;
        }
    }
}

Component* Form::ComponentAt(int x, int y) const {
    // Buttons lie above everything else; among the rest, the last created is on top.
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
        Component* c = it->get();
        if (c->Visible() && dynamic_cast<Button*>(c) && c->Contains(x, y)) return c;
    }
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
        Component* c = it->get();
        if (c->Visible() && c->Solid() && c->Contains(x, y)) return c;
    }
    return nullptr;
}

void Form::HandleEvent(const Event& e) {
    switch (e.type) {
        case EventType::MouseMove: {
            Component* c = ComponentAt(e.x, e.y);
            if (c != hover_) {
                if (hover_) hover_->MouseLeave();
                hover_ = c;
            }
            // A held button keeps the drag (a scroll bar's thumb) with the component pressed.
            if (pressed_ && pressed_ != c)
                pressed_->MouseMove(e.x, e.y);
            else if (c)
                c->MouseMove(e.x, e.y);
            break;
        }
        case EventType::MouseDown: {
            if (e.button != 1) break;
            Component* c = ComponentAt(e.x, e.y);
            pressed_ = c;
            if (!c) break;
            if (c->Focusable()) focused_ = c;
            c->MouseDown(e.x, e.y);
            break;
        }
        case EventType::MouseUp: {
            if (e.button != 1 || !pressed_) break;
            Component* c = pressed_;
            pressed_ = nullptr;
            const bool over = ComponentAt(e.x, e.y) == c;
            c->MouseUp(e.x, e.y, over);
            // Buttons click themselves on release; other components click when released over.
            if (over && !dynamic_cast<Button*>(c)) c->Click();
            break;
        }
        case EventType::MouseWheel: {
            Component* c = ComponentAt(e.x, e.y);
            if (!c) c = focused_;
            if (c) c->Wheel(e.wheel);
            break;
        }
        case EventType::KeyDown:
            if (e.key == "Tab") {
                FocusNext(e.shift);
            } else if (focused_ && focused_->Visible()) {
                focused_->Key(e);
            }
            break;
        case EventType::TextInput:
            if (focused_ && focused_->Visible()) focused_->Text(e.text);
            break;
        default:
            break;
    }
}

}  // namespace tk
