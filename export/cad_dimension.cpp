#include "export/cad_dimension.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace tarelvo {

namespace {

// Coordinates along the dimension (u) and across it (v), v growing the way the text's letters
// stand up: a vertical dimension's text reads upwards, so its v grows to the left.
struct Marco {
    bool vertical;
    double u(PuntoCad p) const { return vertical ? p.y : p.x; }
    double v(PuntoCad p) const { return vertical ? -p.x : p.y; }
    PuntoCad punto(double u, double v) const { return vertical ? PuntoCad{-v, u} : PuntoCad{u, v}; }
};

// An arrow head's width over its length, as CAD programs draw the closed filled arrow.
constexpr double kAnchoFlecha = 1.0 / 3.0;

}  // namespace

std::string TextoMedida(double medida) { return numtext::format(medida, "0.00"); }

GraficoCota GraficoDeCota(DimAxis eje, PuntoCad linea, PuntoCad origen1, PuntoCad origen2, const TamanosCad& t) {
    const Marco m{eje == DimAxis::Vertical};
    const double vd = m.v(linea);
    const double u1 = m.u(origen1), u2 = m.u(origen2);
    const double ua = std::min(u1, u2), ub = std::max(u1, u2);

    GraficoCota g;
    g.medida = ub - ua;
    g.texto = TextoMedida(g.medida);
    g.angulo = m.vertical ? 90 : 0;

    // Arrows inside when both fit between the extension lines, else outside pointing in.
    const bool dentro = ub - ua >= 2 * t.flecha;
    const double cola = dentro ? 0.0 : 2 * t.flecha;
    g.lineas.push_back({m.punto(ua - cola, vd), m.punto(ub + cola, vd)});
    for (const PuntoCad o : {origen1, origen2}) {
        const double vo = m.v(o);
        const double lado = vd >= vo ? 1.0 : -1.0;
        const double desde = vo + lado * std::min(t.separa, std::fabs(vd - vo));
        g.lineas.push_back({m.punto(m.u(o), desde), m.punto(m.u(o), vd + lado * t.prolonga)});
    }
    const double media = t.flecha * kAnchoFlecha / 2;
    for (const auto& [punta, hacia] : {std::pair{ua, dentro ? 1.0 : -1.0}, std::pair{ub, dentro ? -1.0 : 1.0}}) {
        const double base = punta + hacia * t.flecha;
        g.flechas.push_back({m.punto(punta, vd), m.punto(base, vd - media), m.punto(base, vd + media)});
    }

    // The text stands on the side of the line away from the origins, clear of the wall.
    const double centro = (ua + ub) / 2;
    const double base = vd >= m.v(origen1) ? vd + t.hueco : vd - t.hueco - t.texto;
    g.baseTexto = m.punto(centro, base);
    g.medioTexto = m.punto(centro, base + t.texto / 2);
    g.definicion = m.punto(u2, vd);
    return g;
}

}  // namespace tarelvo
