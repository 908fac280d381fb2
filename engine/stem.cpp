// CalculaMuro: angles, active coefficient, stem thickness and shear, stem reinforcement.
#include <algorithm>
#include <string>

#include "common/number_text.h"
#include "engine/dmath.h"
#include "engine/engine.h"
#include "engine/seismic.h"
#include "engine/water.h"

namespace tarelvo {

using guard::store;

void SeccionMuro(ProjectState& s, int sec) {
    {
        const double y = sec * static_cast<double>(s.DeltaH);
        s.MomSeccActual = store((y * y * y * s.Gamma1 + 3.0 * s.Sobrec * y * y) *
                                    (static_cast<double>(s.FactCarga) * s.Ka) / 6.0 *
                                    dmath::cos(s.BetaRad),
                                "el momento de una sección del muro");
        // Below the water table the water pushes with γw and the soil loses Ka γw of its own.
        if (const double dw = AguaSobreSeccion(s, y); dw > 0)
            s.MomSeccActual = store(s.MomSeccActual + static_cast<double>(s.FactCarga) *
                                                          kGammaAgua * dw * dw * dw / 6.0 *
                                                          (1.0 - s.Ka * dmath::cos(s.BetaRad)),
                                    "el momento de una sección del muro");
        // With an earthquake, the larger of the static moment and the earthquake's combination.
        if (s.Kh > 0) {
            const double tope = s.EspTope / static_cast<double>(s.FactCm);
            const double seccion = tope + (static_cast<double>(s.EspBase) - s.EspTope) /
                                              s.FactCm * guard::div(y, s.Altura, "el muro");
            s.MomSeccActual = store(MomentoSismicoMuro(s, y, s.MomSeccActual, tope, seccion),
                                    "el momento de una sección del muro con sismo");
        }
        s.EspSecc = store(s.EspTope + guard::div(static_cast<double>(s.EspBase) - s.EspTope,
                                                 s.Altura, "el espesor de las secciones del muro") * y,
                          "el espesor de una sección del muro");
        s.PeraltMuro = store((static_cast<double>(s.EspSecc) - 5.0) / s.FactCm,
                             "el peralte de una sección del muro");
        s.TermMu = store(guard::div(s.MomSeccActual,
                                    static_cast<double>(s.Fy) * 0.9 * s.FactTon,
                                    "el refuerzo del muro (Fy es cero)"),
                         "el refuerzo del muro");
        const double d = s.PeraltMuro;
        const double disc = d * d - 4.0 * s.CoefAs * s.TermMu;
        if (disc < 0.0)
            guard::fault("La sección del muro a " + std::to_string(sec) +
                         "/10 de la altura bajo el tope es demasiado delgada para su momento "
                         "(raíz cuadrada de un número negativo al calcular el refuerzo del "
                         "muro). Aumente el espesor del muro.");
        s.AsMuro = store(guard::div(d - dmath::sqrt(disc), 2.0 * s.CoefAs,
                                    "el refuerzo del muro"),
                         "el refuerzo del muro");
        s.CuantMin = 0.0025f;
        s.CuantMuro = store(guard::div(s.AsMuro,
                                       static_cast<double>(s.FactCm) * (d * s.FactCm),
                                       "la cuantía del muro (peralte nulo: el espesor de la "
                                       "sección es de 5 cm)"),
                            "la cuantía del muro");
        if (static_cast<double>(s.CuantMuro) - 0.0025 <= 0.0) {
            s.CuantMuro = s.CuantMin;
            s.AsMuro = store(static_cast<double>(s.FactCm) * s.CuantMin * d * s.FactCm,
                             "el refuerzo mínimo del muro");
        }
    }
}

void CalculaMuro(ProjectState& s, const WindowInputs& w) {
    s.Contador = 1;
    s.BetaRad = store(s.Beta / 57.296, "el ángulo del relleno");
    s.Phi1Rad = store(s.Phi1 / 57.296, "el ángulo de fricción del relleno");
    s.Phi2Rad = store(s.Phi2 / 57.296, "el ángulo de fricción del suelo de fundación");

    // A purely cohesive foundation soil (φ = 0) has no finite cotangent; the bearing
    // formulas use their φ = 0 forms there and never read CotPhi2.
    if (s.Phi2Rad == 0.0f)
        s.CotPhi2 = 0;
    else
        s.CotPhi2 = store(guard::div(1.0, dmath::tan(s.Phi2Rad),
                                     "la cotangente del ángulo de fricción del suelo"),
                          "la cotangente del ángulo de fricción del suelo");

    s.CosBeta = store(dmath::cos(s.BetaRad), "el coseno del ángulo del relleno");
    s.Cos2Beta = store(static_cast<double>(s.CosBeta) * s.CosBeta,
                       "el coseno del ángulo del relleno");
    const double cosPhi1 = dmath::cos(s.Phi1Rad);
    s.Cos2Phi1 = store(cosPhi1 * cosPhi1, "el coseno del ángulo de fricción del relleno");

    // Rankine for a sloping backfill. With the slope equal to the friction angle the two
    // squared cosines are rounded separately and may differ by one float step; a slope not
    // steeper than the friction angle is the limit case r = 0, not a fault.
    const double rr = static_cast<double>(s.Cos2Beta) - s.Cos2Phi1;
    double r = 0.0;
    if (rr >= 0.0)
        r = dmath::sqrt(rr);
    else if (s.Beta > s.Phi1)
        guard::fault("El ángulo de inclinación del relleno es mayor que su ángulo de fricción "
                     "interna: el empuje activo no tiene valor (raíz cuadrada de un número "
                     "negativo).");
    const double cb = s.CosBeta;
    const double kaR = guard::div(cb * (cb - r), cb + r, "el coeficiente de empuje activo");

    const double h1 = static_cast<double>(s.AltZap) + s.Altura;
    const float ka = store(guard::div(kaR * h1 * s.Gamma1 -
                                          2.0 * s.Cohes1 *
                                              guard::sqrt(kaR, "el coeficiente de empuje activo"),
                                      h1 * s.Gamma1,
                                      "el coeficiente de empuje activo (altura o peso del "
                                      "relleno nulos)"),
                           "el coeficiente de empuje activo");
    // A backfill that pushes with nothing, or pulls, would give a negative thrust and a wall
    // called stable with a negative factor of safety.
    if (!(ka > 0.0f)) {
        if (s.Cohes1 > 0)
            guard::fault("La cohesión del relleno anula el empuje activo (Ka = " +
                         numtext::format(ka, "0.000") +
                         "): el muro no tendría empuje que resistir. Reduzca la cohesión del "
                         "relleno.");
        guard::fault("El coeficiente de empuje activo del relleno es nulo: revise su ángulo de "
                     "fricción interna.");
    }
    s.Ka = ka;

    s.PresSobrec = store(static_cast<double>(s.Sobrec) * s.Ka * dmath::cos(s.BetaRad),
                         "la presión de la sobrecarga");
    s.PresMuroBase = store((static_cast<double>(s.Altura) * s.Gamma1 * s.Ka +
                            static_cast<double>(s.Ka) * s.Sobrec) *
                               dmath::cos(s.BetaRad),
                           "la presión en la base del muro");
    s.CortMuroBase = store((static_cast<double>(s.PresMuroBase) + s.PresSobrec) * s.Altura / 2.0,
                           "el cortante en la base del muro");
    if (const double dw = AguaSobreSeccion(s, s.Altura); dw > 0)
        s.CortMuroBase = store(s.CortMuroBase + kGammaAgua * dw * dw / 2.0 *
                                                    (1.0 - s.Ka * dmath::cos(s.BetaRad)),
                               "el cortante en la base del muro");
    CoeficientesSismicos(s);
    s.CortAdm = store(s.CoefCorte * 0.85 *
                          guard::sqrt(s.Fc, "el cortante admisible (F'c negativo)"),
                      "el cortante admisible");
    s.CortAdmT = store(static_cast<double>(s.FactPres) * s.CortAdm, "el cortante admisible");
    // The factored shear at the stem's foot; with an earthquake the larger of the static one and
    // the earthquake's combination, the stem's inertia taken on its typed thicknesses.
    double cortMuro = static_cast<double>(s.FactCarga) * s.CortMuroBase;
    if (s.Kh > 0) {
        const double tope = s.Ancho / static_cast<double>(s.FactCm);
        const double base = s.FormaMuro == 0 ? tope : numtext::read(w.centroText());
        cortMuro = CortanteSismicoMuro(s, s.Altura, cortMuro, tope, base);
    }
    s.EspReq = store(s.FactCm * (guard::div(cortMuro,
                                            s.CortAdmT,
                                            "el espesor requerido del muro (F'c es cero)") +
                                 static_cast<double>(s.Recub) / s.FactCm),
                     "el espesor requerido del muro");

    const double centro = numtext::read(w.centroText());
    if (s.FormaMuro == 0)
        s.EspTope = s.EspReq;
    else
        s.EspTope = store(s.EspReq - s.FactCm * centro, "el espesor del muro en el tope");
    if (!(s.EspTope > s.Ancho)) s.EspTope = s.Ancho;

    const double centro2 = numtext::read(w.centroText());
    if (s.FormaMuro == 0)
        s.EspBase = s.EspTope;
    else
        s.EspBase = store(s.FactCm * centro2, "el espesor del muro en la base");

    s.EsfCortMuro = store(
        guard::div(cortMuro, (static_cast<double>(s.EspBase) - s.Recub) * s.FactCm,
                   "el esfuerzo cortante en el muro (el espesor en la base es igual al "
                   "recubrimiento de 7 cm)") *
            s.FactKg,
        "el esfuerzo cortante en el muro");
    s.DeltaH = store(s.Altura / 10.0, "la separación de las secciones del muro");
    s.CoefAs = store(guard::div(static_cast<double>(s.Fy) * 0.5,
                                static_cast<double>(s.Fc) * 0.85 * s.FactCm2,
                                "el coeficiente del refuerzo (F'c es cero)"),
                     "el coeficiente del refuerzo");

    // The largest steel ratio a section may have, so that the steel yields well before the
    // concrete crushes: 0.75 of the balanced ratio, ρb = 0.85 β1 (F'c / Fy) 6000 / (6000 + Fy)
    // in kg/cm2 (6000 = Es εcu = 2 000 000 × 0.003), with β1 = 0.85 up to F'c 280 and 0.05 less
    // for each 70 kg/cm2 above, never below 0.65 (ACI 318-99 10.2.7.3 and 10.3.3; Nilson,
    // Design of Concrete Structures, eq. 3.41).
    s.ExcesoFc = s.Fc > 280 ? static_cast<float>(static_cast<double>(s.Fc) - 280.0) : 0.0f;
    s.Beta1 = static_cast<float>(std::max(0.65, 0.85 - 0.05 * s.ExcesoFc / 70.0));
    s.CuantMax = store(0.75 * 0.85 * s.Beta1 *
                           guard::div(s.Fc, s.Fy, "la cuantía máxima (Fy es cero)") * 6000.0 /
                           (6000.0 + s.Fy),
                       "la cuantía máxima");

    // Eleven sections from the top to the base; the last one stays stored.
    for (int sec = 0; sec <= 10; ++sec) {
        SeccionMuro(s, sec);
        if (sec == 5) {
            s.MomMitad = s.MomSeccActual;
            s.AsMitad = s.AsMuro;
        }
    }
}

}  // namespace tarelvo
