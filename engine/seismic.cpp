// The earthquake case. Mononobe–Okabe after Kramer, Geotechnical Earthquake Engineering, 11.6.2
// (eq. 11.12 with a vertical back and δ = 0), the dynamic increment at 0.6 H as Seed and
// Whitman advise; the inertia of the stem, the footing and the soil over the heel at their
// centres of gravity; (1 − kv) on every weight. Checks as usual codes ask for load cases with
// earthquake: their own minimum factors of safety, the resultant within the middle two thirds
// (|e| ≤ B/3) and the soil pressure within 1.33 times the admissible one.
#include "engine/seismic.h"

#include <string>

#include "common/number_text.h"
#include "engine/dmath.h"
#include "engine/engine.h"

namespace tarelvo {

using guard::store;

double CoefMononobeOkabe(double phi, double beta, double psi) {
    const double cpsi = dmath::cos(psi);
    const double raiz = dmath::sqrt(dmath::sin(phi) * dmath::sin(phi - beta - psi) /
                                    (cpsi * dmath::cos(beta)));
    const double c = dmath::cos(phi - psi);
    return c * c / (cpsi * cpsi * (1.0 + raiz) * (1.0 + raiz));
}

void CoeficientesSismicos(ProjectState& s) {
    s.Psi = s.Kae = s.Kae0 = 0;
    if (!(s.Kh > 0)) return;
    const double kh = s.Kh, kv = s.Kv;
    const double phi = s.Phi1Rad, beta = s.BetaRad;
    s.Psi = store(dmath::atan(guard::div(kh, 1.0 - kv, "el ángulo sísmico")), "el ángulo sísmico");
    if (phi - beta - s.Psi < 0)
        guard::fault("El coeficiente sísmico Kh = " + numtext::format(kh, "0.00") +
                     " es demasiado alto para el ángulo de fricción y la pendiente del relleno: "
                     "el empuje de Mononobe-Okabe no tiene solución (φ − β − ψ es negativo). "
                     "Revise Kh, Kv o los datos del relleno.");
    s.Kae = store(CoefMononobeOkabe(phi, beta, s.Psi), "el coeficiente sísmico KAE");
    s.Kae0 = store(CoefMononobeOkabe(phi, beta, 0.0), "el coeficiente sísmico KAE");
}

double IncrementoSismico(const ProjectState& s) {
    return s.Kh > 0 ? (1.0 - s.Kv) * s.Kae - s.Kae0 : 0.0;
}

namespace {

// The stem's concrete above a section y below its top, its weight (t) and the height of its
// centre above the section (m).
struct PesoSobreSeccion {
    double peso, brazo;
};
PesoSobreSeccion MuroSobreSeccion(const ProjectState& s, double y, double tope, double seccion) {
    const double suma = tope + seccion;
    return {static_cast<double>(s.GammaC) * suma / 2.0 * y,
            suma > 0 ? y / 3.0 * (seccion + 2.0 * tope) / suma : 0.0};
}

}  // namespace

double MomentoSismicoMuro(const ProjectState& s, double y, double momEstatico, double tope,
                          double seccion) {
    if (!(s.Kh > 0) || !(y > 0)) return momEstatico;
    const double dk = IncrementoSismico(s);
    const double empuje = (0.5 * s.Gamma1 * y * y + static_cast<double>(s.Sobrec) * y) * dk;
    const PesoSobreSeccion m = MuroSobreSeccion(s, y, tope, seccion);
    const double sismo = 1.25 * momEstatico / s.FactCarga + empuje * 0.6 * y +
                         s.Kh * m.peso * m.brazo;
    return sismo > momEstatico ? sismo : momEstatico;
}

double CortanteSismicoMuro(const ProjectState& s, double y, double cortEstatico, double tope,
                           double seccion) {
    if (!(s.Kh > 0) || !(y > 0)) return cortEstatico;
    const double dk = IncrementoSismico(s);
    const double empuje = (0.5 * s.Gamma1 * y * y + static_cast<double>(s.Sobrec) * y) * dk;
    const double sismo = 1.25 * cortEstatico / s.FactCarga + empuje +
                         s.Kh * MuroSobreSeccion(s, y, tope, seccion).peso;
    return sismo > cortEstatico ? sismo : cortEstatico;
}

void CasoSismico(ProjectState& s) {
    s.DeltaPae = s.BrazoDeltaPae = s.InerciaMuro = s.InerciaZap =
        s.InerciaRell = s.MomInercia = s.SumaVSismo = s.MomEstabSismo = s.MomVuelcoSismo =
            s.FsVuelcoSismo = s.FuerzaResistSismo = s.EmpujeHSismo = s.FsDeslizSismo =
                s.ExcentSismo = s.Base3 = s.PresMaxSismo = s.PresAdmSismo = 0;
    if (!(s.Kh > 0)) return;
    const double kh = s.Kh, kv = s.Kv, cm = s.FactCm;

    // The increment over the static thrust, backfill and surcharge, on the virtual back.
    const double H = s.AltTotal;
    const double dk = IncrementoSismico(s);
    s.DeltaPae = store(0.5 * s.Gamma1 * H * H * dk + static_cast<double>(s.Sobrec) * H * dk,
                       "el incremento sísmico del empuje");
    s.BrazoDeltaPae = store(0.6 * H, "el brazo del incremento sísmico");

    // The weights that shake, each at its centre of gravity above the footing's underside: the
    // stem's concrete (a trapezoid), the footing, and the soil over the heel (without the
    // surcharge, which is no mass of the wall).
    const double tope = s.EspTope / cm, base = s.EspBase / cm, h = s.Altura;
    const double pesoMuro = static_cast<double>(s.GammaC) * (tope + base) / 2.0 * h;
    const double yMuro = s.AltZap + h / 3.0 * guard::div(base + 2.0 * tope, tope + base,
                                                         "el centro del muro");
    const double yZap = s.AltZap / 2.0;
    const double h1 = h, h2 = h + s.AltTalud;
    const double pesoRell = static_cast<double>(s.PesoRell) - static_cast<double>(s.Sobrec) * s.Talon;
    const double yRell = s.AltZap + (h1 * h1 + h1 * h2 + h2 * h2) / (3.0 * (h1 + h2));
    s.InerciaMuro = store(kh * pesoMuro, "la inercia del muro");
    s.InerciaZap = store(kh * s.PesoZap, "la inercia de la zapata");
    s.InerciaRell = store(kh * pesoRell, "la inercia del relleno");
    s.MomInercia = store(s.InerciaMuro * yMuro + s.InerciaZap * yZap + s.InerciaRell * yRell,
                         "el momento de las inercias");

    // kv lightens every weight: the stem's concrete, the footing and the soil over the heel.
    const double pesos = pesoMuro + s.PesoZap + pesoRell;
    const double momPesos = static_cast<double>(s.MomMuro1) - static_cast<double>(s.Reac) * s.BrazoMuro1 +
                            s.MomMuro2 + s.MomZap + s.MomRell -
                            static_cast<double>(s.Sobrec) * s.Talon * s.BrazoRell;
    s.SumaVSismo = store(s.SumaV - kv * pesos, "las fuerzas verticales con sismo");
    s.MomEstabSismo = store(s.MomEstab - kv * momPesos, "los momentos resistentes con sismo");
    s.MomVuelcoSismo = store(static_cast<double>(s.MomVuelco) + s.DeltaPae * s.BrazoDeltaPae +
                                 s.MomInercia,
                             "el momento de vuelco con sismo");
    s.FsVuelcoSismo = store(guard::div(s.MomEstabSismo, s.MomVuelcoSismo,
                                       "el factor de seguridad al vuelco con sismo"),
                            "el factor de seguridad al vuelco con sismo");

    s.EmpujeHSismo = store(static_cast<double>(s.EmpujeH) + s.DeltaPae + s.InerciaMuro +
                               s.InerciaZap + s.InerciaRell,
                           "la fuerza de deslizamiento con sismo");
    s.FuerzaResistSismo = store(static_cast<double>(s.FuerzaCohes) +
                                    s.SumaVSismo * CoefFriccion(s) + s.EmpPasivo,
                                "la resistencia al deslizamiento con sismo");
    s.FsDeslizSismo = store(guard::div(s.FuerzaResistSismo, s.EmpujeHSismo,
                                       "el factor de seguridad al deslizamiento con sismo"),
                            "el factor de seguridad al deslizamiento con sismo");

    const double B = s.Base, V = s.SumaVSismo;
    s.ExcentSismo = store(static_cast<double>(s.BrazoZap) -
                              guard::div(static_cast<double>(s.MomEstabSismo) - s.MomVuelcoSismo,
                                         V, "la excentricidad con sismo"),
                          "la excentricidad con sismo");
    s.Base3 = store(B / 3.0, "Base/3");
    const double e = dmath::fabs(s.ExcentSismo);
    if (e <= B / 6.0)
        s.PresMaxSismo = store(V / B * (1.0 + 6.0 * e / B), "la presión máxima con sismo");
    else if (e < B / 2.0)
        s.PresMaxSismo = store(2.0 * V / (3.0 * (B / 2.0 - e)), "la presión máxima con sismo");
    s.PresAdmSismo = store(1.33 * s.PresAdm, "la presión admisible con sismo");
}

namespace {

// The soil pressures under toe and heel with the earthquake: the trapezoid within the middle
// third, else the triangle of a footing that takes no tension, on the resultant's side.
void PresionesSismo(const ProjectState& s, float& punta, float& talon) {
    const double B = s.Base, V = s.SumaVSismo, e = s.ExcentSismo;
    punta = talon = 0;
    if (dmath::fabs(e) <= B / 6.0) {
        punta = store(V / B * (1.0 + 6.0 * e / B), "la presión con sismo");
        talon = store(V / B * (1.0 - 6.0 * e / B), "la presión con sismo");
    } else if (dmath::fabs(e) < B / 2.0) {
        const float pico = store(2.0 * V / (3.0 * (B / 2.0 - dmath::fabs(e))), "la presión con sismo");
        (e > 0 ? punta : talon) = pico;
    }
}

// 1.25 × static + the earthquake's increment, or the static 1.5 ×, whichever is larger; in
// unfactored terms (divided by the load factor) as the footing's moments are kept.
float Combina(double estatico, double conSismo, double factor) {
    const double sismo = 0.25 * estatico + conSismo;
    const double usual = factor * estatico;
    return static_cast<float>((sismo > usual ? sismo : usual) / factor);
}

}  // namespace

void ZapataConSismo(ProjectState& s) {
    if (!(s.Kh > 0)) return;
    ProjectState e = s;
    PresionesSismo(s, e.PresMax, e.PresMin);
    CalculaZapata(e);
    const double f = s.FactCarga;
    s.MomPunta = Combina(s.MomPunta, e.MomPunta, f);
    s.MomTalon = Combina(s.MomTalon, e.MomTalon, f);
    s.CortPunta = Combina(s.CortPunta, e.CortPunta, f);
    s.CortTalon = Combina(s.CortTalon, e.CortTalon, f);
    s.CortZap = s.CortTalon >= s.CortPunta ? s.CortTalon : s.CortPunta;
    s.EsfCortZap = store(f * s.CortZap / (static_cast<double>(s.FactPres) * s.PeraltZap),
                         "el esfuerzo cortante en la zapata");
}

FallasSismo EvaluaSismo(const ProjectState& s) {
    FallasSismo f;
    if (!(s.Kh > 0)) return f;
    f.vuelco = !(s.FsVuelcoSismo >= s.FsMinVuelcoSismo);
    f.desliz = !(s.FsDeslizSismo >= s.FsMinDeslizSismo);
    f.excentricidad = !(dmath::fabs(s.ExcentSismo) <= s.Base3);
    f.presion = !(s.PresMaxSismo <= s.PresAdmSismo);
    return f;
}

}  // namespace tarelvo
