// tarelvo-calc: batch checks of one wall from the command line.
//   tarelvo-calc [--design] [--dump] [Name=value ...]
// Exit status 0; 2 for a bad argument; 3 when the engine faults.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarelvo {

int RunCalcTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarelvo
