// level_form.cpp -- the level screen's tick, its buttons and the hand-over into a battle.
#include "screens/level/level_form.h"

#include "app/form_refs.h"
#include "app/game_app.h"
#include "screens/map/map_form.h"
#include "state/game_state.h"

namespace vm {

TForm6::TForm6(tk::Application& app)
    : ScreenForm(app, "Form6", 971, 627, 70),
      Button1(Add<tk::Button>("Button1")),
      Button2(Add<tk::Button>("Button2")),
      Button3(Add<tk::Button>("Button3")),
      Memo1(Add<tk::Memo>("Memo1")) {
    Button1.caption = "QUIT";
    Button2.caption = "Save";
    Button3.caption = "Load";
    for (tk::Button* b : {&Button1, &Button2, &Button3}) b->SetBounds(0, 0, 75, 25);
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Memo1.SetVisible(false);
    Memo1.wordWrap = false;
}

void TForm6::DrawContent(tk::Canvas&) {}

void TForm6::Image1Click() {
    GameState& s = Game();
    s.PlayerTower = 400 - 10 * s.Level;
    Timer1.SetEnabled(false);
    Form4->Show();
    Form4->Timer1.SetEnabled(true);
    Hide();
    Sounds().Stop(1);
    Sounds().Rewind(16);
    s.LevelIntroTicks = 50;
}

void TForm6::Button1Click() {
    Timer1.SetEnabled(false);
    Hide();
}

void TForm6::Button2Click() {}
void TForm6::Button3Click() {}

}  // namespace vm
