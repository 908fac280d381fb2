// A project file applied to the project as "&Abre" leaves it before its check: the state, the
// texts of the controls that show it, and the reinforcement form's bars and spacing boxes.
// What the fields show is what the state holds: each value goes into its field as the
// "0.00" text when that holds it, else as its shortest exact text, so that a value typed with
// more decimals is analysed as it was saved; the wall height and the foundation depth, whose
// fields store only when left, are stored as the file gives them. The values of the
// Nombre=valor lines meet the limits of their fields; a value the file does not give keeps
// what the window shows (the backfill cohesion, the spacing boxes) or follows from the rest
// (the stem base from the wall type, the shear key from its depth, the bars preselected for
// the loaded wall).
#pragma once

#include <string>
#include <vector>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "engine/wall_fields.h"
#include "files/mur_format.h"

namespace tarelvo {

// Returns what the user must be told, one sentence each: a value brought to its field's limit,
// a slope above the file's friction angle brought back to it, a stem base its wall type does
// not allow.
std::vector<std::string> CargaProyecto(const ProyectoMur& p, ProjectState& s, CamposMuro& c,
                                       GruposBarras& grupos);

// A file as read: the reader's notes on the lines it left aside, then the load's, joined by
// line ends into the text of the "ATENCION" message; empty when there is nothing to tell.
std::string CargaLectura(const LecturaMur& l, ProjectState& s, CamposMuro& c,
                         GruposBarras& grupos);

}  // namespace tarelvo
