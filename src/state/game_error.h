// game_error.h -- the error that the game state and the rules raise: a message for the player.
#pragma once

#include <stdexcept>
#include <string>

namespace vm {

// A save file that cannot be read or written, a game variable that does not exist. The message is
// shown as it stands, so it names the file, the line or the variable.
class GameError : public std::runtime_error {
  public:
    explicit GameError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vm
