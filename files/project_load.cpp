#include "files/project_load.h"

#include <algorithm>

#include "engine/field_rules.h"
#include "files/mur_project.h"
#include "files/project_limits.h"

namespace tarelvo {

namespace {
// The value written into its field, and what the field's change handler stores.
void PorCampo(float valor, std::string& campo, float& variable) {
    campo = TextoCampo(valor);
    variable = NumeroCampo(campo);
}
// A list position; the reader refuses any other, so this only keeps a bad caller in bounds.
std::size_t Posicion(int i, int cuantos) {
    return static_cast<std::size_t>(std::clamp(i, 0, cuantos - 1));
}
}  // namespace

std::string CargaProyecto(const ProyectoMur& archivo, ProjectState& s, CamposMuro& c) {
    // What the window's fields could not hold comes in at their limits, said in the warning.
    ProyectoMur p = archivo;
    std::string aviso = AjustaALimites(p);
    // As the window's title field keeps it: an older file may hold a longer title.
    c.titulo = s.Titulo = RecortaUtf16(p.titulo, kLargoTitulo);
    // Any wall type other than 0 and 1 is the third option, any pasiva other than 1 is
    // "Despreciada".
    c.formaMuro = p.formaMuro == 0 ? 0 : p.formaMuro == 1 ? 1 : 2;
    s.FormaMuro = s.TipoMuro = static_cast<std::int16_t>(c.formaMuro);
    c.centrica = p.zapCentrada != 0;
    s.ZapCentrada = c.centrica ? 1 : 0;
    c.pasiva = p.pasiva == 1;
    s.Pasiva = s.PasivaSel = c.pasiva ? 1 : 0;

    c.ancho = TextoCampo(p.ancho);
    s.Ancho = AnchoDeCampo(c.ancho);
    c.altura = TextoCampo(p.altura);
    s.Altura = p.altura;
    c.dsz = TextoCampo(p.dsz);
    s.Dsz = p.dsz;
    PorCampo(p.altZap, c.altZap, s.AltZap);
    PorCampo(p.punta, c.punta, s.Punta);
    PorCampo(p.talon, c.talon, s.Talon);
    PorCampo(p.phi1, c.phi1, s.Phi1);
    PorCampo(p.phi2, c.phi2, s.Phi2);
    PorCampo(p.gamma1, c.gamma1, s.Gamma1);
    PorCampo(p.gamma2, c.gamma2, s.Gamma2);
    PorCampo(p.cohes, c.cohes, s.Cohes);

    // The key is included when its depth field shows more than nothing.
    PorCampo(p.anchDent, c.anchDent, s.AnchDent);
    float altDent = 0;
    PorCampo(p.altDent, c.altDent, altDent);
    c.dentellon = altDent > 0;
    s.ConDent = c.dentellon ? -1 : 0;
    s.AltDent = c.dentellon ? altDent : 0;

    // The slope is compared with the file's own friction angle.
    c.beta = TextoCampo(p.beta);
    if (TaludExcede(c.beta, c.phi1)) {
        aviso += (aviso.empty() ? "" : "\n") + std::string(kAvisoTalud);
        c.beta = TextoCampo(NumeroDe(c.phi1));
    }
    s.Beta = NumeroCampo(c.beta);
    c.reac = CaptionCarga(TextoCampo(p.reac));
    s.Reac = NumeroCampo(c.reac);
    c.sobrec = CaptionCarga(TextoCampo(p.sobrec));
    s.Sobrec = NumeroCampo(c.sobrec);
    c.padm = CaptionPadm(TextoCampo(p.padm));
    s.Padm = NumeroCampo(c.padm);
    c.fc = std::to_string(kListaFc[Posicion(p.comboFc, kOpcionesFc)]);
    s.Fc = NumeroCampo(c.fc);
    c.fy = std::to_string(kListaFy[Posicion(p.comboFy, kOpcionesFy)]);
    s.Fy = NumeroCampo(c.fy);

    c.centro = CentroAcoplado(c.formaMuro, c.ancho, c.altura);
    c.anchoZapata = AnchoZapata(c.talon, c.punta, c.centro);

    // A new wall: its bars are preselected afresh, "C&hequeo" takes its height as the one its
    // footing was made for, and the free stem height is its own.
    s.BarrasIniciadas = 0;
    s.AlturaAnt = s.Altura;
    s.AltLibre = AlturaLibre(s);
    return aviso;
}

}  // namespace tarelvo
