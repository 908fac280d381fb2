#include "engine/method_options.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "engine/dmath.h"
#include "engine/engine.h"

namespace tarelvo {

namespace {
using P = ProjectState;

// A number as the engineer would write it: "5", "0.6", "1.25".
std::string Corto(double v) {
    std::string t = numtext::format(v, "0.###");
    if (!t.empty() && t.back() == '.') t.pop_back();
    return t;
}
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
        return nombre + "=" + Corto(valor) + " no se acepta: " +
               o.descripcion + " debe estar entre " + numtext::format(o.minimo, "0.0#") +
               " y " + numtext::format(o.maximo, "0.0#") +
               (nombre == "FsCapacidad" ? " (o 0 para la regla usual)" : "");
    s.*(o.f) = static_cast<float>(valor);
    return "";
}

double ValorOpcion(const ProjectState& s, const OpcionCalculo& o) {
    return o.entera ? static_cast<double>(s.*(o.i)) : static_cast<double>(s.*(o.f));
}

double DefectoDe(const OpcionCalculo& o) {
    static const ProjectState d = [] {
        ProjectState s;
        DatosIniciales(s);
        return s;
    }();
    return ValorOpcion(d, o);
}

bool OpcionesPorDefecto(const ProjectState& s) {
    for (const OpcionCalculo& o : OpcionesCalculo())
        if (ValorOpcion(s, o) != DefectoDe(o)) return false;
    return true;
}

std::vector<double> ValoresOpciones(const ProjectState& s) {
    std::vector<double> v;
    for (const OpcionCalculo& o : OpcionesCalculo()) v.push_back(ValorOpcion(s, o));
    return v;
}

void OpcionesIniciales(ProjectState& s) {
    for (const OpcionCalculo& o : OpcionesCalculo()) {
        if (o.entera)
            s.*(o.i) = static_cast<std::int16_t>(DefectoDe(o));
        else
            s.*(o.f) = static_cast<float>(DefectoDe(o));
    }
}

double AlturaRespaldo(const ProjectState& s) {
    // The same angle and rise CalculaMuro and CalculaFuerzas compute (57.296 degrees a radian).
    const double beta = static_cast<double>(s.Beta) / 57.296;
    return static_cast<double>(s.Altura) + s.AltZap + s.Talon * dmath::tan(beta);
}

double HwMaximo(const ProjectState& s) {
    const double respaldo = dmath::floor(AlturaRespaldo(s) * 100.0 + 0.5) / 100.0;
    return std::clamp(respaldo, 0.0, OpcionDe("Hw")->maximo);
}

std::string RevisaHw(const ProjectState& s) {
    const double maximo = HwMaximo(s);
    // A typed value is a decimal text: a float a hair above its own text is still it.
    if (static_cast<double>(s.Hw) <= maximo + 1e-6) return "";
    return "Hw=" + Corto(s.Hw) +
           " no se acepta: la altura del agua no puede pasar de la altura del respaldo "
           "virtual (H + altura de zapata + talud sobre el talón), " +
           numtext::format(maximo, "0.00") + " m";
}

std::string LimitaOpcion(const OpcionCalculo& o, double& valor, double hwMax) {
    const std::string nombre = o.nombre;
    if (o.entera) {
        if (valor >= o.minimo && valor <= o.maximo &&
            valor == static_cast<double>(static_cast<long>(valor)))
            return "";
        const std::string texto = Corto(valor);
        valor = DefectoDe(o);
        return "El valor de " + nombre + " debe ser un entero de " +
               numtext::format(o.minimo, "0") + " a " + numtext::format(o.maximo, "0") + " (" +
               o.descripcion + "); el archivo tiene " + texto + " y se ignora";
    }
    double minimo = o.minimo;
    double maximo = o.maximo;
    if (nombre == "Hw") maximo = std::max(0.0, std::min(maximo, hwMax));
    // The capacity's factor 0 is the usual rule, not a value below the range.
    if (nombre == "FsCapacidad" && valor == 0) return "";
    if (valor >= minimo && valor <= maximo) return "";
    const double limite = valor < minimo ? minimo : maximo;
    const std::string texto = Corto(valor);
    valor = limite;
    return "El valor de " + nombre + " (" + o.descripcion + ") debe estar entre " +
           numtext::format(minimo, "0.0#") + " y " + numtext::format(maximo, "0.0#") +
           "; el archivo tiene " + texto + " y se toma " + numtext::format(limite, "0.0#");
}

}  // namespace tarelvo
