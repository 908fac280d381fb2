// The Name=value pairs of tarelvo-calc, taken as the main window's controls take them: a field
// value typed into its field and left (a value below its lower limit is refused; Ancho in cm
// goes into its field in metres), the slope, the loads and the admissible pressure as their
// spins write them ("0.00", within the spins' range), F'c and Fy as their lists' texts,
// FormaMuro, Pasiva, ConDent and Centrica as their options clicked once the fields are typed,
// and Centro typed into its field after the wall type. The bar choices DiamMuroIntVert ...
// DiamZapTransv (1, 3/4, 1/2 or 3/8) and the spacing boxes Separ1 ... Separ3 (0.05 to 0.50 m)
// are chosen in the reinforcement form's lists and boxes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/headless_window.h"
#include "engine/bar_inputs.h"

namespace tarelvo {

// Which pairs were given, for the rules that run once they are all typed.
struct ParesDados {
    bool alguno = false;
    bool dsz = false, beta = false;
    // The options, clicked once the fields are typed.
    std::optional<int> formaMuro;
    std::optional<bool> pasiva, conDent, centrica;
    std::optional<std::string> centro;
    BarrasDadas barras;
};

// Whether `nombre` names a value a pair can give.
bool EsNombreDePar(const std::string& nombre);

// Applies one pair to the state and the window's controls. Returns the message for a pair
// that cannot be taken, or an empty text. A value the window would not keep is refused: below
// its field's lower limit, outside its spins' range, or not one of its option's values.
std::string AplicaPar(const std::string& nombre, const std::string& texto, ProjectState& s,
                      HeadlessWindow& w, ParesDados& dados);

// Once every pair is typed: the foundation depth and the slope rules of their fields, then
// the options in the order "PRESION PASIVA", "DENTELLON", "POSICION ZAPATA" (which checks the
// wall, as clicking it does, and writes the toe and heel back into their fields) and "TIPO DE
// MURO" (which couples the stem base to the top and the height), then the stem base typed;
// last the bars and spacing boxes given.
void CierraPares(ProjectState& s, HeadlessWindow& w, const ParesDados& dados,
                 std::vector<std::string>& avisos);

}  // namespace tarelvo
