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
    // "MURO ESTABLE" only when every check passes; "MURO INESTABLE" for a resultant outside
    // the middle third; "NO CUMPLE" for any other failed check.
    std::string verdict;
    bool verdictRed = false;
    // Label30 Excent., Label31 Base/6, Label18 FS vuelco, Label25 FS desliz, Label27 Cort en
    // Muro, Label9 Cort en Base, Label28 Cortante Admis., Label10 Presion Maxima, Label32
    // Presion Minima, Label8 Presion Admis.
    std::array<ResultValue, 10> values;
    // The earthquake case's factors of safety, FsVuelcoSismo and FsDeslizSismo, in the row
    // below the panel's; `conSismo` says whether the wall has an earthquake case at all.
    std::array<ResultValue, 2> sismo;
    bool conSismo = false;
    // Text of Label33 when it is shown: every failed check on its own line, then
    // "RECALCULE!".
    std::string warning;
    bool warningVisible = false;
    // Every failed check, one line each: the middle third, overturning, sliding, stem shear,
    // footing shear, soil pressure, the steel ratios of stem, toe and heel, then each bar group
    // that cannot be placed. Empty when the wall passes.
    std::vector<std::string> avisos;
    // Enabled state of "&Calculo", "&Preview", "&Refuerzo", "C&hequeo", "&Diag". A completed
    // check leaves the record of a failing wall printable too.
    bool calculo = false, preview = false, refuerzo = false, chequeo = false, diag = false;
};

extern const char* const kMuroEstable;
extern const char* const kMuroInestable;
extern const char* const kMuroNoCumple;
extern const char* const kAvisoExcent;
extern const char* const kAvisoVuelco;
extern const char* const kAvisoDesliz;
extern const char* const kAvisoCorteMuro;
extern const char* const kAvisoCorteZapata;
extern const char* const kAvisoPresion;
extern const char* const kAvisoCuantiaMuro;
extern const char* const kAvisoCuantiaPunta;
extern const char* const kAvisoCuantiaTalon;
extern const char* const kAvisoSeccionPunta;
extern const char* const kAvisoSeccionTalon;
extern const char* const kRecalcule;
extern const char* const kAvisoVuelcoSismo;
extern const char* const kAvisoDeslizSismo;
extern const char* const kAvisoExcentSismo;
extern const char* const kAvisoPresionSismo;

// The line that names a bar group whose bars cannot be placed.
std::string AvisoBarras(int grupo);

// The checks of the verdict and its warnings, each true when it fails: the resultant outside
// the middle third (either side), the factors of safety below their minimums, the stem and
// footing shear stresses and the larger soil pressure above their admissible values, the steel
// ratios of stem, toe and heel above the maximum, the bar groups that cannot be placed (bit g
// for group g), and the earthquake case's own checks. A value that is not a number fails its
// check.
struct FallasMuro {
    bool excentricidad = false, vuelco = false, desliz = false, corteMuro = false,
         corteZapata = false, presion = false, cuantiaMuro = false, cuantiaPunta = false,
         cuantiaTalon = false;
    // A toe or heel whose depth cannot carry its moment (its ratio fails too; the warning
    // names the section instead).
    bool seccionPunta = false, seccionTalon = false;
    int barras = 0;
    // The earthquake case's checks (none without one).
    bool vuelcoSismo = false, deslizSismo = false, excentSismo = false, presionSismo = false;
    // The minimums the factors were judged against.
    float minVuelco = 1.5f, minDesliz = 1.5f, minVuelcoSismo = 1.1f, minDeslizSismo = 1.1f;
    bool alguna() const {
        return excentricidad || vuelco || desliz || corteMuro || corteZapata || presion ||
               cuantiaMuro || cuantiaPunta || cuantiaTalon || barras != 0 || vuelcoSismo ||
               deslizSismo || excentSismo || presionSismo;
    }
};
FallasMuro EvaluaFallas(const ProjectState& s);

// The failed checks' lines, in the order of ResultsView::avisos.
std::vector<std::string> AvisosDe(const FallasMuro& f);

// The lines on one line, " | " between them: the batch's Avisos column and --dump's Avisos=.
std::string UnaLinea(const std::vector<std::string>& lineas);

// The larger of the two soil pressures under the footing, t/m2.
float PresionMayor(const ProjectState& s);

ResultsView EvaluaResultados(const ProjectState& s);

// A stem sized exactly for shear may show a stress a float step or two above the admissible
// one; only a real excess counts.
bool FallaCorteMuro(const ProjectState& s);

}  // namespace tarelvo
