// The wall drawing's inputs from the project: the main window's field texts, the analysis'
// state and the seven bar descriptions.
#pragma once

#include <string>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "export/wall_drawing.h"

namespace tarelvo {

// The field texts the drawing reads (metres).
struct TextosCampos {
    std::string altZap, punta, altura, talon, dsz, altDent, anchDent;
};

// The stem is drawn as thick at its top as the analysis made it: a straight stem sized for
// shear is thicker than the minimum typed in its field.
EntradaDibujo EntradaDeProyecto(const ProjectState& s, const TextosCampos& campos,
                                const GruposBarras& grupos);

}  // namespace tarelvo
