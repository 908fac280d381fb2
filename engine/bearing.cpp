// CalculaPresiones: bearing capacity of the foundation soil (strip footing, inclination and
// depth factors on the effective width), admissible pressure and the soil pressures.

#include "engine/dmath.h"
#include "engine/engine.h"

namespace tarelvo {

using guard::store;

namespace {

// The soil pressures under the toe (PresMax) and the heel (PresMin). Within the middle third
// the trapezoid q = V/B (1 ± 6e/B); beyond it the soil takes no tension, and the footing bears
// on 3 (B/2 − |e|) with a triangle whose peak, on the resultant's side, is 2V / (3 (B/2 − |e|))
// (Das, Principles of Foundation Engineering, 6.4, eq. for e > B/6).
void Presiones(ProjectState& s, double V) {
    const double e = s.Excent;
    const double B = s.Base;
    if (dmath::fabs(e) <= s.Base6) {
        const double e6 = 6.0 * guard::div(e, B, "las presiones (ancho de zapata nulo)");
        const double vb = V / B;
        s.PresMax = store((1.0 + e6) * vb, "la presión máxima");
        s.PresMin = store((1.0 - e6) * vb, "la presión mínima");
        return;
    }
    const float pico = store(2.0 * V / (3.0 * (B / 2.0 - dmath::fabs(e))), "la presión máxima");
    s.PresMax = e > 0 ? pico : 0.0f;
    s.PresMin = e > 0 ? 0.0f : pico;
}

// A resultant at or beyond the footing's edge: nothing bears, no capacity, no pressure to
// show; the verdict says the resultant is outside the middle third.
void SinApoyo(ProjectState& s) {
    s.BaseEfec = 0;
    s.Iq = s.Ic = s.Igamma = 0;
    s.Dc = s.Dq = 1;
    s.CapCarga = 0;
    s.PresAdm = s.Padm > 0 ? store(10.0 * s.Padm, "la presión admisible") : 0.0f;
    s.PresMax = s.PresMin = 0;
}

}  // namespace

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
    // Meyerhof's effective width: the footing shrinks by twice the eccentricity on whichever
    // side the resultant falls (Das, Principles of Foundation Engineering, 6.4). A resultant at
    // or beyond the footing's edge leaves no width to bear on: the wall overturns.
    const double excent = dmath::fabs(static_cast<double>(s.Excent));
    const double bEfec = static_cast<double>(s.Base) - 2.0 * excent;
    if (!(bEfec > 0.0)) {
        SinApoyo(s);
        return;
    }
    s.BaseEfec = store(bEfec, "el ancho efectivo de la base");
    const double B = s.BaseEfec;

    if (phi == 0.0) {
        // With φ = 0, c·cot φ grows without bound, so both inclination factors tend to 1.
        s.Iq = 1;
        s.Igamma = 1;
        if (c == 0.0)
            guard::fault("El suelo de fundación no tiene resistencia (ángulo de fricción y "
                         "cohesión nulos): el factor de inclinación Ic no tiene valor.");
        // Hansen's inclination factor for φ = 0, i'c = 0.5 − 0.5 √(1 − H / (A' ca)), which the
        // capacity subtracts from 1 + d'c (Bowles, Foundation Analysis and Design, table 4-5).
        s.Ic = store(0.5 - 0.5 * guard::sqrt(1.0 - guard::div(H, c * B,
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
    if (s.FsCapacidad > 0) s.PresAdm = store(s.CapCarga / s.FsCapacidad, "la presión admisible");
    if (s.Padm > 0) s.PresAdm = store(10.0 * s.Padm, "la presión admisible");

    Presiones(s, V);
}

}  // namespace tarelvo
