// CalculaPresiones: bearing capacity of the foundation soil (strip footing, inclination and
// depth factors on the effective width), admissible pressure and the soil pressures.

#include "engine/dmath.h"
#include "engine/engine.h"

namespace tarelvo {

using guard::store;

void CalculaPresiones(ProjectState& s) {
    const double phi = s.Phi2Rad;
    const double c = s.Cohes;
    const double gamma = s.Gamma2;
    const double D = s.Dsz;
    const double V = s.SumaV;
    const double H = s.EmpujeH;

    if (!(phi > 0.0)) {
        s.Nc = 5.14f;
        s.Nq = 1;
        s.Ngamma = 0;
    } else {
        s.Pi = 3.1416f;
        const double t = dmath::tan(s.Pi / 4.0 + phi / 2.0);
        s.Nq = store(t * t * dmath::exp(s.Pi * dmath::tan(phi)), "el factor de capacidad Nq");
        s.Ngamma = store((static_cast<double>(s.Nq) - 1.0) * 1.5 * dmath::tan(phi),
                         "el factor de capacidad Ngamma");
        s.Nc = store((static_cast<double>(s.Nq) - 1.0) * s.CotPhi2, "el factor de capacidad Nc");
    }
    s.BaseEfec = store(static_cast<double>(s.Base) - (static_cast<double>(s.Excent) + s.Excent),
                       "el ancho efectivo de la base");
    const double B = s.BaseEfec;

    if (phi == 0.0) {
        // With φ = 0, c·cot φ grows without bound, so both inclination factors tend to 1.
        s.Iq = 1;
        s.Igamma = 1;
        if (c == 0.0)
            guard::fault("El suelo de fundación no tiene resistencia (ángulo de fricción y "
                         "cohesión nulos): el factor de inclinación Ic no tiene valor.");
        s.Ic = store(1.5 - 0.5 * guard::sqrt(1.0 - guard::div(H, c * B,
                                                             "el factor de inclinación Ic "
                                                             "(ancho efectivo nulo)"),
                                             "el factor de inclinación Ic (el empuje "
                                             "horizontal excede la cohesión en el ancho "
                                             "efectivo)"),
                     "el factor de inclinación Ic");
        s.Dc = store(0.4 * guard::div(D, B, "el factor de profundidad Dc (ancho efectivo nulo)"),
                     "el factor de profundidad Dc");
    } else {
        const double iq = 1.0 - 0.5 * guard::div(H, B * s.CotPhi2 * c + V,
                                                 "el factor de inclinación Iq");
        s.Iq = store(dmath::pow(iq, 5), "el factor de inclinación Iq");
        s.Ic = store(s.Iq - guard::div(1.0 - s.Iq, static_cast<double>(s.Nq) - 1.0,
                                       "el factor de inclinación Ic"),
                     "el factor de inclinación Ic");
        const double ig = 1.0 - 0.7 * guard::div(H, c * B * s.CotPhi2 + V,
                                                 "el factor de inclinación Igamma");
        s.Igamma = store(dmath::pow(ig, 5), "el factor de inclinación Igamma");
        s.Dc = store(1.0 + 0.4 * guard::div(D, B, "el factor de profundidad Dc (ancho efectivo "
                                                  "nulo: la excentricidad es la mitad de la "
                                                  "base)"),
                     "el factor de profundidad Dc");
    }
    const double sinPhi = dmath::sin(phi);
    s.Dq = store(1.0 + 2.0 * dmath::tan(phi) * (1.0 - sinPhi) * (1.0 - sinPhi) *
                           dmath::atan(guard::div(D, B, "el factor de profundidad Dq (ancho "
                                                      "efectivo nulo)")),
                 "el factor de profundidad Dq");

    if (phi == 0.0)
        s.CapCarga = store(gamma * D * s.Nq * s.Dq * s.Iq +
                               5.14 * c * (1.0 + static_cast<double>(s.Dc) - s.Ic),
                           "la capacidad de carga");
    else
        s.CapCarga = store(0.5 * B * gamma * s.Ngamma * s.Igamma + c * s.Nc * s.Dc * s.Ic +
                               gamma * D * s.Nq * s.Dq * s.Iq,
                           "la capacidad de carga");

    s.PresAdm = store(s.CapCarga / 2.0, "la presión admisible");
    if (c > 0.0) s.PresAdm = store(s.CapCarga / 3.0, "la presión admisible");
    if (s.Padm > 0) s.PresAdm = store(10.0 * s.Padm, "la presión admisible");

    const double e6 = 6.0 * guard::div(s.Excent, s.Base, "las presiones (ancho de zapata nulo)");
    const double vb = V / s.Base;
    s.PresMax = store((1.0 + e6) * vb, "la presión máxima");
    s.PresMin = store((1.0 - e6) * vb, "la presión mínima");
}

}  // namespace tarelvo
