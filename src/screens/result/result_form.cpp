// result_form.cpp -- the result screen's tick and the hand-over to the next battle or the end.
#include "screens/result/result_form.h"

#include "app/form_refs.h"
#include "app/game_app.h"
#include "screens/final/final_form.h"
#include "screens/level/level_form.h"
#include "screens/map/rules/end_of_battle.h"
#include "state/game_state.h"

namespace vm {

TForm7::TForm7(tk::Application& app) : ScreenForm(app, "Form7", 971, 536, 20) {}

void TForm7::DrawContent(tk::Canvas&) {}

void TForm7::Image1Click() {
    GameState& s = Game();
    NextBattle(Duel{s, Sounds()});
    if (s.Level < 12) {
        Timer1.SetEnabled(false);
        Form6->Timer1.SetEnabled(true);
        Form6->Show();
        Hide();
    } else if (s.Level == 12) {
        Timer1.SetEnabled(false);
        Form8->Timer1.SetEnabled(true);
        Form8->Show();
        Hide();
    }
    // Above 12 (only through a loaded save) there is no next screen: this one stays.
}

}  // namespace vm
