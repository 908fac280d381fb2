#include "engine/method_options.h"

#include <cmath>

#include "common/number_text.h"

namespace tarelvo {

namespace {
using P = ProjectState;
}  // namespace

const std::vector<OpcionCalculo>& OpcionesCalculo() {
    static const std::vector<OpcionCalculo> v{
        {"FsMinVuelco", "el factor de seguridad mínimo al vuelco", 1.0, 3.0, false,
         &P::FsMinVuelco, nullptr},
        {"FsMinDesliz", "el factor de seguridad mínimo al deslizamiento", 1.0, 3.0, false,
         &P::FsMinDesliz, nullptr},
        {"FsMinVuelcoSismo", "el factor de seguridad mínimo al vuelco con sismo", 1.0, 3.0,
         false, &P::FsMinVuelcoSismo, nullptr},
        {"FsMinDeslizSismo", "el factor de seguridad mínimo al deslizamiento con sismo", 1.0,
         3.0, false, &P::FsMinDeslizSismo, nullptr},
        {"Friccion", "la fricción en la base (0 tan φ, 1 tan de 2φ/3, 2 el coeficiente Mu)", 0, 2,
         true, nullptr, &P::Friccion},
        {"Mu", "el coeficiente de fricción en la base", 0.1, 1.0, false, &P::Mu, nullptr},
        {"PasivaFrente",
         "la presión pasiva frente a la zapata (1 según la opción PRESION PASIVA, 0 no "
         "considerar)",
         0, 1, true, nullptr, &P::PasivaFrente},
        {"GammaC", "el peso unitario del concreto", 2.0, 2.6, false, &P::GammaC, nullptr},
        {"FsCapacidad", "el factor de seguridad de la capacidad de carga", 2.0, 4.0, false,
         &P::FsCapacidad, nullptr},
        {"Kh", "el coeficiente sísmico horizontal", 0, 0.5, false, &P::Kh, nullptr},
        {"Kv", "el coeficiente sísmico vertical", 0, 0.3, false, &P::Kv, nullptr},
        {"Hw", "la altura del agua sobre la base de la zapata", 0, 20, false, &P::Hw, nullptr},
    };
    return v;
}

const OpcionCalculo* OpcionDe(std::string_view nombre) {
    for (const OpcionCalculo& o : OpcionesCalculo())
        if (nombre == o.nombre) return &o;
    return nullptr;
}

std::string AplicaOpcion(ProjectState& s, const OpcionCalculo& o, double valor) {
    const std::string nombre = o.nombre;
    if (!std::isfinite(valor)) return "El valor de " + nombre + " no es un número";
    if (o.entera) {
        if (valor < o.minimo || valor > o.maximo ||
            valor != static_cast<double>(static_cast<long>(valor)))
            return nombre + " debe ser un entero de " + numtext::format(o.minimo, "0") + " a " +
                   numtext::format(o.maximo, "0") + ": " + o.descripcion;
        s.*(o.i) = static_cast<std::int16_t>(valor);
        return "";
    }
    // The capacity's factor 0 keeps the usual rule: 3 with cohesion, 2 without.
    const bool usual = nombre == "FsCapacidad" && valor == 0;
    if (!usual && (valor < o.minimo || valor > o.maximo))
        return nombre + "=" + numtext::format(valor, "0.###") + " no se acepta: " +
               o.descripcion + " debe estar entre " + numtext::format(o.minimo, "0.0#") +
               " y " + numtext::format(o.maximo, "0.0#") +
               (nombre == "FsCapacidad" ? " (o 0 para la regla usual)" : "");
    s.*(o.f) = static_cast<float>(valor);
    return "";
}

double ValorOpcion(const ProjectState& s, const OpcionCalculo& o) {
    return o.entera ? static_cast<double>(s.*(o.i)) : static_cast<double>(s.*(o.f));
}

bool OpcionesPorDefecto(const ProjectState& s) {
    const ProjectState d;
    for (const OpcionCalculo& o : OpcionesCalculo())
        if (ValorOpcion(s, o) != ValorOpcion(d, o) && std::string(o.nombre) != "GammaC")
            return false;
    return s.GammaC == 2.4f;
}

}  // namespace tarelvo
