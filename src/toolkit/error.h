// error.h -- the one exception type of the toolkit and the game: a message for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace tk {

// Raised by any failing step (a file that cannot be opened, a line that is not a number).
// The message is shown to the player as it stands, so it must name what went wrong.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tk
