// What the results panel shows after a check, as a pure function of the project state: the
// verdict, the ten value texts and which are red, the warning and the enabled buttons. The main
// window, the report and the command-line tool all show the same thing from it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/project_state.h"

namespace tarelvo {

struct ResultValue {
    const char* control;  // value label of the results panel
    const char* heading;  // caption of the heading label beside it
    std::string text;     // empty when the verdict hides it
    bool red = false;
};

struct ResultsView {
    std::string verdict;  // "MURO ESTABLE" or "MURO INESTABLE"
    bool verdictRed = false;
    // Label30 Excent., Label31 Base/6, Label18 FS vuelco, Label25 FS desliz, Label27 Cort en
    // Muro, Label9 Cort en Base, Label28 Cortante Admis., Label10 Presion Maxima, Label32
    // Presion Minima, Label8 Presion Admis.
    std::array<ResultValue, 10> values;
    std::string warning;  // text of Label33 when it is shown
    bool warningVisible = false;
    // Every warning the checks raised, in the order they ran: the label shows only the last,
    // and none for a wall outside the middle third.
    std::vector<std::string> avisos;
    // Enabled state of "&Calculo", "&Preview", "&Refuerzo", "C&hequeo", "&Diag".
    bool calculo = false, preview = false, refuerzo = false, chequeo = false, diag = false;
};

extern const char* const kMuroEstable;
extern const char* const kMuroInestable;
extern const char* const kAvisoVuelco;
extern const char* const kAvisoDesliz;
extern const char* const kAvisoCorteMuro;
extern const char* const kAvisoCorteZapata;
extern const char* const kAvisoPresion;

// The checks of the verdict and its warnings, each true when it fails: the resultant outside
// the middle third, the factors of safety below their minimums, the stem and footing shear
// stresses and the larger soil pressure above their admissible values. A value that is not a
// number fails its check.
struct FallasMuro {
    bool excentricidad = false, vuelco = false, desliz = false, corteMuro = false,
         corteZapata = false, presion = false;
};
FallasMuro EvaluaFallas(const ProjectState& s);

// The larger of the two soil pressures under the footing, t/m2.
float PresionMayor(const ProjectState& s);

ResultsView EvaluaResultados(const ProjectState& s);

// A stem sized exactly for shear may show a stress a float step or two above the admissible
// one; only a real excess counts.
bool FallaCorteMuro(const ProjectState& s);

}  // namespace tarelvo
