// The drawing of the wall on the report's last page: the construction drawing of
// drawing/wall_sheet.h, at its scale, centred in the printable area.
#pragma once

#include <array>
#include <string>

#include "drawing/sheet_model.h"
#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/page_document.h"

namespace tarelvo {

// Draws on the current page; ends nothing. `barras` are the seven bar descriptions in
// GruposBarras order. The drawing is at the first scale at which it fits the printable area;
// a wall that cannot be drawn draws nothing. Returns the drawing drawn.
Lamina DrawMuro(PageDocument& vp, const ProjectState& e,
                const std::array<std::string, GruposBarras::kGrupos>& barras);

// Twips per metre of paper.
constexpr double kTwipsPorMetro = 1440 / 0.0254;

}  // namespace tarelvo
