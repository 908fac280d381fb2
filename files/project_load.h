// A project file applied to the project as "&Abre" leaves it before its check: the state and
// the texts of the controls that show it. What the fields show is what the state holds: each
// value passes through its field's "0.00" text, except the wall height and the foundation
// depth, whose fields store only when left. The backfill cohesion is not in the file and keeps
// its value; the bars are chosen again for the loaded wall.
#pragma once

#include <string>

#include "engine/project_state.h"
#include "engine/wall_fields.h"
#include "files/mur_format.h"

namespace tarelvo {

// Returns the warning the user must see, one line a cause (values beyond their fields' limits,
// set to them; a slope above the file's friction angle, brought back to it), or an empty text.
std::string CargaProyecto(const ProyectoMur& p, ProjectState& s, CamposMuro& c);

}  // namespace tarelvo
