// The quantities of a wall per metre of its length: the concrete volume of the analysed stem,
// footing and shear key, and the weight of the steel of the seven bar groups as chosen, for
// tables of walls that are priced or compared.
#pragma once

#include "engine/bar_groups.h"
#include "engine/project_state.h"

namespace tarelvo {

// Steel, kg per metre of bar for each cm2 of its area (7850 kg/m3).
constexpr double kKgPorMetroYCm2 = 0.785;

// m3 per metre of wall: the stem as analysed (its top and foot thicknesses over the height),
// the footing (its width by its thickness) and the shear key where there is one.
double VolumenConcreto(const ProjectState& s);

// kg per metre of wall, from each group's bar and spacing, in straight lengths without laps,
// hooks or cover: the stem's vertical bars over the stem and the footing thickness, its
// horizontal bars along the wall at every spacing of the height, the footing's top and bottom
// bars across its width, its distribution bars along the wall in both layers, and with a
// shear key the exterior vertical bars repeated round it with its two 3/8" bars. A group
// without a positive spacing adds nothing.
double PesoAcero(const ProjectState& s, const GruposBarras& grupos);

}  // namespace tarelvo
