// The footing design: grow the footing in 5 cm steps until the wall passes.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/dmath.h"
#include "engine/engine.h"
#include "engine/field_limits.h"
#include "engine/field_rules.h"
#include "engine/seismic.h"
#include "engine/stability_limits.h"

namespace tarelvo {

using guard::store;

namespace {

const char* const kSinZapataRazonable =
    "Ninguna zapata razonable cumple las verificaciones: el ancho de la zapata ya supera cinco "
    "veces la altura del muro con su zapata y aún habría que alargarla. Considere un "
    "dentellón, la presión pasiva o revise los datos del suelo.";
const char* const kZapataMuyGruesa =
    "Ninguna zapata razonable cumple las verificaciones: la zapata ya es más gruesa que la "
    "altura del muro y aún habría que engrosarla. Aumente el espesor del muro o revise los "
    "datos del suelo y las cargas.";

// The footing a design may grow to, fixed from the wall as it was when the design started:
// a bound that grew with each thickening would let a footing grow without end.
struct LimitesDiseno {
    double ancho;    // 5 × (Altura + the starting AltZap), and what the toe and heel fields hold
    double espesor;  // the larger of Altura and the starting AltZap, and what its field holds
    double lado;     // the largest toe or heel its field holds
};

LimitesDiseno Limites(const ProjectState& s, float altZapInicial) {
    LimitesDiseno l;
    l.ancho = 5.0 * (static_cast<double>(s.Altura) + altZapInicial);
    l.espesor = std::max<double>(s.Altura, altZapInicial);
    if (const MaximoCampo* m = MaximoDe("AltZap")) l.espesor = std::min(l.espesor, m->maximo);
    l.lado = MaximoDe("Punta") ? MaximoDe("Punta")->maximo : l.ancho;
    return l;
}

// Lengthening: the counter starts at 1, so the steps go heel, heel, heel, toe, and then four
// heel steps to every toe step. The counter is a 16-bit integer and must not wrap.
void Alarga(ProjectState& s, const LimitesDiseno& l) {
    // Some walls cannot pass on any footing (too little friction, too weak a soil); growing
    // one without end only hides that.
    if (static_cast<double>(s.Base) > l.ancho ||
        static_cast<double>(std::max(s.Punta, s.Talon)) + s.PasoBase > l.lado)
        guard::fault(kSinZapataRazonable);
    if (s.Contador == std::numeric_limits<std::int16_t>::max())
        guard::fault("El diseño de la zapata se detuvo: el contador de pasos se desbordó "
                     "(más de 32767 alargamientos seguidos, unos 1600 m de zapata) sin hallar "
                     "una zapata aceptable. Revise los datos del muro.");
    s.Contador = static_cast<std::int16_t>(s.Contador + 1);
    if ((s.Contador / 5) * 5 == s.Contador)
        s.Punta = store(static_cast<double>(s.Punta) + s.PasoBase, "la punta de la zapata");
    else
        s.Talon = store(static_cast<double>(s.Talon) + s.PasoBase, "el talón de la zapata");
}

// Thickening. The front ground never lies below the footing's top: a thicker footing takes
// the foundation depth with it, as leaving the depth field does.
void Engrosa(ProjectState& s, const LimitesDiseno& l) {
    if (static_cast<double>(s.AltZap) + static_cast<double>(s.PasoAltZap) / s.FactCm >
        l.espesor + 1e-6)
        guard::fault(kZapataMuyGruesa);
    s.AltZap = store(static_cast<double>(s.PasoAltZap) / s.FactCm + s.AltZap,
                     "la altura de la zapata");
    if (s.Dsz < s.AltZap) s.Dsz = s.AltZap;
    s.Contador = 1;
}

// A toe or heel whose steel ratio is above the maximum needs a deeper section, as one whose
// depth cannot carry its moment at all. The ratios are judged on the moments the check that
// follows the design will use, with their lower bounds; the design itself sizes the depth on
// the moments alone, as it always has.
bool CuantiaExcedida(const ProjectState& s) {
    if (!(s.CuantMax > 0)) return false;
    ProjectState c = s;
    MinimosZapata(c);
    AjustaMomentos(c);
    c.SeccInsuf = 0;
    RefuerzoZapata(c);
    if (c.SeccInsuf != 0) return s.CuantPunta > s.CuantMax || s.CuantTalon > s.CuantMax;
    return c.CuantPunta > c.CuantMax || c.CuantTalon > c.CuantMax;
}

}  // namespace

long CalculaBase(ProjectState& s, const WindowInputs& w, ResultsPublisher& out, long maxPasos,
                 float altZapInicial) {
    CalculaMuro(s, w);
    const LimitesDiseno limites = Limites(s, altZapInicial > 0 ? altZapInicial : s.AltZap);
    for (long pasos = 1;; ++pasos) {
        // Nothing guarantees that a wall can pass (an admissible pressure below the weight of
        // the backfill, say), so the loop is bounded as well.
        if (pasos > maxPasos)
            guard::fault("El diseño de la zapata se detuvo tras " + std::to_string(maxPasos) +
                         " pasos sin hallar una zapata aceptable. Revise los datos del muro.");
        CentraZapata(s, w);
        CalculaFuerzas(s, w);
        // The resultant belongs in the middle third on either side of the centre.
        if (dmath::fabs(s.Excent) > s.Base6) {
            Alarga(s, limites);
            continue;
        }
        ChequeaDesliz(s);
        CalculaPresiones(s);
        // Under a resultant behind the centre the heel pressure is the larger one.
        if (std::max(s.PresMax, s.PresMin) > s.PresAdm) {
            Alarga(s, limites);
            continue;
        }
        // A wider footing weighs more and carries more backfill: both factors grow with it.
        if (s.FsVuelco < s.FsMinVuelco || s.FsDesliz < s.FsMinDesliz) {
            Alarga(s, limites);
            continue;
        }
        // With an earthquake case that case must pass as well.
        CasoSismico(s);
        if (EvaluaSismo(s).alguna()) {
            Alarga(s, limites);
            continue;
        }
        CalculaZapata(s);
        ZapataConSismo(s);
        if (static_cast<float>(static_cast<double>(s.CortAdm) - s.EsfCortZap) < 0.0f) {
            Engrosa(s, limites);
            continue;
        }
        s.SeccInsuf = 0;
        RefuerzoZapata(s);
        if (s.SeccInsuf == 1 || CuantiaExcedida(s)) {
            Engrosa(s, limites);
            continue;
        }
        out.MuestraResultados(s);
        return pasos;
    }
}

void Calcular(ProjectState& s, const WindowInputs& w, ResultsPublisher& out) {
    CalculaMuro(s, w);
    const float altZapInicial = s.AltZap;
    const float dszInicial = s.Dsz;
    // The fields show two decimals, and the check after the design analyses what they show:
    // 1.5999995 becomes 1.60, and a footing accepted to the last float step might not be once
    // rounded. So the design goes on from the written footing until that one is accepted as it
    // stands; in practice the second round accepts it at its first pass.
    for (int vuelta = 0;; ++vuelta) {
        if (vuelta == 100)
            guard::fault("El diseño de la zapata no se estabiliza al redondear sus medidas a "
                         "centímetros. Revise los datos del muro.");
        CalculaBase(s, w, out, kMaxPasosDiseno, altZapInicial);
        const float antes[3] = {s.AltZap, s.Punta, s.Talon};
        out.EscribeZapata(s, TextoCampo(s.AltZap), TextoCampo(s.Punta), TextoCampo(s.Talon));
        if (antes[0] == s.AltZap && antes[1] == s.Punta && antes[2] == s.Talon) break;
    }
    if (s.Dsz != dszInicial || s.Dsz < s.AltZap)
        out.EscribeDsz(s, TextoCampo(std::max(s.Dsz, s.AltZap)));
    out.AlineaCotas();
}

}  // namespace tarelvo
