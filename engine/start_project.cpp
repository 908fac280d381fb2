#include "engine/start_project.h"

#include "engine/engine.h"
#include "engine/field_rules.h"

namespace tarelvo {

void ProyectoInicial(ProjectState& s, CamposMuro& c) {
    s = ProjectState{};
    c = CamposMuro{};
    c.centrica = true;
    ProyectoNuevo(s, c);
    // Cleared by the window once it has first been activated.
    s.PrimeraActiv = 1;
    s.RefuerzoDisp = 1;
}

void ProyectoNuevo(ProjectState& s, CamposMuro& c) {
    const bool centrica = c.centrica;
    c = CamposMuro{};
    c.centrica = centrica;
    c.ancho = "0.20";
    c.altura = "1.00";
    c.altZap = "0.25";
    c.dsz = "0.50";
    c.punta = centrica ? "0.30" : "0.20";
    c.talon = "0.30";
    c.altDent = "0.50";
    c.anchDent = "0.20";
    c.phi1 = "30.0";
    c.gamma1 = "1.8";
    c.cohes1 = "0.0";
    c.phi2 = "30.0";
    c.gamma2 = "1.8";
    c.cohes = "0.0";
    c.beta = c.reac = c.sobrec = c.padm = "0.00";
    c.fc = "210";
    c.fy = "2800";
    c.centro = CentroAcoplado(c.formaMuro, c.ancho, c.altura);
    c.anchoZapata = AnchoZapata(c.talon, c.punta, c.centro);

    DatosIniciales(s);
    // A new project has no file yet: saving it must ask where, never overwrite the last one.
    s.NombreArchivo.clear();
    s.Titulo = c.titulo;
    s.Fc = NumeroCampo(c.fc);
    s.Fy = NumeroCampo(c.fy);
    s.Punta = NumeroCampo(c.punta);
    s.Talon = NumeroCampo(c.talon);
    s.FormaMuro = s.TipoMuro = 0;
    s.Pasiva = s.PasivaSel = 0;
    s.ConDent = 0;
    s.AltDent = 0;
    s.ZapCentrada = centrica ? 1 : 0;
    s.AltLibre = AlturaLibre(s);
}

}  // namespace tarelvo
