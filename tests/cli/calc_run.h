// tarelvo-calc run in the test's process: with the report writers of the desktop program where
// the build has Qt, as `tarelvo-calc --pdf` runs through it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/calc_tool.h"
#ifdef TARELVO_CON_REPORTE
#include "app/calc_mode.h"
#endif

namespace tarelvo {

inline int CorreCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
#ifdef TARELVO_CON_REPORTE
    return ModoCalculo(args, out, err);
#else
    return RunCalcTool(args, out, err);
#endif
}

}  // namespace tarelvo
