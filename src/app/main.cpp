// main.cpp -- the game program: start-up on real windows, then the message loop.
#include <cstdio>
#include <exception>
#include <memory>

#include "app/game_app.h"
#include "toolkit/host/sdl_host.h"

int main() {
    try {
        vm::GameApp game(std::make_unique<tk::SdlHost>());
        game.Run();
    } catch (const std::exception& e) {
        tk::SdlHost::ShowFatalError(e.what());
        return 1;
    }
    return 0;
}
