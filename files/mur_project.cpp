#include "files/mur_project.h"

#include <cmath>
#include <utility>

#include "engine/bar_inputs.h"
#include "engine/field_rules.h"
#include "engine/method_options.h"

namespace tarelvo {

const std::array<int, kOpcionesFc> kListaFc{{160, 180, 210, 240, 280, 300, 350}};
const std::array<int, kOpcionesFy> kListaFy{{2800, 4200}};

int PosicionEnLista(double valor, const int* lista, int cuantos) {
    int mejor = 0;
    for (int k = 1; k < cuantos; ++k)
        if (std::fabs(lista[k] - valor) < std::fabs(lista[mejor] - valor)) mejor = k;
    return mejor;
}

ProyectoMur ProyectoDeEstado(const ProjectState& s, const CamposMuro& c,
                             const GruposBarras& grupos) {
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
    p.comboFc = PosicionEnLista(NumeroDe(c.fc), kListaFc.data(), kOpcionesFc);
    p.comboFy = PosicionEnLista(NumeroDe(c.fy), kListaFy.data(), kOpcionesFy);
    // The footing position as its option shows it, which the state only learns when the
    // option is clicked.
    p.zapCentrada = c.centrica ? 1 : 0;
    p.padm = s.Padm;

    ValoresMur& v = p.valores;
    v.cohes1 = s.Cohes1;
    v.centro = ComoFloat(NumeroDe(c.centro));
    v.conDent = s.ConDent != 0 ? 1 : 0;
    if (s.BarrasIniciadas != 0 && grupos.cargado())
        for (int g = 0; g < GruposBarras::kGrupos; ++g)
            if (DiamDePosicion(grupos.posicion(g))) v.diam[static_cast<std::size_t>(g)] = grupos.posicion(g);
    for (std::size_t k = 0; k < v.separ.size(); ++k) {
        const double separ = NumeroDe(grupos.separacion(static_cast<int>(k)));
        // A box that holds no spacing caps nothing, and the file has no way to say so.
        if (separ > 0) v.separ[k] = ComoFloat(separ);
    }
    // Only the options that differ from the program's usual method: a file analysed the
    // usual way stays as before, and an older version that meets these lines says exactly
    // which part of the method it cannot follow.
    for (std::size_t k = 0; k < v.opciones.size(); ++k) {
        const OpcionCalculo& o = OpcionesCalculo()[k];
        if (ValorOpcion(s, o) != DefectoDe(o))
            v.opciones[k] = static_cast<float>(ValorOpcion(s, o));
    }
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
        {"la presión admisible", p.padm},
        {"la cohesión del relleno", p.valores.cohes1.value_or(0)},
        {"el espesor en la base del muro", p.valores.centro.value_or(0)}};
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
