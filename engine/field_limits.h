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

// The largest value an input may take, in the units its field or spin shows (metres, degrees,
// t/m3, t/m2, t, kg/cm2). Beyond these the wall is no cantilever retaining wall any more and
// the results panel cannot show its numbers; a value above the limit is refused with a
// message naming it, by the window, the project file, the tool and the batch alike.
struct MaximoCampo {
    const char* campo;   // the state variable's name
    double maximo;
    const char* texto;   // the limit as the field shows it
};

// The upper limit of an input, or nullptr for a name that is no numeric input.
const MaximoCampo* MaximoDe(std::string_view campo);

// True when the number is above the input's upper limit (a name without one never is).
bool ExcedeMaximo(std::string_view campo, double valor);

// "El valor de H= no puede ser mayor que 15.00": the message that refuses it, with the
// caption the engineer knows the input by.
std::string MensajeMaximo(const MaximoCampo& limite, const std::string& rotulo);
// "de " and the name an input is known by, "del ..." for a name that starts with "el ".
std::string DeRotulo(const std::string& rotulo);

}  // namespace tarelvo
