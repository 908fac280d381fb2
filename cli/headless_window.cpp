#include "cli/headless_window.h"

#include "common/number_text.h"

namespace tarelvo {

namespace {
// The state holds what the field shows, whether or not its text changed.
void CambiaCampo(std::string& campo, const std::string& texto, float& variable) {
    campo = texto;
    variable = static_cast<float>(numtext::read(texto));
}
}  // namespace

void HeadlessWindow::EscribeZapata(ProjectState& s, const std::string& altZap,
                                   const std::string& punta, const std::string& talon) {
    CambiaCampo(altZapText, altZap, s.AltZap);
    CambiaCampo(puntaText, punta, s.Punta);
    CambiaCampo(talonText, talon, s.Talon);
}

void HeadlessWindow::EscribePuntaTalon(ProjectState& s, const std::string& punta,
                                       const std::string& talon) {
    CambiaCampo(puntaText, punta, s.Punta);
    CambiaCampo(talonText, talon, s.Talon);
}

void HeadlessWindow::Arranque(ProjectState& s) {
    s = ProjectState{};
    s.PrimeraActiv = 1;
    s.TipoMuro = 0;
    DatosIniciales(s);
    // The F'c and Fy lists are set to "210" and "2800"; their handlers store the numbers.
    s.Fc = 210;
    s.Fy = 2800;
    s.FsVuelcoAnt = 0;
    s.FsDeslizAnt = 0;
    // "Muro Recto", "Despreciada", and the footing centred as the window first shows it.
    stemShape = 0;
    s.FormaMuro = 0;
    centro = numtext::format(s.Ancho / 100.0, "0.00");
    s.Pasiva = 0;
    s.PasivaSel = 0;
    centrica = true;
    s.ZapCentrada = 1;
    s.AltLibre = s.Altura + s.AltZap - s.Dsz;
    CalculaMuro(s, *this);
    ChequeaMuro(s, *this, *this);
    s.RefuerzoDisp = 1;
}

}  // namespace tarelvo
