#include "cli/project_load.h"

#include "common/number_text.h"
#include "files/mur_project.h"

namespace tarelvo {

namespace {
std::string Texto(float v) { return numtext::format(v, "0.00"); }
// What a field's change handler stores after the load writes the value into it.
float PorCampo(float v) { return static_cast<float>(numtext::read(Texto(v))); }
}  // namespace

std::string AplicaProyecto(ProjectState& s, HeadlessWindow& w, const ProyectoMur& p) {
    std::string aviso;
    // As the window's title field keeps it.
    s.Titulo = RecortaUtf16(p.titulo, kLargoTitulo);
    const int tipo = p.formaMuro == 0 ? 0 : p.formaMuro == 1 ? 1 : 2;
    s.FormaMuro = s.TipoMuro = static_cast<std::int16_t>(tipo);
    w.stemShape = tipo;
    w.centrica = p.zapCentrada != 0;
    s.ZapCentrada = w.centrica ? 1 : 0;
    s.Pasiva = s.PasivaSel = p.pasiva == 1 ? 1 : 0;

    s.Ancho = PorCampo(p.ancho) * 100;
    s.Altura = p.altura;  // stored from the file: its field stores only when left
    s.Dsz = p.dsz;
    s.AltZap = PorCampo(p.altZap);
    s.Punta = PorCampo(p.punta);
    s.Talon = PorCampo(p.talon);
    w.altZapText = Texto(p.altZap);
    w.puntaText = Texto(p.punta);
    w.talonText = Texto(p.talon);
    s.Phi1 = PorCampo(p.phi1);
    s.Phi2 = PorCampo(p.phi2);
    s.Beta = PorCampo(p.beta);
    if (s.Phi1 < s.Beta) {
        aviso = "ATENCION: Para evitar inestabilidad en el Relleno, su Angulo de Inclinacion no "
                "puede ser mayor que su Angulo de Friccion Interna";
        s.Beta = s.Phi1;
    }
    s.Reac = PorCampo(p.reac);
    s.Sobrec = PorCampo(p.sobrec);
    s.Gamma1 = PorCampo(p.gamma1);
    s.Gamma2 = PorCampo(p.gamma2);
    s.Cohes = PorCampo(p.cohes);
    s.Padm = PorCampo(p.padm) > 0 ? PorCampo(p.padm) : 0;
    s.AnchDent = PorCampo(p.anchDent);
    if (PorCampo(p.altDent) > 0) {
        s.ConDent = -1;
        s.AltDent = PorCampo(p.altDent);
    } else {
        s.ConDent = 0;
        s.AltDent = 0;
    }
    s.Fc = static_cast<float>(kListaFc[p.comboFc]);
    s.Fy = static_cast<float>(kListaFy[p.comboFy]);
    return aviso;
}

}  // namespace tarelvo
