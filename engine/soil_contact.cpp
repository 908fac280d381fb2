#include "engine/soil_contact.h"

#include "common/number_text.h"
#include "engine/dmath.h"

namespace tarelvo {

namespace {
// A pressure as shown: a negative one (tension the soil cannot give) or one that is not a
// number is no pressure.
double NoNegativa(double p) { return p > 0 ? p : 0.0; }
}  // namespace

ApoyoZapata ApoyoDe(const ProjectState& s) {
    ApoyoZapata a;
    const double base = s.Base;
    const double e = dmath::fabs(static_cast<double>(s.Excent));
    a.desdePunta = !(s.Excent < 0);
    a.presPunta = NoNegativa(s.PresMax);
    a.presTalon = NoNegativa(s.PresMin);
    a.baseEfec = NoNegativa(s.BaseEfec);
    if (e <= s.Base6) {
        a.tipo = ApoyoZapata::Tipo::Completo;
        a.contacto = base;
    } else if (e < base / 2) {
        // A triangle of contact pressure whose centroid is under the resultant: its length is
        // three times the resultant's distance from the nearer edge, its peak
        // 4 V / (3 (B - 2e)) = 2 V / (3 (B/2 - e)) (Das, Principles of Foundation Engineering,
        // eccentrically loaded foundations, e > B/6).
        a.tipo = ApoyoZapata::Tipo::Parcial;
        a.contacto = 3 * (base / 2 - e);
        if (a.desdePunta) a.presTalon = 0;
        else a.presPunta = 0;
    } else {
        a.tipo = ApoyoZapata::Tipo::SinApoyo;
        a.presPunta = a.presTalon = 0;
        a.baseEfec = 0;
    }
    return a;
}

std::string FraseApoyo(const ProjectState& s) {
    const ApoyoZapata a = ApoyoDe(s);
    const double e = dmath::fabs(static_cast<double>(s.Excent));
    const std::string lado = a.desdePunta ? "la punta" : "el talón";
    switch (a.tipo) {
        case ApoyoZapata::Tipo::Completo:
            return {};
        case ApoyoZapata::Tipo::Parcial:
            return "La resultante cae fuera del tercio medio de la base (|e| = " +
                   numtext::format(e, "0.000") + " m > B/6 = " + numtext::format(s.Base6, "0.000") +
                   " m), hacia " + lado +
                   ". La zapata no resiste tracciones: se apoya sólo en " +
                   numtext::format(a.contacto, "0.00") + " m desde " + lado +
                   ", con una presión triangular de " +
                   numtext::format((a.desdePunta ? a.presPunta : a.presTalon) / 10.0, "0.00") +
                   " kg/cm2 bajo " + lado +
                   " (2·V / (3·(B/2 - |e|))) que se anula al final del contacto.";
        case ApoyoZapata::Tipo::SinApoyo:
            break;
    }
    return "La resultante cae fuera de la base (|e| = " + numtext::format(e, "0.000") +
           " m ≥ B/2 = " + numtext::format(s.Base / 2.0, "0.000") +
           " m): la zapata no puede apoyarse en el terreno y no hay presión de contacto.";
}

}  // namespace tarelvo
