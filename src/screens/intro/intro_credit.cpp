// intro_credit.cpp -- the intro's credit line, kept until the version text changes.
#include "screens/intro/intro_credit.h"

namespace vm::intro {

const std::string& CreditLine::For(const std::string& versionText) {
    if (made_ && versionText == version_) return line_;
    version_ = versionText;
    line_ = "A game by ";
    line_ += kStudioName;
    line_ += " - ";
    line_ += versionText;
    line_ += " - ";
    line_ += kStudioAddress;
    made_ = true;
    return line_;
}

}  // namespace vm::intro
