#include "export/drawing_inputs.h"

#include "common/number_text.h"
#include "engine/analysed_wall.h"

namespace tarelvo {

namespace {
// A length in metres to a tenth of a millimetre: a typed length comes back as typed, and toe,
// stem and heel add up to the analysed footing width instead of drifting from it by a
// rounding to the centimetre each.
std::string Metros(double v) { return numtext::format(v, "0.0000"); }
}  // namespace

EntradaDibujo EntradaDeProyecto(const ProjectState& s, const GruposBarras& grupos) {
    const MuroAnalizado m = MuroDeAnalisis(s);
    EntradaDibujo e;
    e.altZap = Metros(s.AltZap);
    e.punta = Metros(m.punta);
    e.altura = Metros(s.Altura);
    e.ancho = Metros(m.corona);
    e.centro = Metros(m.base);
    e.talon = Metros(m.talon);
    e.dsz = Metros(s.Dsz);
    e.altDent = Metros(s.AltDent);
    e.anchDent = Metros(s.AnchDent);
    e.Altura = s.Altura;
    e.Base = m.zapata;
    e.TipoMuro = s.FormaMuro;
    e.ConDent = s.ConDent;
    for (int g = 0; g < GruposBarras::kGrupos; ++g) e.barras[g] = grupos.etiqueta(g);
    e.titulo = s.Titulo;
    e.fc = s.Fc;
    e.fy = s.Fy;
    if (s.Recub > 0) e.recub = s.Recub;
    if (s.GammaC > 0) e.gammaC = s.GammaC;
    e.beta = s.Beta;
    e.planilla = PlanillaArmaduras(s, grupos);
    return e;
}

}  // namespace tarelvo
