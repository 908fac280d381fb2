#include "engine_test_support.h"

#include "common/number_text.h"

namespace tarelvo::test {

void FakeWindow::EscribeZapata(ProjectState& s, const std::string& a, const std::string& p,
                               const std::string& t) {
    altZap = a;
    punta = p;
    talon = t;
    s.AltZap = static_cast<float>(numtext::read(a));
    s.Punta = static_cast<float>(numtext::read(p));
    s.Talon = static_cast<float>(numtext::read(t));
}

void FakeWindow::EscribePuntaTalon(ProjectState& s, const std::string& p, const std::string& t) {
    punta = p;
    talon = t;
    s.Punta = static_cast<float>(numtext::read(p));
    s.Talon = static_cast<float>(numtext::read(t));
}

void FakeWindow::EscribeDsz(ProjectState& s, const std::string& d) {
    dsz = d;
    s.Dsz = static_cast<float>(numtext::read(d));
}

ProjectState Defaults() {
    ProjectState s;
    DatosIniciales(s);
    return s;
}

ProjectState MuroQueDesliza() {
    ProjectState s = Defaults();
    s.Fc = 210;
    s.Phi2 = 15;
    s.Altura = 2.5f;
    s.Punta = 0.6f;
    s.Talon = 1.4f;
    s.Sobrec = 1;
    s.Padm = 3;
    return s;
}

}  // namespace tarelvo::test
