#include "files/mur_project.h"

#include <cmath>

namespace tarelvo {

const std::array<int, kOpcionesFc> kListaFc{{160, 180, 210, 240, 280, 300, 350}};
const std::array<int, kOpcionesFy> kListaFy{{2800, 4200}};

int PosicionEnLista(double valor, const int* lista, int cuantos) {
    int mejor = 0;
    for (int k = 1; k < cuantos; ++k)
        if (std::fabs(lista[k] - valor) < std::fabs(lista[mejor] - valor)) mejor = k;
    return mejor;
}

ProyectoMur ProyectoDeEstado(const ProjectState& s, int comboFc, int comboFy, int zapCentrada) {
    ProyectoMur p;
    p.titulo = s.Titulo;
    p.formaMuro = s.FormaMuro;
    p.beta = s.Beta;
    p.sobrec = s.Sobrec;
    p.reac = s.Reac;
    p.pasiva = s.Pasiva;
    p.altDent = s.AltDent;
    p.anchDent = s.AnchDent;
    p.ancho = static_cast<float>(s.Ancho / 100.0);
    p.altura = s.Altura;
    p.altZap = s.AltZap;
    p.dsz = s.Dsz;
    p.punta = s.Punta;
    p.talon = s.Talon;
    p.phi1 = s.Phi1;
    p.phi2 = s.Phi2;
    p.gamma1 = s.Gamma1;
    p.gamma2 = s.Gamma2;
    p.cohes = s.Cohes;
    p.comboFc = comboFc;
    p.comboFy = comboFy;
    p.zapCentrada = zapCentrada;
    p.padm = s.Padm;
    return p;
}

}  // namespace tarelvo
