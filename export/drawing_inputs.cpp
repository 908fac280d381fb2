#include "export/drawing_inputs.h"

#include "common/number_text.h"

namespace tarelvo {

namespace {
std::string F(double v) { return numtext::format(v, "0.00"); }
}  // namespace

EntradaDibujo EntradaDeProyecto(const ProjectState& s, const TextosCampos& c,
                                const GruposBarras& grupos) {
    EntradaDibujo e;
    e.altZap = c.altZap;
    e.punta = c.punta;
    e.altura = c.altura;
    e.talon = c.talon;
    e.dsz = c.dsz;
    e.altDent = c.altDent;
    e.anchDent = c.anchDent;
    const float tope = s.EspTope > 0 ? s.EspTope : s.Ancho;
    e.ancho = F(tope / 100.0);
    e.Altura = s.Altura;
    e.Base = s.Base;
    e.TipoMuro = s.TipoMuro;
    e.ConDent = s.ConDent;
    for (int g = 0; g < GruposBarras::kGrupos; ++g) e.barras[g] = grupos.etiqueta(g);
    return e;
}

}  // namespace tarelvo
