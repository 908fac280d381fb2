// The hand-over of a command line that asks for an output drawn with Qt to the desktop program
// tarelvo, which sits in the same folder as tarelvo-calc both in the build tree and once
// installed, and runs the same command line without opening a window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarelvo {

// The program called `nombre` in the folder of the running program (found through
// /proc/self/exe, else through `argv0`); empty when that folder is unknown.
std::string ProgramaJunto(const std::string& nombre, const std::string& argv0);

// Replaces this process with `programa` run on `args`, whose output, messages and exit status
// become this tool's. Returns only when it could not be started: 4, with the message on `err`.
int EntregaA(const std::string& programa, const std::vector<std::string>& args,
             std::ostream& err);

}  // namespace tarelvo
