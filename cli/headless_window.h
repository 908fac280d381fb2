// The main window without a screen: the field texts and options that the engine reads, and
// the results it publishes, kept in memory. It follows the window's own rules where they
// touch the project state (a footing field stores the number read back from its new text).
#pragma once

#include <string>

#include "engine/engine.h"
#include "engine/results_view.h"

namespace tarelvo {

class HeadlessWindow : public WindowInputs, public ResultsPublisher {
public:
    std::string centro = "0.20";
    bool centrica = true;
    int stemShape = 0;
    // Texts of the footing fields.
    std::string altZapText = "0.25", puntaText = "0.30", talonText = "0.30";

    ResultsView shown;  // the last results published

    std::string centroText() const override { return centro; }
    bool centricaSelected() const override { return centrica; }
    int stemShapeSelected() const override { return stemShape; }

    void MuestraResultados(const ProjectState& s) override { shown = EvaluaResultados(s); }
    void AlineaCotas() override {}
    void EscribeZapata(ProjectState& s, const std::string& altZap, const std::string& punta,
                       const std::string& talon) override;
    void EscribePuntaTalon(ProjectState& s, const std::string& punta,
                           const std::string& talon) override;

    // The project that the main window shows at start-up, checked.
    void Arranque(ProjectState& s);
};

}  // namespace tarelvo
