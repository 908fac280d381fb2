// The steps of DrawMuro, one file each; all draw with the document's current settings.
#pragma once

#include <array>
#include <string>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/page_document.h"
#include "report/wall_geometry.h"

namespace tarelvo {

using BarrasMuro = std::array<std::string, GruposBarras::kGrupos>;

// Footing, stem and key bars with their dots.
void DibujaBarras(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e,
                  const BarrasMuro& barras);
// Dimension lines, ticks and values.
void DibujaCotas(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e);
// The ground in front of the toe and the backfill surface.
void DibujaTerreno(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e);
// The text blocks that name the bars.
void DibujaTextosBarras(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e,
                        const BarrasMuro& barras);

// How many intervals of a spacing fit into a length: 0 when the spacing reads 0, is not a
// number, or would give more dots than a page can show.
int Intervalos(double longitud, double separacion);

}  // namespace tarelvo
