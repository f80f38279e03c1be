// game_icon.h -- the program's window icon: the tower tile the desktop entry shows too.
#pragma once

#include "toolkit/host/host.h"

namespace vm {

// Empty when the build made no pictures; the windows then carry no icon.
tk::AppIcon GameIcon();

}  // namespace vm
