// game_app.h -- start-up: the application object, the eleven windows in order, and the loop.
#pragma once

#include <memory>
#include <string>

#include "assets/asset_library.h"
#include "screens/shell/handovers.h"
#include "screens/shell/screen_services.h"
#include "state/sound_bank.h"
#include "toolkit/host/host.h"
#include "toolkit/sound/mixer.h"
#include "toolkit/ui/application.h"

namespace vm {

// One game program. The constructor runs start-up up to the message loop: the application
// title "Vellmoor", the picture check and library, then TForm1 ... TForm11 in order (TForm1
// opens the twenty sounds), filling in the references Form1 ... Form11, and a fresh game state.
// Anything that stops start-up (a sound or picture file missing or broken) raises tk::Error
// naming the file. Only one GameApp exists at a time.
class GameApp {
  public:
    explicit GameApp(std::unique_ptr<tk::Host> host, const std::string& gameDir = ".");
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    tk::Application& App() { return *app_; }
    const AssetLibrary& Library() const { return *assets_; }
    // What every window was handed at its creation.
    const ScreenServices& Services() const { return *services_; }
    // Shows the main window and runs the loop until it closes (real time).
    void Run();

  private:
    tk::Mixer mixer_;
    std::unique_ptr<AssetLibrary> assets_;
    std::unique_ptr<tk::Application> app_;
    Handovers handovers_;
    std::unique_ptr<ScreenServices> services_;
    struct Windows;
    std::unique_ptr<Windows> windows_;
};

// For the script driver, its tests and benchmarks while a GameApp exists: the pictures, and the
// sound bank of the title window's twenty players. The windows get both through their services.
const AssetLibrary& Assets();
SoundBank& Sounds();

}  // namespace vm
