// Reads script commands, one per line, and drives the program through them (see the README).
#pragma once

#include <istream>
#include <ostream>

namespace sylvandra::script {

// Runs the whole script; returns the process exit code (0, or 2 for a command or target that
// is not known, after a message on `errors` naming the line).
int RunScript(std::istream& in, std::ostream& out, std::ostream& errors);

}  // namespace sylvandra::script
