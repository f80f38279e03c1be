// form.h -- a top-level window and the components it owns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/host/host.h"
#include "toolkit/raster/bitmap.h"
#include "toolkit/ui/component.h"

namespace tk {

class Application;

// Bordered forms compose their components into a bitmap of their own after every event;
// full-screen forms are drawn by the game's tick in pixels the host lends.
class Form {
  public:
    Form(Application& app, std::string name, const WindowSpec& spec);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& App() const { return app_; }
    const std::string& Name() const { return name_; }
    WindowId Window() const { return window_; }
    WindowKind Kind() const { return spec_.kind; }
    const std::string& Caption() const { return spec_.caption; }
    Color background = 0;

    // Creates a component owned by the form; components take input topmost-last-created,
    // buttons above everything else. Tab order follows creation order.
    template <class T>
    T& Add(std::string name) {
        auto owned = std::make_unique<T>(*this);
        T& ref = *owned;
        ref.name = std::move(name);
        components_.push_back(std::move(owned));
        return ref;
    }

    bool Visible() const { return visible_; }
    void Show();  // visible and in front
    void Hide();
    // The close icon: the main form ends the program, any other form is hidden.
    void Close();
    int ClientWidth() const;
    int ClientHeight() const;

    // The full-screen frame, drawn in place in pixels the host lends (see Host::LendFrame):
    // PaintControls paints the visible components other than pictures over it (the screens'
    // buttons), PresentLent shows it.
    LentFrame LendFrame(int width, int height);
    void PaintControls(Canvas& frame) { PaintWidgets(frame, false); }
    void PresentLent();
    // Recomposes a bordered form and shows it.
    void Repaint();

    Component* Focused() const { return focused_; }
    void SetFocus(Component* c) { focused_ = c; }
    void FocusNext(bool backwards);

    // Input in client coordinates (the application routes host events here).
    void HandleEvent(const Event& e);
    Component* ComponentAt(int x, int y) const;
    const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }

  private:
    void PaintWidgets(Canvas& canvas, bool includePictures);

    Application& app_;
    std::string name_;
    WindowSpec spec_;
    WindowId window_;
    bool visible_ = false;
    std::vector<std::unique_ptr<Component>> components_;
    Component* focused_ = nullptr;
    Component* hover_ = nullptr;
    Component* pressed_ = nullptr;
    Bitmap composed_;
};

}  // namespace tk
