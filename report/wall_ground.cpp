// DrawMuro: the ground in front of the toe and the backfill surface behind the stem.
#include <cmath>

#include "report/wall_parts.h"

namespace tarelvo {

namespace {

// Eight short strokes under a level line at y: four rising to the right from the first set of
// lower ends, four rising to the left from the second.
void Rayado(PageDocument& vp, double s, double y, double xDerecha, double xIzquierda) {
    const double abajo = y + 0.025 * s, corrida = 0.025 * s;
    for (int i = 0; i < 4; ++i) {
        const double x = xDerecha + 0.01 * s * i;
        vp.line(x, abajo, x + corrida, y);
    }
    for (int i = 0; i < 4; ++i) {
        const double x = xIzquierda + 0.01 * s * i;
        vp.line(x, abajo, x - corrida, y);
    }
}

}  // namespace

void DibujaTerreno(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e) {
    const double s = g.s;
    const double suelo = g.y(12) - e.Dsz * s;
    vp.line(g.x(12) - 0.15 * s, suelo, g.x(12) + 0.2 * s, suelo);
    Rayado(vp, s, suelo, g.x(12) + 0.01 * s, g.x(12) + 0.09 * s);

    const double x4 = g.x(4), y4 = g.y(4);
    if (e.BetaRad > 0) {
        const double subida = std::tan(static_cast<double>(e.BetaRad)) * 0.325 * s;
        if (std::isfinite(subida)) vp.line(x4 + 0.025 * s, y4, x4 + 0.35 * s, y4 - subida);
        return;
    }
    vp.line(x4 + 0.025 * s, y4, x4 + 0.35 * s, y4);
    Rayado(vp, s, y4, x4 + 0.2 * s, x4 + 0.28 * s);
}

}  // namespace tarelvo
