// DrawMuro: the bars as lines and the bars seen end-on as dots.
#include <cmath>

#include "report/wall_parts.h"

namespace tarelvo {

namespace {

constexpr int kMaxIntervalos = 1000;

enum Etiqueta { L17, L18, L19, L20, L23, L24, L25 };

double Separacion(const BarrasMuro& barras, Etiqueta l) {
    return GruposBarras::SeparacionDe(barras[static_cast<std::size_t>(l)]);
}

void Zapata(PageDocument& vp, const GeometriaMuro& g, const BarrasMuro& barras) {
    const double s = g.s;
    vp.line(g.x(13) + 0.03 * s, g.y(13) + 0.03 * s, g.x(6) - 0.03 * s, g.y(13) + 0.03 * s);
    vp.line(g.x(12) + 0.03 * s, g.y(12) - 0.03 * s, g.x(7) - 0.03 * s, g.y(12) - 0.03 * s);

    vp.brush.color = Qt::black;
    vp.brush.style = 0;
    const double r = 0.01 * s;
    const double x = g.x(12) + 0.04 * s;
    const double abajo = g.y(12) - 0.04 * s, arriba = g.y(13) + 0.04 * s;
    vp.circle(x, abajo, r);
    vp.circle(x, arriba, r);
    const int n = Intervalos(g.muro.zapata, Separacion(barras, L25));
    if (n == 0) return;
    const double paso = (g.x(7) - 0.04 * s - x) / n;
    for (int i = 1; i <= n; ++i) {
        vp.circle(x + i * paso, abajo, r);
        vp.circle(x + i * paso, arriba, r);
    }
}

void Muro(PageDocument& vp, const GeometriaMuro& g, const BarrasMuro& barras,
          const ProjectState& e) {
    const double s = g.s;
    const double yPie = g.y(12) - 0.05 * s;
    vp.brush.style = 1;
    const double frente = g.x(14) + 0.025 * s - (e.FormaMuro == 1 ? 0.013 * s : 0);
    const double dorso = g.x(5) - 0.025 * s + (e.FormaMuro == 2 ? 0.013 * s : 0);
    vp.line(g.x(14) - 0.25 * s, yPie, frente, yPie);
    vp.line(dorso, yPie, g.x(5) + 0.25 * s, yPie);
    if (e.FormaMuro == 1)
        vp.line(frente, yPie, g.x(1) + 0.025 * s, g.y(1) + 0.025 * s);
    else
        vp.line(frente, yPie, frente, g.y(1) + 0.025 * s);
    if (e.FormaMuro == 2)
        vp.line(dorso, yPie, g.x(4) - 0.025 * s, g.y(4) + 0.025 * s);
    else
        vp.line(dorso, yPie, dorso, g.y(4) + 0.025 * s);

    vp.brush.style = 0;
    const double r = 0.01 * s;
    const double yBase = g.y(5) - 0.01 * s;
    vp.circle(g.x(5) - 0.037 * s, yBase, r);
    vp.circle(g.x(14) + 0.037 * s, yBase, r);
    const double alto = g.y(5) - 0.01 * s - (g.y(4) + 0.035 * s);
    // Each face's dots climb along it, the battered one leaning with its face.
    auto fila = [&](Etiqueta l, double x0, double corrida) {
        const int n = Intervalos(e.Altura, Separacion(barras, l));
        for (int i = 1; i <= n; ++i)
            vp.circle(x0 + corrida * i / n, g.y(5) - i * (alto / n) - 0.01 * s, r);
    };
    fila(L18, g.x(5) - 0.037 * s, -(g.x(5) - g.x(4)));
    fila(L20, g.x(14) + 0.037 * s, g.x(1) - g.x(14));
}

// The key's bars as the DXF drawing has them: a U inside the key at the cover, its legs up to
// 0.05 below the footing top, kept a centimetre clear of a stem bar coming down on a leg, and
// a bar in section in each bottom corner.
void Dentellon(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e) {
    const double s = g.s;
    double xa = g.x(10) + 0.03 * s, xb = g.x(9) - 0.03 * s;
    const double fondo = g.y(10) - 0.03 * s, tope = g.y(13) + 0.05 * s;
    // The stem's vertical bars at their foot, as Muro draws them.
    const double frente = g.x(14) + 0.025 * s - (e.FormaMuro == 1 ? 0.013 * s : 0);
    const double dorso = g.x(5) - 0.025 * s + (e.FormaMuro == 2 ? 0.013 * s : 0);
    if (std::abs(xa - frente) < 0.01 * s) xa += 0.01 * s;
    if (std::abs(xb - dorso) < 0.01 * s) xb -= 0.01 * s;
    vp.brush.style = 1;
    vp.line(xa, fondo, xa, tope);
    vp.line(xa, fondo, xb, fondo);
    vp.line(xb, fondo, xb, tope);
    vp.brush.style = 0;
    vp.circle(xa + 0.0125 * s, fondo - 0.0125 * s, 0.01 * s);
    vp.circle(xb - 0.0125 * s, fondo - 0.0125 * s, 0.01 * s);
}

}  // namespace

int Intervalos(double longitud, double separacion) {
    if (!(separacion > 0) || !std::isfinite(separacion)) return 0;
    const double n = std::floor(longitud / separacion);
    if (!(n >= 1) || n > kMaxIntervalos) return 0;
    return static_cast<int>(n);
}

void DibujaBarras(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e,
                  const BarrasMuro& barras) {
    Zapata(vp, g, barras);
    Muro(vp, g, barras, e);
    if (e.ConDent) Dentellon(vp, g, e);
}

}  // namespace tarelvo
