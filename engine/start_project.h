// The project the main window opens on, and the one "&Nuevo" puts back: the state and the
// texts of the controls that show it, before the first check.
#pragma once

#include "engine/project_state.h"
#include "engine/wall_fields.h"

namespace tarelvo {

// The default wall with F'c 210 and Fy 2800, "Muro Recto", the footing "Centrica", passive
// pressure "Despreciada" and no shear key.
void ProyectoInicial(ProjectState& s, CamposMuro& c);

// The default wall again, with the footing position kept as its option shows it; with
// "Excentrica" the toe starts at 0.20. The backfill cohesion goes back to 0 as well. What the
// fields show is what the state holds.
void ProyectoNuevo(ProjectState& s, CamposMuro& c);

}  // namespace tarelvo
