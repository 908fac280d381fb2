#include "engine/bar_spacing.h"

#include "common/number_text.h"

namespace tarelvo {

// ACI 318M-19, 25.2.1: the clear spacing between parallel bars of a layer is at least the
// greatest of 25 mm and the bar diameter (the aggregate's 4/3 is not known here). The spacing
// shown is whole centimetres, so the comparison tolerates only the rounding of the units.
bool CabeBarra(double diametro, double separacion) {
    const double libre = separacion * 100 - diametro;
    const double minimo = diametro > kLibreMinimo ? diametro : kLibreMinimo;
    return libre >= minimo - 1e-9;
}

bool LeeSeparacion(const std::string& texto, std::string& normal) {
    const std::size_t a = texto.find_first_not_of(" \t");
    if (a == std::string::npos) return false;
    std::string t = texto.substr(a, texto.find_last_not_of(" \t") - a + 1);
    // One decimal comma, as the engineer's locale writes it; never a thousands separator.
    if (t.find(',') != t.rfind(',') || (t.find(',') != std::string::npos && t.find('.') != std::string::npos))
        return false;
    if (const std::size_t c = t.find(','); c != std::string::npos) t[c] = '.';
    double v = 0;
    if (!numtext::parseWhole(t, v)) return false;
    if (!(v >= kSeparacionMinima && v <= kSeparacionMaxima)) return false;
    normal = t;
    return true;
}

std::string MensajeSeparacion(const std::string& texto, const std::string& anterior) {
    return "La separación \"" + texto +
           "\" no se acepta: escriba un número de 0.05 a 0.50 m. Se mantiene " + anterior + ".";
}

}  // namespace tarelvo
