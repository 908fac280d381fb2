// The command line of tarelvo-calc, read into its options: which steps, which outputs, the
// project file, the Name=value pairs, or a batch of walls.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tarelvo {

struct OpcionesCalc {
    bool design = false;
    bool dump = false;
    bool bars = false;
    std::string archivo, guardar, dxf, dxfCad;
    // The outputs drawn with Qt (graphic_outputs.h), option and file, in the order given.
    std::vector<std::pair<std::string, std::string>> graficas;
    std::vector<std::pair<std::string, std::string>> pares;
    std::string lote;   // --batch: the table of walls ("-" for the standard input)
    int trabajos = 0;   // --jobs; 0 for one per core
};

// Reads the arguments. Returns -1 to go on, or the exit status: 0 once the help is shown on
// `out`, 2 with the message on `err` for an unknown option, an option given twice, an empty
// argument or file name, a second project file, or options that do not go together.
int LeeArgumentos(const std::vector<std::string>& args, OpcionesCalc& op, std::ostream& out,
                  std::ostream& err);

// The number of threads a batch uses when --jobs is not given.
int TrabajosPorDefecto();

}  // namespace tarelvo
