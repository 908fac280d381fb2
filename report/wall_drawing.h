// The drawing of the wall on the report's last page: the concrete outline to scale, the bars
// as lines and dots, the dimensions, the ground and backfill marks and the texts naming the
// bars.
#pragma once

#include <array>
#include <string>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/page_document.h"

namespace tarelvo {

// Draws on the current page with the document's current font and text colour; ends nothing.
// `barras` are the seven bar descriptions in GruposBarras order. A wall that cannot be drawn
// to a positive scale draws nothing; a bar spacing that reads 0 skips its row of dots.
void DrawMuro(PageDocument& vp, const ProjectState& e,
              const std::array<std::string, GruposBarras::kGrupos>& barras);

}  // namespace tarelvo
