#include "report/wall_drawing.h"

#include <algorithm>

#include <QColor>

#include "report/wall_parts.h"

namespace tarelvo {

void DrawMuro(PageDocument& vp, const ProjectState& e, const BarrasMuro& barras) {
    const GeometriaMuro g = CalculaGeometria(e, vp.setup);
    if (!g.valida) return;

    vp.pen.width = 10;
    vp.pen.color = QColor(255, 0, 0);
    vp.brush.style = 1;
    vp.polygon(TextoPoligono(g));
    vp.pen.color = Qt::black;
    vp.pen.width = 25;

    DibujaBarras(vp, g, e, barras);
    const std::vector<ValorCota> valores = DibujaCotas(vp, g, e);
    DibujaTerreno(vp, g, e);
    // Every line is down; the texts go where they cross none of them, and none of each other.
    EspacioLibre espacio(vp.pages().back(),
                         QRectF(vp.flowLeft(), vp.flowTop(), vp.flowRight() - vp.flowLeft(),
                                vp.flowBottom() - vp.flowTop()));
    ColocaValores(vp, espacio, valores, std::max(0.02 * g.s, 30.0));
    DibujaTextosBarras(vp, espacio, g, e, barras);
}

}  // namespace tarelvo
