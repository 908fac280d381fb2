// The steps of DrawMuro, one file each; all draw with the document's current settings.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/label_space.h"
#include "report/page_document.h"
#include "report/wall_geometry.h"

namespace tarelvo {

using BarrasMuro = std::array<std::string, GruposBarras::kGrupos>;

// Footing, stem and key bars with their dots.
void DibujaBarras(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e,
                  const BarrasMuro& barras);

// A dimension's value, placed once every line of the drawing is down.
struct ValorCota {
    double valor;
    bool vertical;       // its line runs down the page; the value reads upward beside it
    double desde, hasta;  // the span measured: x from and to, or y from and to
    double linea;        // the line's y, or its x
    double marca;        // how far the end marks stand out from the line
};

// Dimension lines and ticks; returns the values to place.
std::vector<ValorCota> DibujaCotas(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e);
// The ground in front of the toe and the backfill surface.
void DibujaTerreno(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e);
// Each value in the first free place of its own: centred on its line, above its end marks,
// past either end, across its line; `holgura` is the gap it keeps when it moves.
void ColocaValores(PageDocument& vp, EspacioLibre& espacio, const std::vector<ValorCota>& valores,
                   double holgura);
// The text blocks that name the bars, each in the first free place near its bars.
void DibujaTextosBarras(PageDocument& vp, EspacioLibre& espacio, const GeometriaMuro& g,
                        const ProjectState& e, const BarrasMuro& barras);

// How many intervals of a spacing fit into a length: 0 when the spacing reads 0, is not a
// number, or would give more dots than a page can show.
int Intervalos(double longitud, double separacion);

}  // namespace tarelvo
