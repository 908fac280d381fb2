#include "files/project_limits.h"

#include "common/number_text.h"
#include "engine/field_limits.h"
#include "engine/field_rules.h"

namespace tarelvo {

namespace {

struct ValorArchivo {
    const char* nombre;
    float ProyectoMur::*valor;
    bool spin;  // set by a spin: 0 is its lower limit
};

// The file's numeric inputs by their state names (Ancho in metres, as its field shows it).
const ValorArchivo kValores[] = {
    {"Beta", &ProyectoMur::beta, true},        {"Sobrec", &ProyectoMur::sobrec, true},
    {"Reac", &ProyectoMur::reac, true},        {"AltDent", &ProyectoMur::altDent, false},
    {"AnchDent", &ProyectoMur::anchDent, false}, {"Ancho", &ProyectoMur::ancho, false},
    {"Altura", &ProyectoMur::altura, false},   {"AltZap", &ProyectoMur::altZap, false},
    {"Dsz", &ProyectoMur::dsz, false},         {"Punta", &ProyectoMur::punta, false},
    {"Talon", &ProyectoMur::talon, false},     {"Phi1", &ProyectoMur::phi1, false},
    {"Phi2", &ProyectoMur::phi2, false},       {"Gamma1", &ProyectoMur::gamma1, false},
    {"Gamma2", &ProyectoMur::gamma2, false},   {"Cohes", &ProyectoMur::cohes, false},
    {"Padm", &ProyectoMur::padm, true},
};

// "; el archivo tiene 1000000 y se toma 50.00"
std::string LoTomado(float valor, const std::string& limite) {
    std::string tiene = numtext::format(valor, "0.###");
    if (!tiene.empty() && tiene.back() == '.') tiene.pop_back();
    return "; el archivo tiene " + tiene + " y se toma " + limite;
}

std::string MensajeMinimo(const std::string& nombre, double minimo) {
    return "El valor de " + nombre + " no puede ser menor que " + TextoCampo(minimo);
}

}  // namespace

std::string AjustaALimites(ProyectoMur& p) {
    // The key's fields are not used, nor limited, when its depth field shows nothing.
    const bool conDentellon = NumeroDe(TextoCampo(p.altDent)) > 0;
    std::string aviso;
    auto agrega = [&aviso](const std::string& linea) {
        aviso += (aviso.empty() ? "" : "\n") + linea;
    };
    for (const ValorArchivo& v : kValores) {
        float& valor = p.*(v.valor);
        const std::string nombre = v.nombre;
        const double mostrado = NumeroDe(TextoCampo(valor));
        if (const MaximoCampo* m = MaximoDe(nombre); m && mostrado > m->maximo) {
            agrega(MensajeMaximo(*m, nombre) + LoTomado(valor, m->texto));
            valor = static_cast<float>(m->maximo);
            continue;
        }
        if (v.spin) {
            if (mostrado < 0) {
                agrega(MensajeMinimo(nombre, 0) + LoTomado(valor, TextoCampo(0)));
                valor = 0;
            }
            continue;
        }
        if (nombre == "AnchDent" && !conDentellon) continue;
        if (const LimiteCampo* l = LimiteAlSalir(nombre); l && mostrado < l->minimo) {
            agrega(MensajeMinimo(nombre, l->minimo) + LoTomado(valor, TextoCampo(l->minimo)));
            valor = static_cast<float>(l->minimo);
        }
    }
    return aviso;
}

}  // namespace tarelvo
