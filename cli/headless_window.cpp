#include "cli/headless_window.h"

#include "engine/analysed_wall.h"

#include "engine/field_rules.h"
#include "engine/start_project.h"

namespace tarelvo {

void HeadlessWindow::EscribeZapata(ProjectState& s, const std::string& altZap,
                                   const std::string& punta, const std::string& talon) {
    EscribeCampo(campos.altZap, altZap, s.AltZap);
    // The state holds what the field shows even when its text was already that one.
    s.AltZap = NumeroCampo(altZap);
    EscribePuntaTalon(s, punta, talon);
}

void HeadlessWindow::EscribePuntaTalon(ProjectState& s, const std::string& punta,
                                       const std::string& talon) {
    EscribeCampo(campos.punta, punta, s.Punta);
    EscribeCampo(campos.talon, talon, s.Talon);
    s.Punta = NumeroCampo(punta);
    s.Talon = NumeroCampo(talon);
    campos.anchoZapata = AnchoZapata(campos.talon, campos.punta, campos.centro);
}

void HeadlessWindow::EscribeDsz(ProjectState& s, const std::string& dsz) {
    EscribeCampo(campos.dsz, dsz, s.Dsz);
    s.Dsz = NumeroCampo(dsz);
}

void HeadlessWindow::MuestraResultados(const ProjectState& s) {
    shown = EvaluaResultados(s);
    anchoAnalizado = TextoCampo(MuroDeAnalisis(s).zapata);
    campos.anchoZapata = anchoAnalizado;
}

// The window re-shows the analysed footing width after the design has written its fields.
void HeadlessWindow::AlineaCotas() {
    if (!anchoAnalizado.empty()) campos.anchoZapata = anchoAnalizado;
}

void HeadlessWindow::Arranque(ProjectState& s) {
    ProyectoInicial(s, campos);
    CalculaMuro(s, *this);
    ChequeaMuro(s, *this, *this);
    s.PrimeraActiv = 0;
}

}  // namespace tarelvo
