// level_save_load.cpp -- the level screen's Save and Load buttons.
#include "screens/level/level_form.h"
#include "state/game_state.h"
#include "state/save_game.h"

namespace vm {

void TForm6::Button2Click() {
    GameState& s = Game();
    Memo1.SetLines(SaveLines(s));
    // Raises "Cannot create file zcxa1.txt" with the old save left whole: then no boom, and
    // Save stays enabled for another try.
    WriteSaveLines(Memo1.Lines(), kSaveFileName);
    services.Sounds().Rewind(Sound::Boom);
    services.Sounds().Play(Sound::Boom);
    s.JustSaved = 1;
}

void TForm6::Button3Click() {
    Memo1.SetLines(ReadSaveLines(kSaveFileName));
    // Checks every line before it takes any; JustSaved stays as it is.
    LoadGameFromLines(Game(), Memo1.Lines(), kSaveFileName);
}

}  // namespace vm
