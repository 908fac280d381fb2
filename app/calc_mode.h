// The desktop program as the command-line tool, for the outputs drawn with Qt:
//   tarelvo --pdf OUT.pdf [FILE.mur] [Name=value ...]
// takes the arguments of tarelvo-calc, opens no window and writes those outputs itself;
// tarelvo-calc hands such command lines over to it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/graphic_outputs.h"

namespace tarelvo {

// The writers of the outputs drawn with Qt, by option.
SalidasGraficas SalidasConQt();

// Whether the arguments make the desktop program run as the command-line tool.
bool EsModoCalculo(const std::vector<std::string>& args);

// Runs the command line as tarelvo-calc would, with the writers above. Returns its exit status.
int ModoCalculo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarelvo
