// CalculaFuerzas: thrust, weights, lever arms about the toe, overturning, eccentricity and
// footing width.

#include "engine/dmath.h"
#include "engine/engine.h"
#include "engine/water.h"

namespace tarelvo {

using guard::store;

void CalculaFuerzas(ProjectState& s, const WindowInputs&) {
    const double cm = s.FactCm;

    s.AltTalud = store(s.Talon * dmath::tan(static_cast<double>(s.BetaRad)),
                       "la altura del talud sobre el talón");
    s.AltTotal = store(static_cast<double>(s.Altura) + s.AltTalud + s.AltZap,
                       "la altura total del empuje");
    s.PesoRell = store(static_cast<double>(s.Sobrec) * s.Talon +
                           ((static_cast<double>(s.Altura) + s.Altura + s.AltTalud) / 2.0) *
                               s.Talon * s.Gamma1,
                       "el peso del relleno");
    s.PesoMuro1 = store(static_cast<double>(s.EspTope) * s.Altura * s.GammaC / cm + s.Reac,
                        "el peso del muro");
    s.PesoMuro2 = store((static_cast<double>(s.EspBase) - s.EspTope) * s.Altura * s.GammaC /
                            (cm + cm),
                        "el peso del muro");
    if (s.FormaMuro == 2) {
        // Concrete and soil triangles over the battered back face have the same area.
        s.PesoMuro2 = store((static_cast<double>(s.GammaC) + s.Gamma1) *
                                    guard::div(s.PesoMuro2, s.GammaC, "el peso del muro") +
                                ((static_cast<double>(s.EspBase) - s.EspTope) / cm) * s.Sobrec,
                            "el peso del muro");
    }
    s.PesoZap = store((static_cast<double>(s.Punta) + s.Talon + s.EspBase / cm) * s.AltZap *
                          s.GammaC,
                      "el peso de la zapata");
    s.PresTotal = store(static_cast<double>(s.Ka) * s.Sobrec +
                            static_cast<double>(s.Gamma1) * s.AltTotal * s.Ka,
                        "la presión del relleno");
    s.Empuje = store((guard::div(s.PresSobrec, dmath::cos(static_cast<double>(s.BetaRad)),
                                 "el empuje del relleno") +
                      s.PresTotal) *
                         s.AltTotal / 2.0,
                     "el empuje del relleno");
    s.EmpujeV = store(s.Empuje * dmath::sin(static_cast<double>(s.BetaRad)),
                      "la componente vertical del empuje");

    s.BrazoRell = store(s.EspBase / cm + s.Punta + s.Talon / 2.0, "el brazo del relleno");
    if (s.FormaMuro == 2) {
        // Rectangle against the front face; the taper's concrete and soil act at its middle.
        s.BrazoMuro1 = store(s.EspTope / (2.0 * cm) + s.Punta, "el brazo del muro");
        s.BrazoMuro2 = store(((static_cast<double>(s.EspBase) - s.EspTope) / 2.0 + s.EspTope) /
                                     cm +
                                 s.Punta,
                             "el brazo del muro");
    } else {
        s.BrazoMuro1 = store((2.0 * s.EspBase - s.EspTope) / (2.0 * cm) + s.Punta,
                             "el brazo del muro");
        s.BrazoMuro2 = store((static_cast<double>(s.EspBase) - s.EspTope) * 0.667 / cm + s.Punta,
                             "el brazo del muro");
    }
    s.BrazoZap = store((static_cast<double>(s.Punta) + s.Talon + s.EspBase / cm) / 2.0,
                       "el brazo de la zapata");
    s.BrazoEmpV = store(static_cast<double>(s.BrazoZap) + s.BrazoZap, "el brazo del empuje");

    s.MomRell = store(static_cast<double>(s.BrazoRell) * s.PesoRell, "el momento del relleno");
    s.MomMuro1 = store(static_cast<double>(s.BrazoMuro1) * s.PesoMuro1, "el momento del muro");
    s.MomMuro2 = store(static_cast<double>(s.BrazoMuro2) * s.PesoMuro2, "el momento del muro");
    s.MomZap = store(static_cast<double>(s.BrazoZap) * s.PesoZap, "el momento de la zapata");
    s.MomEmpV = store(static_cast<double>(s.BrazoEmpV) * s.EmpujeV, "el momento del empuje");
    s.MomEstab = store(static_cast<double>(s.MomMuro1) + s.MomRell + s.MomMuro2 + s.MomZap +
                           s.MomEmpV,
                       "los momentos resistentes");
    s.SumaV = store(static_cast<double>(s.PesoMuro1) + s.PesoRell + s.PesoMuro2 + s.PesoZap +
                        s.EmpujeV,
                    "las fuerzas verticales");

    const double at2 = static_cast<double>(s.AltTotal) * s.AltTotal;
    s.BrazoEmp = store(guard::div(at2 * s.PresSobrec / 2.0 +
                                      (static_cast<double>(s.PresTotal) - s.PresSobrec) * at2 / 6.0,
                                  s.Empuje,
                                  "el brazo del empuje (el empuje del relleno es nulo)"),
                       "el brazo del empuje");
    s.MomVuelco = store(static_cast<double>(s.BrazoEmp) * s.Empuje *
                            dmath::cos(static_cast<double>(s.BetaRad)),
                        "el momento de vuelco");
    s.FsVuelco = store(guard::div(s.MomEstab, s.MomVuelco,
                                  "el factor de seguridad al vuelco (el momento de vuelco es "
                                  "nulo)"),
                       "el factor de seguridad al vuelco");
    s.MomNeto = store(static_cast<double>(s.MomEstab) - s.MomVuelco, "el momento neto");
    s.PosRes = store(guard::div(s.MomNeto, s.SumaV,
                                "la posición de la resultante (la suma de fuerzas verticales "
                                "es nula)"),
                     "la posición de la resultante");
    s.Excent = store(static_cast<double>(s.BrazoZap) - s.PosRes, "la excentricidad");
    s.Base = store(static_cast<double>(s.Punta) + s.Talon + s.EspBase / cm,
                   "el ancho de la zapata");

    s.Base6 = store(s.Base / 6.0, "Base/6");
    AplicaAgua(s);
}

}  // namespace tarelvo
