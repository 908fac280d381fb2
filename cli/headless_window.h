// The main window without a screen: the texts and options of its project controls, which the
// engine reads, and the results it publishes, kept in memory. Writing into a field follows the
// window's field rules: the change handler stores the number read back from the new text, and
// the footing-width label follows the toe and the heel.
#pragma once

#include <string>

#include "engine/bar_groups.h"
#include "engine/engine.h"
#include "engine/results_view.h"
#include "engine/wall_fields.h"

namespace tarelvo {

class HeadlessWindow : public WindowInputs, public ResultsPublisher {
public:
    CamposMuro campos;
    GruposBarras grupos;  // the reinforcement form's bar lists and spacing boxes
    ResultsView shown;  // the last results published

    std::string centroText() const override { return campos.centro; }
    bool centricaSelected() const override { return campos.centrica; }
    int stemShapeSelected() const override { return campos.formaMuro; }

    // As the window: the results, and the width label showing the analysed footing.
    void MuestraResultados(const ProjectState& s) override;
    void AlineaCotas() override;
    void EscribeZapata(ProjectState& s, const std::string& altZap, const std::string& punta,
                       const std::string& talon) override;

    void EscribePuntaTalon(ProjectState& s, const std::string& punta,
                           const std::string& talon) override;
    void EscribeDsz(ProjectState& s, const std::string& dsz) override;

    std::string anchoAnalizado;  // the footing width of the last results published

    // The project that the main window shows at start-up, checked, once the window has been
    // shown.
    void Arranque(ProjectState& s);
};

}  // namespace tarelvo
