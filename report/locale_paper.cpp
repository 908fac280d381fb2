#include "report/locale_paper.h"

#include <cstdlib>

namespace tarelvo {

namespace {
const std::string_view kRegionesCarta[] = {"US", "CA", "MX", "PH", "BO", "CL", "CO", "CR",
                                           "GT", "NI", "PA", "PR", "SV", "VE"};
}

bool LocaleUsaCarta(std::string_view locale) {
    const auto raya = locale.find('_');
    if (raya == std::string_view::npos) return false;
    std::string_view region = locale.substr(raya + 1);
    region = region.substr(0, region.find_first_of(".@"));
    for (std::string_view r : kRegionesCarta)
        if (region == r) return true;
    return false;
}

bool RegionUsaCarta() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const char* valor = std::getenv(variable);
        if (valor && *valor) return LocaleUsaCarta(valor);
    }
    return false;
}

}  // namespace tarelvo
