// ChequeaDesliz: passive resistance in front of the wall and the factor of safety against
// sliding.

#include "engine/dmath.h"
#include "engine/engine.h"

namespace tarelvo {

using guard::store;

// tan(2φ/3) is what many textbooks take for concrete cast on soil (Das, Principles of
// Foundation Engineering, 13.7).
double CoefFriccion(const ProjectState& s) {
    switch (s.Friccion) {
        case 1: return dmath::tan(2.0 * s.Phi2Rad / 3.0);
        case 2: return s.Mu;
        default: return dmath::tan(static_cast<double>(s.Phi2Rad));
    }
}

void ChequeaDesliz(ProjectState& s) {
    s.EmpPasivo = 0;
    if (s.Pasiva > 0)
        s.AltPasiva = store(static_cast<double>(s.Dsz) + s.AltDent, "la altura pasiva");
    else
        s.AltPasiva = store(static_cast<double>(s.AltDent) + s.AltZap, "la altura pasiva");
    s.RaizKp = store(dmath::tan(s.Phi2Rad / 2.0 + 45.0 / 57.2958),
                     "el coeficiente de empuje pasivo");
    s.Kp = store(static_cast<double>(s.RaizKp) * s.RaizKp, "el coeficiente de empuje pasivo");
    const double h = s.AltPasiva;
    s.EmpPasivo = store(h * (s.Gamma2 * 0.5 * s.Kp * h) + h * (2.0 * s.Cohes) * s.RaizKp,
                        "el empuje pasivo");
    // The soil in front may be dug away during the wall's life: then nothing resists there.
    if (s.PasivaFrente == 0) s.AltPasiva = s.EmpPasivo = 0;

    s.FuerzaFric = store(s.SumaV * CoefFriccion(s), "la fuerza de fricción");
    s.FuerzaCohes = store(static_cast<double>(s.Base) * s.Cohes * 0.667,
                          "la fuerza de cohesión");
    s.FuerzaResist = store(static_cast<double>(s.FuerzaCohes) + s.FuerzaFric + s.EmpPasivo,
                           "la resistencia al deslizamiento");
    // The water behind the wall pushes as well (nothing when the backfill is drained).
    s.EmpujeH = store(s.Empuje * dmath::cos(static_cast<double>(s.BetaRad)) + s.EmpujeAgua,
                      "la componente horizontal del empuje");
    s.FsDesliz = store(guard::div(s.FuerzaResist, s.EmpujeH,
                                  "el factor de seguridad al deslizamiento (el empuje "
                                  "horizontal es nulo)"),
                       "el factor de seguridad al deslizamiento");
}

}  // namespace tarelvo
