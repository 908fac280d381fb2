// The limits of the main window's controls: the lower limits its fields apply when they are
// left (a smaller number is replaced by the limit's own text, which the field then stores), and
// the ranges its spins step within.
#pragma once

#include <string>
#include <string_view>

namespace tarelvo {

struct LimiteCampo {
    const char* campo;   // the field's name, as its state variable's
    double minimo;
    const char* texto;   // what the field shows instead of a smaller number
};

// The limit of a field, or nullptr for a field left as typed.
const LimiteCampo* LimiteAlSalir(std::string_view campo);

// The field's text once left.
std::string ConLimite(const LimiteCampo& limite, const std::string& texto);

// A value set by spins: the slope, the loads and the admissible pressure. The spins step down
// to 0 and up to `maximo`, which they show as `textoMaximo`.
struct RangoSpin {
    const char* campo;
    double maximo;
    const char* textoMaximo;
};

// The range of a value set by spins, or nullptr for any other.
const RangoSpin* RangoDeSpin(std::string_view campo);

}  // namespace tarelvo
