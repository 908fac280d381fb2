// Between the project state and what a .mur file holds: the values a save writes, and the
// list positions of the materials.
#pragma once

#include <array>
#include <string>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "engine/wall_fields.h"
#include "files/mur_format.h"

namespace tarelvo {

// The F'c and Fy lists of the main window, in their order.
extern const std::array<int, kOpcionesFc> kListaFc;
extern const std::array<int, kOpcionesFy> kListaFy;

// The position of a value in a list; a value not in it takes the nearest entry, so that a
// saved file can always be read back.
int PosicionEnLista(double valor, const int* lista, int cuantos);

// The project as a save writes it (the stem top thickness in metres): the state, the controls
// that hold what the state does not (the stem base, the lists, the footing position) and the
// reinforcement form's spacing boxes, with its bars once they are chosen (BarrasIniciadas).
ProyectoMur ProyectoDeEstado(const ProjectState& s, const CamposMuro& c,
                             const GruposBarras& grupos);

// Empty when the project can be saved and read back; otherwise a message naming the value
// that a file could not hold: a real of magnitude above 1e6 (the reader refuses them), or a
// title longer than kLargoTitulo.
std::string FueraDeRango(const ProyectoMur& p);

}  // namespace tarelvo
