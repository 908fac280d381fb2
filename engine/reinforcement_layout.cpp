#include "engine/reinforcement_layout.h"

#include "common/number_text.h"

namespace tarelvo {

void AreasReparto(ProjectState& s) {
    // 0.0015 × 100 cm × (stem crown − 5 cm) and × footing depth. The crown is the analysed
    // one: a stem thickened for shear needs the steel of its real crown, not of the typed
    // minimum.
    s.AsRep1 = static_cast<float>((static_cast<double>(s.EspTope) - 5) * 0.15);
    s.AsRep2 = static_cast<float>(static_cast<double>(s.PeraltZap) * 0.15 * 100);
}

ColumnasRefuerzo DistribuyeRefuerzo(ProjectState& s, GruposBarras& g, const std::string& titulo) {
    AreasReparto(s);
    g.Carga(s);

    ColumnasRefuerzo c;
    using G = GruposBarras;
    for (int grupo : {G::MuroInteriorVertical, G::ZapataSuperior, G::ZapataInferior,
                      G::MuroInteriorHorizontal, G::MuroExteriorVertical})
        g.Recalcula(s, grupo);
    c.llave = g.etiqueta(G::MuroExteriorVertical);
    c.llaveBarras = "2 \xC3\xB8 3/8";
    g.Recalcula(s, G::MuroExteriorHorizontal);
    g.Recalcula(s, G::ZapataLongitudinal);

    auto f = [](double v) { return numtext::format(v, "0.00"); };
    c.area[0] = f(s.AsMuro);
    c.area[1] = c.area[2] = c.area[3] = f(s.AsRep1);
    c.area[4] = f(s.AsTalon);
    c.area[5] = f(s.AsPunta);
    c.area[6] = f(s.AsRep2);
    c.momMuro = f(s.MomSeccActual);
    c.momTalon = f(static_cast<double>(s.FactCarga) * s.MomTalon);
    c.momPunta = f(static_cast<double>(s.FactCarga) * s.MomPunta);
    c.titulo = titulo;
    return c;
}

}  // namespace tarelvo
