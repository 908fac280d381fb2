// The centred footing: the stem stands in the middle of the footing, so toe and heel each take
// half of their sum. The fields show two decimals, and what is analysed must be what they
// show, so the half is rounded to the centimetre; upwards, so that centring never shortens the
// footing the user gave.
#include "engine/dmath.h"
#include "engine/engine.h"
#include "engine/field_rules.h"

namespace tarelvo {

std::string CentraZapata(ProjectState& s, const WindowInputs& w) {
    if (!w.centricaSelected() || s.Punta == s.Talon) return {};
    const double mitad = (static_cast<double>(s.Punta) + s.Talon) / 2.0;
    // The small allowance keeps a half that is a whole centimetre but for float noise
    // (0.40000001) from going up to the next one.
    const double cm = dmath::ceil(mitad * 100.0 - 1e-3) / 100.0;
    // Exactly what the fields will show and their handlers store back.
    std::string texto = TextoCampo(cm);
    s.Punta = NumeroCampo(texto);
    s.Talon = s.Punta;
    return texto;
}

}  // namespace tarelvo
