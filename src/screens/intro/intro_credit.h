// intro_credit.h -- the credit line at the foot of the intro: our name, the version, our address.
#pragma once

#include <string>
#include <string_view>

namespace vm::intro {

inline constexpr std::string_view kStudioName = "Hollowcandle Studio";
inline constexpr std::string_view kStudioAddress = "hollowcandle.example";

// "A game by <studio> - <version> - <address>", made again only when the version text changes,
// so a tick that draws it builds no string.
class CreditLine {
  public:
    const std::string& For(const std::string& versionText);

  private:
    bool made_ = false;
    std::string version_;
    std::string line_;
};

}  // namespace vm::intro
