#include "engine/wall_quantities.h"

#include <cmath>

#include "engine/analysed_wall.h"
#include "engine/bar_schedule.h"

namespace tarelvo {

namespace {

bool ConDentellon(const ProjectState& s) { return s.ConDent != 0 && s.AltDent > 0; }

}  // namespace

double VolumenConcreto(const ProjectState& s) {
    const MuroAnalizado m = MuroDeAnalisis(s);
    double v = (static_cast<double>(m.corona) + m.base) / 2 * s.Altura +
               static_cast<double>(m.zapata) * s.AltZap;
    if (ConDentellon(s)) v += static_cast<double>(s.AltDent) * s.AnchDent;
    return v;
}

double PesoAcero(const ProjectState& s, const GruposBarras& g) {
    double kg = 0;
    for (const FilaPlanilla& f : PlanillaArmaduras(s, g)) kg += f.kg;
    return kg;
}

}  // namespace tarelvo
