// The wall drawing's inputs from the project: the wall as the last analysis left it in the
// project state, and the seven bar descriptions.
#pragma once

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "export/wall_drawing.h"

namespace tarelvo {

// The stem, toe and heel are drawn as the analysis sized them (a straight stem sized for shear
// is thicker than the minimum typed in its field, an inclined one as thick at its foot as its
// base field), so the footing comes out as wide as the analysed Base.
EntradaDibujo EntradaDeProyecto(const ProjectState& s, const GruposBarras& grupos);

}  // namespace tarelvo
