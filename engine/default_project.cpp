#include "engine/engine.h"

namespace tarelvo {

void DatosIniciales(ProjectState& s) {
    s.FactCm = 100;
    s.FactCm2 = 10000;
    s.CoefCorte = 0.53f;
    s.Recub = 7;
    s.PasoFc = 70.3f;
    s.FcRef = 210;
    s.CteBalance = 6117;
    s.FactKg = 1000;
    s.FactTon = 0.001f;
    s.GammaC = 2.4f;
    s.PasoBase = 0.05f;
    s.FactPres = 10;
    s.PasoAltZap = 5;
    s.FactCarga = 1.5f;
    s.CuantMin = 0.0025f;

    s.Gamma1 = 1.8f;
    s.Gamma2 = 1.8f;
    s.Phi1 = 30;
    s.Phi2 = 30;
    s.Altura = 1.0f;
    s.Beta = 0;
    s.Pasiva = 0;
    s.Fc = 180;
    s.Fy = 2800;
    s.Punta = 0.30f;
    s.Talon = 0.30f;
    s.Dsz = 0.50f;
    s.AltZap = 0.25f;
    s.Cohes = 0;
    s.Sobrec = 0;
    s.Ancho = 20;
    s.FormaMuro = 0;
    s.AltDent = 0;
    s.AnchDent = 0;
    s.Reac = 0;
    s.Padm = 0;
    s.Cohes1 = 0;

    s.FsMinVuelco = 1.5f;
    s.FsMinDesliz = 1.5f;
    s.FsMinVuelcoSismo = 1.1f;
    s.FsMinDeslizSismo = 1.1f;
    s.Friccion = 0;
    s.Mu = 0.5f;
    s.PasivaFrente = 1;
    s.FsCapacidad = 0;
    s.Kh = 0;
    s.Kv = 0;
    s.Hw = 0;

    s.AsRep1 = 2.0f;
    s.AsRep2 = 2.5f;
    s.BarrasIniciadas = 0;
    // The bars of the last project no longer speak for this one until they are laid out again.
    s.BarrasSinEspacio = 0;
    s.AlturaAnt = 1.0f;
}

}  // namespace tarelvo
