// screen_services.h -- what a window is handed when it is created: the application, the
// pictures, the mixer, the sound bank and the hand-over table. Nothing else is global to them.
#pragma once

#include "assets/asset_library.h"
#include "screens/shell/handovers.h"
#include "state/sound_bank.h"
#include "toolkit/sound/mixer.h"
#include "toolkit/ui/application.h"

namespace vm {

struct ScreenServices {
    tk::Application& app;
    const AssetLibrary& assets;
    tk::Mixer& mixer;
    Handovers& handovers;
    // The title window's twenty players; set once it exists (it is created first).
    SoundBank* soundBank = nullptr;

    SoundBank& Sounds() const { return *soundBank; }
};

}  // namespace vm
