// script_runner.h -- the script driver's language: one command a line over a GameDriver.
#pragma once

#include <iosfwd>

namespace vm {

// Runs the script from `in`, answering on `out` and reporting script faults on `err`.
// Returns the exit status: 0 at the end of the script or when the program ends ("ended" is
// printed), 2 for an unknown command or a bad argument ("script: line N: ..." on err), 1 when
// the game cannot start.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace vm
