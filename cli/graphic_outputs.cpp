#include "cli/graphic_outputs.h"

#include <algorithm>

namespace tarelvo {

const std::vector<std::string> kOpcionesGraficas = {"--pdf", "--diag"};

bool PideSalidaGrafica(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return std::find(kOpcionesGraficas.begin(), kOpcionesGraficas.end(), a) !=
               kOpcionesGraficas.end();
    });
}

}  // namespace tarelvo
