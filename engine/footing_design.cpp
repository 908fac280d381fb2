// The footing design: grow the footing in 5 cm steps until the wall passes.
#include <cstdint>
#include <limits>
#include <string>

#include "common/number_text.h"
#include "engine/engine.h"

namespace tarelvo {

using guard::store;

namespace {

// Lengthening: the counter starts at 1, so the steps go heel, heel, heel, toe, and then four
// heel steps to every toe step. The counter is a 16-bit integer and must not wrap.
void Alarga(ProjectState& s) {
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

void CalculaBase(ProjectState& s, const WindowInputs& w, ResultsPublisher& out, long maxPasos) {
    CalculaMuro(s, w);
    for (long pasos = 1;; ++pasos) {
        // Nothing guarantees that a wall can pass (an admissible pressure below the weight of
        // the backfill, say), so the loop is bounded as well.
        if (pasos > maxPasos)
            guard::fault("El diseño de la zapata se detuvo tras " + std::to_string(maxPasos) +
                         " pasos sin hallar una zapata aceptable. Revise los datos del muro.");
        CalculaFuerzas(s, w);
        if (s.Excent > s.Base6) {
            Alarga(s);
            continue;
        }
        ChequeaDesliz(s);
        CalculaPresiones(s);
        if (s.PresMax > s.PresAdm) {
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
        return;
    }
}

void Calcular(ProjectState& s, const WindowInputs& w, ResultsPublisher& out) {
    CalculaMuro(s, w);
    CalculaBase(s, w, out);
    out.EscribeZapata(s, numtext::format(s.AltZap, "0.00"), numtext::format(s.Punta, "0.00"),
                      numtext::format(s.Talon, "0.00"));
    out.AlineaCotas();
}

}  // namespace tarelvo
