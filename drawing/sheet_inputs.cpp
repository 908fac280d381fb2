#include "drawing/sheet_inputs.h"

#include "engine/analysed_wall.h"

namespace tarelvo {

DatosLamina DatosDeProyecto(const ProjectState& s,
                            const std::array<std::string, GruposBarras::kGrupos>& barras) {
    const MuroAnalizado m = MuroDeAnalisis(s);
    DatosLamina d;
    d.punta = m.punta;
    d.talon = m.talon;
    d.corona = m.corona;
    d.base = m.base;
    d.altZap = s.AltZap;
    d.altura = s.Altura;
    d.dsz = s.Dsz;
    d.dentellon = s.ConDent != 0 && s.AltDent > 0 && s.AnchDent > 0;
    d.altDent = d.dentellon ? s.AltDent : 0;
    d.anchDent = d.dentellon ? s.AnchDent : 0;
    d.forma = s.FormaMuro;
    d.beta = s.Beta;
    d.barras = barras;
    d.titulo = s.Titulo;
    d.fc = s.Fc;
    d.fy = s.Fy;
    if (s.Recub > 0) d.recub = s.Recub;
    if (s.GammaC > 0) d.gammaC = s.GammaC;
    return d;
}

}  // namespace tarelvo
