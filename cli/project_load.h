// A project file applied to the start-up project as the main window's load leaves the state:
// the wall type, the centred footing, the passive option and the shear key follow the file,
// the values that pass through a field are read back from their "0.00" texts, and the
// backfill cohesion keeps its value.
#pragma once

#include <string>

#include "cli/headless_window.h"
#include "files/mur_format.h"

namespace tarelvo {

// Returns a warning for the user (the slope brought back to the friction angle), or empty.
std::string AplicaProyecto(ProjectState& s, HeadlessWindow& w, const ProyectoMur& p);

}  // namespace tarelvo
