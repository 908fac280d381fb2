// A window stand-in for engine tests: field texts and options as plain members, and a record
// of what the engine published.
#pragma once

#include <string>

#include "engine/engine.h"
#include "engine/results_view.h"

namespace tarelvo::test {

class FakeWindow : public WindowInputs, public ResultsPublisher {
public:
    std::string centro = "0.20";
    bool centrica = false;
    int shape = 0;
    int muestra = 0, alinea = 0;
    std::string altZap, punta, talon;  // texts handed to the footing fields
    ResultsView shown;

    std::string centroText() const override { return centro; }
    bool centricaSelected() const override { return centrica; }
    int stemShapeSelected() const override { return shape; }
    void MuestraResultados(const ProjectState& s) override {
        ++muestra;
        shown = EvaluaResultados(s);
    }
    void AlineaCotas() override { ++alinea; }
    void EscribeZapata(ProjectState& s, const std::string& a, const std::string& p,
                       const std::string& t) override;
    void EscribePuntaTalon(ProjectState& s, const std::string& p, const std::string& t) override;
    std::string dsz;  // text handed to the foundation depth field
    void EscribeDsz(ProjectState& s, const std::string& d) override;
};

// The default project as DatosIniciales leaves it (F'c 180).
ProjectState Defaults();

// Soft foundation soil under a 2.5 m wall on an eccentric 0.60 / 1.40 footing with 1 t/m2 of
// surcharge and an admissible 3 kg/cm2: the resultant in the middle third, the pressures
// admissible, but FS desliz 0.89.
ProjectState MuroQueDesliza();

}  // namespace tarelvo::test
