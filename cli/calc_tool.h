// tarelvo-calc: batch checks of one wall from the command line.
//   tarelvo-calc [--design] [--dump] [--bars] [--save F.mur] [--dxf F.dxf] [--dxf-cad F.dxf]
//                [--pdf F.pdf] [--diag F.png] [FILE.mur] [Name=value ...]
// Exit status 0; 2 for a bad argument or input file; 3 when the engine faults; 4 when an
// output file cannot be written.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/headless_window.h"

namespace tarelvo {

int RunCalcTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The project the tool reports on, before its outputs and their reinforcement step: the
// start-up project, the file loaded and checked, the pairs typed and checked, the footing
// designed and checked. Returns 0, or the exit status with its message written to `err`.
int ProyectoCalculado(const std::vector<std::string>& args, ProjectState& s, HeadlessWindow& w,
                      std::ostream& err);

}  // namespace tarelvo
