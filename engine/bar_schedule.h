// The bar schedule ("Planilla de armaduras") of a wall per metre of its length: for each bar
// group its mark, bar, spacing, the length of one bar, how many bars a metre of wall holds and
// their weight. The report's schedule, the drawings' bar marks and the batch's steel weight all
// come from it, so that they cannot disagree.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/bar_groups.h"
#include "engine/project_state.h"

namespace tarelvo {

struct FilaPlanilla {
    std::string marca;     // "M1" ... "M4" for the stem, "Z1" ... "Z3" for the footing, "D1"
    std::string elemento;  // the group's name, or the key's bars
    std::string barra;     // the bar's text, "ø 1/2\""
    double separacion = 0; // m; 0 for bars counted, not spaced
    double largo = 0;      // m, one bar, straight, without laps or hooks
    double cantidad = 0;   // bars per metre of wall
    double kg = 0;         // kg per metre of wall
};

// The mark of a bar group, as the drawings call its bars.
const char* MarcaGrupo(int grupo);

// Straight lengths as the quantities take them: the stem's vertical bars over the stem and the
// footing thickness, its horizontal bars along the wall (a metre of bar per metre of wall) at
// every spacing of the height, the footing's top and bottom bars across its width, its
// distribution bars along the wall in both layers, and with a shear key the exterior vertical
// bars carried round it and its two 3/8" bars along the wall. A group without a positive
// spacing has no row.
std::vector<FilaPlanilla> PlanillaArmaduras(const ProjectState& s, const GruposBarras& grupos);

// The same from the seven bar descriptions alone ("ø 1/2\" a 0.20"), as the report receives
// them; a description naming no bar of the table has no row.
std::vector<FilaPlanilla> PlanillaArmaduras(
    const ProjectState& s, const std::array<std::string, GruposBarras::kGrupos>& etiquetas);

}  // namespace tarelvo
