// ChequeaMuro: the full check of the current geometry. The order is binding: each procedure
// reads what the earlier ones stored.
#include "engine/engine.h"
#include "engine/seismic.h"

namespace tarelvo {

void ChequeaMuro(ProjectState& s, const WindowInputs& w, ResultsPublisher& out) {
    const std::string centrada = CentraZapata(s, w);
    if (!centrada.empty()) out.EscribePuntaTalon(s, centrada, centrada);
    CalculaMuro(s, w);
    CalculaFuerzas(s, w);
    ChequeaDesliz(s);
    CalculaPresiones(s);
    CasoSismico(s);
    CalculaZapata(s);
    ZapataConSismo(s);
    MinimosZapata(s);
    AjustaMomentos(s);
    RefuerzoZapata(s);
    out.MuestraResultados(s);
    out.AlineaCotas();
}

}  // namespace tarelvo
