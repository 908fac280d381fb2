// The footing design: grow the footing in 5 cm steps until the wall passes.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/engine.h"
#include "engine/field_rules.h"
#include "engine/stability_limits.h"

namespace tarelvo {

using guard::store;

namespace {

// Lengthening: the counter starts at 1, so the steps go heel, heel, heel, toe, and then four
// heel steps to every toe step. The counter is a 16-bit integer and must not wrap.
void Alarga(ProjectState& s) {
    // Some walls cannot pass on any footing (too little friction, too weak a soil); growing
    // one without end only hides that.
    if (static_cast<double>(s.Base) > 5.0 * (static_cast<double>(s.Altura) + s.AltZap))
        guard::fault("Ninguna zapata razonable cumple las verificaciones: el ancho de la "
                     "zapata ya supera cinco veces la altura del muro con su zapata y aún "
                     "habría que alargarla. Considere un dentellón, la presión pasiva o "
                     "revise los datos del suelo.");
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

void Engrosa(ProjectState& s) {
    s.AltZap = store(static_cast<double>(s.PasoAltZap) / s.FactCm + s.AltZap,
                     "la altura de la zapata");
    s.Contador = 1;
}

}  // namespace

long CalculaBase(ProjectState& s, const WindowInputs& w, ResultsPublisher& out, long maxPasos) {
    CalculaMuro(s, w);
    for (long pasos = 1;; ++pasos) {
        // Nothing guarantees that a wall can pass (an admissible pressure below the weight of
        // the backfill, say), so the loop is bounded as well.
        if (pasos > maxPasos)
            guard::fault("El diseño de la zapata se detuvo tras " + std::to_string(maxPasos) +
                         " pasos sin hallar una zapata aceptable. Revise los datos del muro.");
        CentraZapata(s, w);
        CalculaFuerzas(s, w);
        if (s.Excent > s.Base6) {
            Alarga(s);
            continue;
        }
        ChequeaDesliz(s);
        CalculaPresiones(s);
        // Under a resultant behind the centre the heel pressure is the larger one.
        if (std::max(s.PresMax, s.PresMin) > s.PresAdm) {
            Alarga(s);
            continue;
        }
        // A wider footing weighs more and carries more backfill: both factors grow with it.
        if (s.FsVuelco < kFsMinVuelco || s.FsDesliz < kFsMinDesliz) {
            Alarga(s);
            continue;
        }
        CalculaZapata(s);
        if (static_cast<float>(static_cast<double>(s.CortAdm) - s.EsfCortZap) < 0.0f) {
            Engrosa(s);
            continue;
        }
        s.SeccInsuf = 0;
        RefuerzoZapata(s);
        if (s.SeccInsuf == 1) {
            Engrosa(s);
            continue;
        }
        out.MuestraResultados(s);
        return pasos;
    }
}

void Calcular(ProjectState& s, const WindowInputs& w, ResultsPublisher& out) {
    CalculaMuro(s, w);
    // The fields show two decimals, and the check after the design analyses what they show:
    // 1.5999995 becomes 1.60, and a footing accepted to the last float step might not be once
    // rounded. So the design goes on from the written footing until that one is accepted as it
    // stands; in practice the second round accepts it at its first pass.
    for (int vuelta = 0;; ++vuelta) {
        if (vuelta == 100)
            guard::fault("El diseño de la zapata no se estabiliza al redondear sus medidas a "
                         "centímetros. Revise los datos del muro.");
        CalculaBase(s, w, out);
        const float antes[3] = {s.AltZap, s.Punta, s.Talon};
        out.EscribeZapata(s, TextoCampo(s.AltZap), TextoCampo(s.Punta), TextoCampo(s.Talon));
        if (antes[0] == s.AltZap && antes[1] == s.Punta && antes[2] == s.Talon) break;
    }
    out.AlineaCotas();
}

}  // namespace tarelvo
