// The water behind the wall: a water table Hw above the footing's underside. Below it the
// backfill pushes with its submerged weight, the water adds its own thrust, and it pushes up
// under the footing (Das, Principles of Foundation Engineering, 13.4; Bowles, Foundation
// Analysis and Design, 12-7). The soil over the heel keeps γ1, taken as saturated below the
// water.
#include "engine/dmath.h"
#include "engine/engine.h"
#include "engine/water.h"

namespace tarelvo {

using guard::store;

void AplicaAgua(ProjectState& s) {
    s.EmpujeAgua = s.AlivioAgua = s.Subpresion = s.MomAgua = 0;
    if (!(s.Hw > 0)) return;
    if (s.Hw > s.AltTotal)
        guard::fault("El nivel del agua (Hw = " + std::to_string(s.Hw).substr(0, 5) +
                     " m) está por encima del respaldo del relleno, de " +
                     std::to_string(s.AltTotal).substr(0, 5) +
                     " m sobre la base de la zapata: redúzcalo en Opciones de cálculo.");
    const double hw = s.Hw, gw = kGammaAgua, B = s.Base;
    const double cosb = dmath::cos(static_cast<double>(s.BetaRad));
    const double sinb = dmath::sin(static_cast<double>(s.BetaRad));

    // The earth thrust below the water table uses γ1 − γw: it loses ½ Ka γw hw², at hw / 3,
    // along the thrust's own direction.
    s.AlivioAgua = store(0.5 * s.Ka * gw * hw * hw, "el empuje sumergido");
    const double momEmpuje = static_cast<double>(s.Empuje) * s.BrazoEmp -
                             static_cast<double>(s.AlivioAgua) * hw / 3.0;
    s.Empuje = store(static_cast<double>(s.Empuje) - s.AlivioAgua, "el empuje del relleno");
    s.BrazoEmp = store(guard::div(momEmpuje, s.Empuje, "el brazo del empuje"),
                       "el brazo del empuje");
    const double empujeV = static_cast<double>(s.Empuje) * sinb;
    s.SumaV = store(static_cast<double>(s.SumaV) - s.EmpujeV + empujeV, "las fuerzas verticales");
    s.MomEstab = store(static_cast<double>(s.MomEstab) - s.MomEmpV + empujeV * s.BrazoEmpV,
                       "los momentos resistentes");
    s.EmpujeV = store(empujeV, "la componente vertical del empuje");
    s.MomEmpV = store(empujeV * s.BrazoEmpV, "el momento del empuje");

    // The water's own thrust, horizontal, and its uplift: a triangle from γw hw under the
    // heel's end to nothing at the toe, its resultant two thirds of the width from the toe.
    s.EmpujeAgua = store(0.5 * gw * hw * hw, "el empuje del agua");
    s.Subpresion = store(0.5 * gw * hw * B, "la subpresión");
    s.MomAgua = store(static_cast<double>(s.EmpujeAgua) * hw / 3.0 +
                          static_cast<double>(s.Subpresion) * 2.0 * B / 3.0,
                      "el momento del agua");
    s.SumaV = store(static_cast<double>(s.SumaV) - s.Subpresion, "las fuerzas verticales");
    s.MomVuelco = store(static_cast<double>(s.BrazoEmp) * s.Empuje * cosb + s.MomAgua,
                        "el momento de vuelco");
    s.FsVuelco = store(guard::div(s.MomEstab, s.MomVuelco, "el factor de seguridad al vuelco"),
                       "el factor de seguridad al vuelco");
    s.MomNeto = store(static_cast<double>(s.MomEstab) - s.MomVuelco, "el momento neto");
    s.PosRes = store(guard::div(s.MomNeto, s.SumaV,
                                "la posición de la resultante (el agua levanta el muro)"),
                     "la posición de la resultante");
    s.Excent = store(static_cast<double>(s.BrazoZap) - s.PosRes, "la excentricidad");
}

double AguaSobreSeccion(const ProjectState& s, double y) {
    if (!(s.Hw > 0)) return 0;
    // The water table's depth below the stem's top.
    const double nivel = static_cast<double>(s.Altura) + s.AltZap - s.Hw;
    return y > nivel ? y - nivel : 0;
}

}  // namespace tarelvo
