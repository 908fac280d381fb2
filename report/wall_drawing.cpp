#include "report/wall_drawing.h"

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
    DibujaCotas(vp, g, e);
    DibujaTerreno(vp, g, e);
    DibujaTextosBarras(vp, g, e, barras);
}

}  // namespace tarelvo
