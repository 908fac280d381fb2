// Toe and heel of the footing: shears and moments at the stem faces, their lower bounds and
// the toe and heel steel.
#include <algorithm>

#include "engine/dmath.h"
#include "engine/engine.h"

namespace tarelvo {

using guard::store;

void CalculaZapata(ProjectState& s) {
    const float peralte = store(s.AltZap - static_cast<double>(s.Recub) / s.FactCm,
                                "el peralte de la zapata");
    // A footing no thicker than the cover leaves a rounding residue as its depth, which
    // divides the shear into an absurd stress: it is a division by zero.
    if (!(peralte > 1e-6f))
        guard::fault("División por cero al calcular el esfuerzo cortante en la zapata: la "
                     "zapata no es más gruesa que el recubrimiento de 7 cm y no tiene peralte. "
                     "Aumente la altura de la zapata.");
    s.PeraltZap = peralte;
    s.PresNetaPunta = store(s.PresMax - static_cast<double>(s.GammaC) * s.AltZap,
                            "la presión neta en la punta");
    s.GradPres = store(guard::div(static_cast<double>(s.PresMax) - s.PresMin, s.Base,
                                  "la variación de la presión (ancho de zapata nulo)"),
                       "la variación de la presión");

    const double P = s.Punta;
    s.CortPunta = store(P * s.PresNetaPunta - P * P * s.GradPres / 2.0, "el cortante en la punta");
    s.MomPunta = store(P * P * s.PresNetaPunta / 2.0 - P * P * P * s.GradPres / 6.0,
                       "el momento en la punta");

    s.LuzTalon = store(static_cast<double>(s.Recub) / s.FactCm + s.Talon, "la luz del talón");
    s.AltRellMed = store((s.Altura * 2.0 + s.AltTalud) / 2.0, "la altura media del relleno");
    s.CargaTalon = store(static_cast<double>(s.Gamma1) * s.AltRellMed +
                             static_cast<double>(s.GammaC) * s.AltZap + s.Sobrec,
                         "la carga sobre el talón");
    s.CargaNetaTalon = store(static_cast<double>(s.CargaTalon) - s.PresMin,
                             "la carga neta sobre el talón");

    const double T = s.Talon;
    const double L = s.LuzTalon;
    s.CortTalon = store(static_cast<double>(s.CargaNetaTalon) * T - T * T * s.GradPres / 2.0 +
                            s.EmpujeV,
                        "el cortante en el talón");
    s.MomTalon = store(L * L * s.CargaNetaTalon / 2.0 - L * L * L * s.GradPres / 6.0 +
                           static_cast<double>(s.EmpujeV) * L,
                       "el momento en el talón");

    s.CortZap = s.CortPunta;
    if (s.CortTalon >= s.CortPunta) s.CortZap = s.CortTalon;
    s.EsfCortZap = store(guard::div(static_cast<double>(s.FactCarga) * s.CortZap,
                                    static_cast<double>(s.FactPres) * s.PeraltZap,
                                    "el esfuerzo cortante en la zapata (la zapata tiene 7 cm, "
                                    "el recubrimiento: peralte nulo)"),
                         "el esfuerzo cortante en la zapata");
}

void MinimosZapata(ProjectState& s) {
    s.ReacPuntaMin = store(s.SumaV * 0.667, "la reacción mínima en la punta");
    s.MomPuntaMin = store(static_cast<double>(s.Punta) * s.ReacPuntaMin / 2.0,
                          "el momento mínimo en la punta");
    s.CargaTalonTot = store((static_cast<double>(s.AltZap) * s.GammaC +
                             static_cast<double>(s.Gamma1) * s.AltRellMed + s.Sobrec) *
                                    s.Talon +
                                s.EmpujeV,
                            "la carga total sobre el talón");
    s.MomTalonMin = store((static_cast<double>(s.CargaTalonTot) - s.EmpujeV) * s.LuzTalon / 2.0 +
                              static_cast<double>(s.EmpujeV) * s.LuzTalon,
                          "el momento mínimo en el talón");
}

void AjustaMomentos(ProjectState& s) {
    const float talonFactorizado = static_cast<float>(static_cast<double>(s.FactCarga) * s.MomTalon);
    if (!(talonFactorizado >= s.MomTalonMin))
        s.MomTalon = store(s.MomTalonMin / static_cast<double>(s.FactCarga),
                           "el momento en el talón");
    const float puntaFactorizada = static_cast<float>(static_cast<double>(s.FactCarga) * s.MomPunta);
    if (!(puntaFactorizada >= s.MomPuntaMin))
        s.MomPunta = store(s.MomPuntaMin / static_cast<double>(s.FactCarga),
                           "el momento en la punta");
}

namespace {

// The smaller root of CoefAs·As² − d·As + T = 0, as a float; the discriminant has already been
// found non-negative in float, so a negative rounding residue in double is the tangent case.
float AreaAcero(double d, double term, double coefAs, const char* what) {
    const double disc = std::max(0.0, d * d - 4.0 * term * coefAs);
    return store(guard::div(d - dmath::sqrt(disc), 2.0 * coefAs, what), what);
}

// The area at the vertex of CoefAs·As² − d·As + T = 0, the largest the equation gives.
float Vertice(double d, double coefAs) {
    return store(guard::div(d, 2.0 * coefAs, "el refuerzo de la zapata"), "el refuerzo de la zapata");
}

// The steel ratio of an area on depth d; at or below the minimum ratio the area becomes the
// minimum steel.
void Cuantia(ProjectState& s, double d, float& area, float& cuantia, const char* what) {
    const double dcm = static_cast<double>(s.FactCm) * (static_cast<double>(s.FactCm) * d);
    cuantia = store(guard::div(area, dcm, what), what);
    if (!(cuantia - s.CuantMin > 0.0f)) {
        cuantia = s.CuantMin;
        area = store(static_cast<double>(s.FactCm) * s.CuantMin * d * s.FactCm,
                     "el refuerzo mínimo de la zapata");
    }
}

}  // namespace

bool SeccionZapataInsuficiente(const ProjectState& s, bool talon) {
    const double d = s.PeraltZap;
    const double term = talon ? s.TermMuTalon : s.TermMu;
    return static_cast<float>(4.0 * term * s.CoefAs) > static_cast<float>(d * d);
}

void RefuerzoZapata(ProjectState& s) {
    const double divisor = static_cast<double>(s.Fy) * 0.9 * s.FactTon;
    s.TermMu = store(guard::div(static_cast<double>(s.MomPunta) * s.FactCarga, divisor,
                                "el refuerzo de la punta (Fy es cero)"),
                     "el refuerzo de la punta");
    s.TermMuTalon = store(guard::div(static_cast<double>(s.MomTalon) * s.FactCarga, divisor,
                                     "el refuerzo del talón (Fy es cero)"),
                          "el refuerzo del talón");

    const double d = s.PeraltZap;
    const bool punta = SeccionZapataInsuficiente(s, false);
    const bool talon = SeccionZapataInsuficiente(s, true);
    // The flag stays until the design clears it, as it always has.
    if (punta || talon) s.SeccInsuf = 1;
    // The design thickens such a footing. A check keeps it and the verdict names the part; its
    // steel becomes the most the section's equation reaches (the vertex, d / 2·CoefAs), whose
    // ratio, 0.85 F'c / Fy, is always above the maximum one, so that no earlier wall's steel
    // is left in the state and every table shows the part failing.
    s.AsPunta = punta ? Vertice(d, s.CoefAs) : AreaAcero(d, s.TermMu, s.CoefAs, "el refuerzo de la punta");
    s.AsTalon = talon ? Vertice(d, s.CoefAs)
                      : AreaAcero(d, s.TermMuTalon, s.CoefAs, "el refuerzo del talón");

    Cuantia(s, d, s.AsPunta, s.CuantPunta, "la cuantía de la punta (peralte nulo)");
    Cuantia(s, d, s.AsTalon, s.CuantTalon, "la cuantía del talón (peralte nulo)");
}

}  // namespace tarelvo
