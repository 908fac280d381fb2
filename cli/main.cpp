// tarelvo-calc. It links no Qt library: a command line that asks for an output drawn with Qt
// is handed to the desktop program beside it.
#include <unistd.h>

#include <iostream>

#include "cli/calc_tool.h"
#include "cli/desktop_handoff.h"
#include "files/safe_save.h"

int main(int argc, char** argv) {
    tarelvo::PreparaGuardados();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    if (tarelvo::PideSalidaGrafica(args))
        return tarelvo::EntregaA(tarelvo::ProgramaJunto("tarelvo", argc > 0 ? argv[0] : ""),
                                 args, std::cerr);
    tarelvo::ContextoCalc contexto;
    contexto.errEsTerminal = ::isatty(STDERR_FILENO) == 1;
    return tarelvo::RunCalcTool(args, std::cout, std::cerr, contexto);
}
