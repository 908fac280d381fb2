#include "engine/wall_quantities.h"

#include <cmath>

#include "engine/analysed_wall.h"

namespace tarelvo {

namespace {

bool ConDentellon(const ProjectState& s) { return s.ConDent != 0 && s.AltDent > 0; }

// The area of a group's bar, cm2, as the group computed its spacing with it; none before the
// form's lists are filled.
double AreaBarra(const GruposBarras& g, int grupo) {
    const int pos = g.posicion(grupo);
    return pos >= 0 && pos < static_cast<int>(kBarras.size()) ? kBarras[pos].area : 0;
}

}  // namespace

double VolumenConcreto(const ProjectState& s) {
    const MuroAnalizado m = MuroDeAnalisis(s);
    double v = (static_cast<double>(m.corona) + m.base) / 2 * s.Altura +
               static_cast<double>(m.zapata) * s.AltZap;
    if (ConDentellon(s)) v += static_cast<double>(s.AltDent) * s.AnchDent;
    return v;
}

double PesoAcero(const ProjectState& s, const GruposBarras& g) {
    using G = GruposBarras;
    const MuroAnalizado m = MuroDeAnalisis(s);
    const double altura = s.Altura, zapata = m.zapata;
    // Metres of bar per metre of wall for each group, at one bar per spacing.
    double largo[G::kGrupos] = {};
    largo[G::MuroInteriorVertical] = largo[G::MuroExteriorVertical] = altura + s.AltZap;
    largo[G::MuroInteriorHorizontal] = largo[G::MuroExteriorHorizontal] = altura;
    largo[G::ZapataSuperior] = largo[G::ZapataInferior] = zapata;
    largo[G::ZapataLongitudinal] = 2 * zapata;
    if (ConDentellon(s))
        largo[G::MuroExteriorVertical] += 2.0 * s.AltDent + s.AnchDent;

    double kg = 0;
    for (int grupo = 0; grupo < G::kGrupos; ++grupo) {
        const double sep = G::SeparacionDe(g.etiqueta(grupo));
        if (!(sep > 0) || !std::isfinite(sep)) continue;
        kg += AreaBarra(g, grupo) * kKgPorMetroYCm2 * largo[grupo] / sep;
    }
    if (ConDentellon(s)) kg += 2 * kBarras[3].area * kKgPorMetroYCm2;
    return kg;
}

}  // namespace tarelvo
