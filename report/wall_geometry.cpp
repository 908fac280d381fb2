#include "report/wall_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tarelvo {

GeometriaMuro CalculaGeometria(const ProjectState& e, const PageSetup& setup) {
    GeometriaMuro g;
    const double ancho = PageWidth(setup) - setup.left - setup.right;
    const double alto = PageHeight(setup) - setup.top - setup.bottom;
    g.centroX = ancho / 2 + setup.left;
    g.centroY = alto / 2 + setup.top;
    g.altDent = e.ConDent ? e.AltDent : 0;
    g.anchDent = e.ConDent ? e.AnchDent : 0;

    g.muro = MuroDeAnalisis(e);
    const double base = g.muro.zapata, punta = g.muro.punta, talon = g.muro.talon;
    const double altura = e.Altura, altZap = e.AltZap;
    const double corona = g.muro.corona;
    const double sx = 0.85 * ancho / (base + 0.35);
    const double sy = 0.85 * alto / (altZap + altura + g.altDent + 0.5);
    const double s = sx < sy ? sx : sy;
    g.s = s;
    if (!(std::isfinite(s) && s > 0)) return g;

    const double t = g.muro.base;  // stem thickness at its foot
    auto& p = g.p;
    auto pone = [&p](int i, double x, double y) {
        p[static_cast<std::size_t>(i)] = QPointF(static_cast<float>(x), static_cast<float>(y));
    };
    const double x0 = g.centroX - base * s / 2;
    const double y0 = g.centroY - (altura + altZap + g.altDent) * s / 2 - 0.15 * s;
    pone(0, x0, y0);
    pone(1, e.FormaMuro == 2 ? x0 + punta * s : x0 + (base - talon - corona) * s, y0);
    pone(2, g.x(1) + corona * s, y0);
    pone(3, g.x(2), y0);
    pone(4, g.x(2), y0);
    pone(5, x0 + (punta + t) * s, y0 + altura * s);
    pone(6, x0 + base * s, g.y(5));
    pone(7, g.x(6), g.y(6) + altZap * s);
    // The shear key under the middle of the footing, where the DXF drawing has it.
    const double llave = x0 + (base - g.anchDent) / 2 * s;
    pone(8, llave + g.anchDent * s, g.y(7));
    pone(9, g.x(8), g.y(8) + g.altDent * s);
    pone(10, llave, g.y(9));
    pone(11, g.x(10), g.y(8));
    pone(12, x0, g.y(11));
    pone(13, x0, g.y(6));
    pone(14, x0 + punta * s, g.y(13));

    g.valida = std::all_of(p.begin(), p.end(), [](const QPointF& q) {
        return std::isfinite(q.x()) && std::isfinite(q.y());
    });
    return g;
}

QString TextoPoligono(const GeometriaMuro& g) {
    std::string text;
    auto escribe = [&text](double v) {
        char buf[32];
        const float f = static_cast<float>(v);
        const auto r = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::fixed);
        if (!std::signbit(f)) text += ' ';
        text.append(buf, r.ptr);
    };
    for (int i = 1; i <= 14; ++i) {
        escribe(g.x(i));
        escribe(g.y(i));
    }
    return QString::fromStdString(text);
}

}  // namespace tarelvo
