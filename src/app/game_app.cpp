// game_app.cpp -- start-up in its order, and the references every screen reaches.
#include "app/game_app.h"

#include "app/form_refs.h"
#include "app/game_icon.h"
#include "assets/picture_catalogue.h"
#include "screens/final/final_form.h"
#include "screens/instructions/instructions_form.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/library/library_forms.h"
#include "screens/map/map_form.h"
#include "screens/result/result_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "state/game_state.h"
#include "toolkit/error.h"

namespace vm {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;
TForm11* Form11 = nullptr;

namespace {
GameApp* current = nullptr;
}

// Owned in creation order, destroyed in reverse.
struct GameApp::Windows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm7> form7;
    std::unique_ptr<TForm8> form8;
    std::unique_ptr<TForm9> form9;
    std::unique_ptr<TForm10> form10;
    std::unique_ptr<TForm11> form11;
};

namespace {
template <class T, class... Args>
T* Create(std::unique_ptr<T>& slot, Args&&... args) {
    slot = std::make_unique<T>(std::forward<Args>(args)...);
    return slot.get();
}

void ClearReferences() {
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form8 = nullptr;
    Form9 = nullptr;
    Form10 = nullptr;
    Form11 = nullptr;
}
}  // namespace

GameApp::GameApp(std::unique_ptr<tk::Host> host, const std::string& gameDir) {
    if (current) throw tk::Error("Only one game can run at a time");
    current = this;
    try {
        Game() = GameState{};
        app_ = std::make_unique<tk::Application>(std::move(host));
        app_->SetTitle("Vellmoor");
        app_->GetHost().SetAppIcon(GameIcon());
        CheckPictures(gameDir);
        assets_ = std::make_unique<AssetLibrary>(gameDir);
        services_ = std::make_unique<ScreenServices>(
            ScreenServices{*app_, *assets_, mixer_, handovers_, nullptr});
        const ScreenServices& services = *services_;
        windows_ = std::make_unique<Windows>();
        Windows& w = *windows_;
        Form1 = Create(w.form1, services);
        services_->soundBank = Form1;
        Form2 = Create(w.form2, services);
        Form3 = Create(w.form3, services);
        Form4 = Create(w.form4, services);
        Form5 = Create(w.form5, services);
        Form6 = Create(w.form6, services, Form5->Memo1);
        Form7 = Create(w.form7, services);
        Form8 = Create(w.form8, services);
        Form9 = Create(w.form9, services);
        Form10 = Create(w.form10, services);
        Form11 = Create(w.form11, services, Form2->Image2, Form2->Memo1);
        handovers_.Register(Window::Title, *Form1, &Form1->Timer1);
        handovers_.Register(Window::Intro, *Form2, &Form2->Timer1);
        handovers_.Register(Window::Map, *Form4, &Form4->Timer1);
        handovers_.Register(Window::Level, *Form6, &Form6->Timer1);
        handovers_.Register(Window::Result, *Form7, &Form7->Timer1);
        handovers_.Register(Window::Final, *Form8, &Form8->Timer1);
        handovers_.Register(Window::Instructions, *Form9, nullptr);
        handovers_.Register(Window::Story, *Form11, &Form11->Timer1);
        app_->GetHost().StartAudio(&mixer_);
    } catch (...) {
        ClearReferences();
        windows_.reset();
        app_.reset();
        current = nullptr;
        throw;
    }
}

GameApp::~GameApp() {
    // The audio stops with the host, before the players and the mixer go.
    ClearReferences();
    Windows* w = windows_.get();
    if (w) {
        w->form11.reset();
        w->form10.reset();
        w->form9.reset();
        w->form8.reset();
        w->form7.reset();
        w->form6.reset();
        w->form5.reset();
        w->form4.reset();
        w->form3.reset();
        w->form2.reset();
        w->form1.reset();  // the players detach from the mixer under its lock
    }
    windows_.reset();
    app_.reset();
    current = nullptr;
}

void GameApp::Run() {
    app_->Run();
}

const AssetLibrary& Assets() {
    return current->Library();
}
SoundBank& Sounds() {
    return *Form1;
}

}  // namespace vm
