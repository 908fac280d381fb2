// tarelvo-calc: checks of one wall, or of a table of walls, from the command line.
//   tarelvo-calc [--design] [--dump] [--bars] [--save F.mur] [--dxf F.dxf] [--dxf-cad F.dxf]
//                [--pdf F.pdf] [--diag F.png] [FILE.mur] [Name=value ...]
//   tarelvo-calc --batch IN.csv [--design] [--jobs N]
// Exit status 0; 2 for a bad argument or input file; 3 when the engine faults (in a batch:
// when a row carries an error); 4 when an output file cannot be written.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/graphic_outputs.h"
#include "cli/headless_window.h"

namespace tarelvo {

struct ContextoCalc {
    SalidasGraficas graficas;    // the writers of the outputs drawn with Qt, where there are any
    bool errEsTerminal = false;  // standard error is a terminal: a long batch shows its progress
};

int RunCalcTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const ContextoCalc& contexto = {});

// The project the tool reports on, before its outputs and their reinforcement step: the
// start-up project, the file loaded and checked, the pairs typed and checked, the footing
// designed and checked. Returns 0, or the exit status with its message written to `err`.
int ProyectoCalculado(const std::vector<std::string>& args, ProjectState& s, HeadlessWindow& w,
                      std::ostream& err);

}  // namespace tarelvo
