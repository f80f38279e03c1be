// map_form.cpp -- the map screen's tick: the rule steps in their order with the drawing between.
#include "screens/map/map_form.h"

#include "app/form_refs.h"
#include "app/game_app.h"
#include "app/instructions_form.h"
#include "app/title_form.h"
#include "screens/map/rules/map_tick_rules.h"
#include "screens/map/rules/tick_hooks.h"
#include "screens/result/result_form.h"
#include "state/game_state.h"

namespace vm {

namespace {

class MapHooks : public TickHooks {
  public:
    explicit MapHooks(TForm4& form) : form_(form) {}
    void OnBattleEnded() override { ended = true; }
    bool ended = false;

  private:
    TForm4& form_;
};

}  // namespace

TForm4::TForm4(tk::Application& app)
    : ScreenForm(app, "Form4", 971, 536, 80),
      Button1(Add<tk::Button>("Button1")),
      Button2(Add<tk::Button>("Button2")) {
    Button1.caption = "?";
    Button1.SetBounds(0, 0, 19, 25);
    Button2.caption = "X";
    Button2.SetBounds(0, 0, 17, 25);
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
}

void TForm4::BeforeFrame() {}

void TForm4::DrawContent(tk::Canvas&) {
    MapHooks hooks(*this);
    MapTickRules(Duel{Game(), Sounds()}, hooks);
    if (hooks.ended) HandOverToResult();
    Button1.SetBounds(W() - 20, H() - 20, 19, 25);
    Button2.SetBounds(3, H() - 20, 17, 25);
    Button1.SetVisible(true);
    Button2.SetVisible(true);
}

void TForm4::HandOverToResult() {
    Timer1.SetEnabled(false);
    Form7->Timer1.SetEnabled(true);
    Sounds().Stop(16);
    Form7->Show();
    Hide();
}

void TForm4::Image1Click() { MapClickRules(Duel{Game(), Sounds()}); }

void TForm4::Image1MouseMove(int x, int y) {
    Game().MouseX = x;
    Game().MouseY = y;
}

void TForm4::Button1Click() { Form9->Show(); }

void TForm4::Button2Click() { Form1->Close(); }

}  // namespace vm
