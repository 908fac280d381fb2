#include "files/mur_project.h"

#include <cmath>
#include <utility>

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

std::string FueraDeRango(const ProyectoMur& p) {
    const std::pair<const char*, float> reales[] = {
        {"el ángulo del relleno", p.beta},   {"la sobrecarga", p.sobrec},
        {"la carga axial", p.reac},          {"la altura del dentellón", p.altDent},
        {"el ancho del dentellón", p.anchDent}, {"el espesor del muro", p.ancho},
        {"la altura del muro", p.altura},    {"la altura de la zapata", p.altZap},
        {"la profundidad de fundación", p.dsz}, {"la punta", p.punta},
        {"el talón", p.talon},               {"el ángulo de fricción del relleno", p.phi1},
        {"el ángulo de fricción del suelo", p.phi2}, {"el peso del relleno", p.gamma1},
        {"el peso del suelo", p.gamma2},     {"la cohesión", p.cohes},
        {"la presión admisible", p.padm}};
    for (const auto& [nombre, v] : reales)
        if (!(std::fabs(v) <= 1e6))
            return std::string("El proyecto no se puede guardar: ") + nombre +
                   " está fuera de todo rango razonable.";
    if (LargoUtf16(p.titulo) > kLargoTitulo)
        return "El proyecto no se puede guardar: el título tiene más de " +
               std::to_string(kLargoTitulo) + " caracteres.";
    return "";
}

}  // namespace tarelvo
