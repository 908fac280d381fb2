#include "files/mur_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "common/number_text.h"
#include "engine/bar_inputs.h"
#include "files/mur_title.h"

namespace tarelvo {

bool operator==(const ValoresMur& a, const ValoresMur& b) {
    return a.cohes1 == b.cohes1 && a.centro == b.centro && a.conDent == b.conDent &&
           a.diam == b.diam && a.separ == b.separ && a.opciones == b.opciones;
}

bool operator==(const ProyectoMur& a, const ProyectoMur& b) {
    return a.titulo == b.titulo && a.formaMuro == b.formaMuro && a.beta == b.beta &&
           a.sobrec == b.sobrec && a.reac == b.reac && a.pasiva == b.pasiva &&
           a.altDent == b.altDent && a.anchDent == b.anchDent && a.ancho == b.ancho &&
           a.altura == b.altura && a.altZap == b.altZap && a.dsz == b.dsz &&
           a.punta == b.punta && a.talon == b.talon && a.phi1 == b.phi1 && a.phi2 == b.phi2 &&
           a.gamma1 == b.gamma1 && a.gamma2 == b.gamma2 && a.cohes == b.cohes &&
           a.comboFc == b.comboFc && a.comboFy == b.comboFy &&
           a.zapCentrada == b.zapCentrada && a.padm == b.padm && a.valores == b.valores;
}

// ---------------------------------------------------------------------------------------------
// The Nombre=valor lines

namespace {

enum class Tipo { Real, Opcion, Diametro };

struct Valor {
    const char* nombre;
    Tipo tipo;
    std::optional<float>* real = nullptr;
    std::optional<int>* entero = nullptr;
};

// Every value of the lines after the fourth, in the order they are written, bound to `v`.
std::vector<Valor> Valores(ValoresMur& v) {
    std::vector<Valor> t = {{"Cohes1", Tipo::Real, &v.cohes1},
                            {"Centro", Tipo::Real, &v.centro},
                            {"ConDent", Tipo::Opcion, nullptr, &v.conDent}};
    for (std::size_t g = 0; g < v.diam.size(); ++g)
        t.push_back({kNombresDiam[g], Tipo::Diametro, nullptr, &v.diam[g]});
    for (std::size_t k = 0; k < v.separ.size(); ++k)
        t.push_back({kNombresSepar[k], Tipo::Real, &v.separ[k]});
    // The options' ranges are the load's to apply, as the other fields' limits are.
    for (std::size_t k = 0; k < v.opciones.size(); ++k)
        t.push_back({OpcionesCalculo()[k].nombre, Tipo::Real, &v.opciones[k]});
    return t;
}

// The shortest text that reads back as the same float, "." decimals whatever the locale.
std::string RealCorto(float v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v + 0.0f);
    return std::string(buf, r.ptr);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Writing

std::string NumeroMur(float v) {
    if (!std::isfinite(v) || v == 0) return " 0 ";

    // The exact decimal expansion of the float, so that rounding half away from zero decides on
    // the true value (as the window's "0.00" texts do) rather than on a tie-to-even guess.
    // A float has at most 105 significant decimal digits (the smallest denormal).
    char exact[160];
    const auto printed = std::to_chars(exact, exact + sizeof exact, std::fabs(static_cast<double>(v)),
                                       std::chars_format::scientific, 120);
    if (printed.ec != std::errc()) return " 0 ";
    // exact = "d.ddd...de[+-]xx"
    const std::string_view text(exact, static_cast<std::size_t>(printed.ptr - exact));
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);

    char digits[8];  // 7 significant digits
    digits[0] = text[0];
    for (int i = 1; i < 7; ++i) digits[i] = text[static_cast<std::size_t>(i) + 1];
    if (text[8] >= '5') {
        int k = 6;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k < 0) {
            digits[0] = '1';  // 9.999999|5 becomes 1.000000 one decade up
            ++exponent;
        } else {
            ++digits[k];
        }
    }
    int count = 7;
    while (count > 1 && digits[count - 1] == '0') --count;

    std::string out(1, v < 0 ? '-' : ' ');
    if (exponent >= 7 || exponent < -3) {
        out += digits[0];
        if (count > 1) {
            out += '.';
            out.append(digits + 1, static_cast<std::size_t>(count - 1));
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const int integers = exponent + 1;
        for (int i = 0; i < integers; ++i) out += i < count ? digits[i] : '0';
        if (count > integers) {
            out += '.';
            out.append(digits + integers, static_cast<std::size_t>(count - integers));
        }
    } else {
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits, static_cast<std::size_t>(count));
    }
    out += ' ';
    return out;
}

std::string EnteroMur(int v) {
    std::string out(1, v < 0 ? '-' : ' ');
    const long long magnitude = v < 0 ? -static_cast<long long>(v) : v;
    out += std::to_string(magnitude);
    out += ' ';
    return out;
}

std::string EscribeMur(const ProyectoMur& p) {
    std::string out;
    out.reserve(p.titulo.size() + 160);
    out += TituloParaArchivo(p.titulo);
    out += "\r\n";

    out += EnteroMur(p.formaMuro);
    out += NumeroMur(p.beta);
    out += NumeroMur(p.sobrec);
    out += NumeroMur(p.reac);
    out += EnteroMur(p.pasiva);
    out += NumeroMur(p.altDent);
    out += NumeroMur(p.anchDent);
    out += "\r\n";

    for (const float v : {p.ancho, p.altura, p.altZap, p.dsz, p.punta, p.talon, p.phi1, p.phi2,
                          p.gamma1, p.gamma2, p.cohes})
        out += NumeroMur(v);
    out += "\r\n";

    out += EnteroMur(p.comboFc);
    out += EnteroMur(p.comboFy);
    out += EnteroMur(p.zapCentrada);
    out += NumeroMur(p.padm);
    out += "\r\n";

    ValoresMur valores = p.valores;
    for (const Valor& v : Valores(valores)) {
        std::string texto;
        if (v.real && *v.real && std::isfinite(**v.real)) texto = RealCorto(**v.real);
        if (v.entero && *v.entero) {
            if (v.tipo == Tipo::Diametro) {
                if (const char* d = DiamDePosicion(**v.entero)) texto = d;
            } else {
                texto = std::to_string(**v.entero);
            }
        }
        if (!texto.empty()) out += std::string(v.nombre) + "=" + texto + "\r\n";
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Reading

namespace {

const char* const kNoEsProyecto =
    "El archivo no es un proyecto de Tarelvo (contiene caracteres no válidos)";

enum class Clase { Real, Entero, ListaFc, ListaFy };

struct Dato {
    const char* nombre;
    Clase clase;
    float ProyectoMur::*real;
    int ProyectoMur::*entero;
};

// The 22 numbers in file order.
const Dato kDatos[] = {
    {"Forma del muro", Clase::Entero, nullptr, &ProyectoMur::formaMuro},
    {"Beta", Clase::Real, &ProyectoMur::beta, nullptr},
    {"Sobrecarga", Clase::Real, &ProyectoMur::sobrec, nullptr},
    {"Carga axial", Clase::Real, &ProyectoMur::reac, nullptr},
    {"Presión pasiva", Clase::Entero, nullptr, &ProyectoMur::pasiva},
    {"Altura del dentellón", Clase::Real, &ProyectoMur::altDent, nullptr},
    {"Ancho del dentellón", Clase::Real, &ProyectoMur::anchDent, nullptr},
    {"Espesor en el tope", Clase::Real, &ProyectoMur::ancho, nullptr},
    {"Altura", Clase::Real, &ProyectoMur::altura, nullptr},
    {"Altura de la zapata", Clase::Real, &ProyectoMur::altZap, nullptr},
    {"Profundidad de fundación", Clase::Real, &ProyectoMur::dsz, nullptr},
    {"Punta", Clase::Real, &ProyectoMur::punta, nullptr},
    {"Talón", Clase::Real, &ProyectoMur::talon, nullptr},
    {"Fricción del relleno", Clase::Real, &ProyectoMur::phi1, nullptr},
    {"Fricción del suelo", Clase::Real, &ProyectoMur::phi2, nullptr},
    {"Peso unitario del relleno", Clase::Real, &ProyectoMur::gamma1, nullptr},
    {"Peso unitario del suelo", Clase::Real, &ProyectoMur::gamma2, nullptr},
    {"Cohesión", Clase::Real, &ProyectoMur::cohes, nullptr},
    {"F'c", Clase::ListaFc, nullptr, &ProyectoMur::comboFc},
    {"Fy", Clase::ListaFy, nullptr, &ProyectoMur::comboFy},
    {"Zapata centrada", Clase::Entero, nullptr, &ProyectoMur::zapCentrada},
    {"Presión admisible", Clase::Real, &ProyectoMur::padm, nullptr},
};
constexpr int kCantidadDatos = static_cast<int>(sizeof kDatos / sizeof kDatos[0]);

constexpr double kMaximoReal = 1e6;

std::string NombreDato(int indice) {
    return "el dato " + std::to_string(indice + 1) + " (" + kDatos[indice].nombre + ")";
}

std::string Mayuscula(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

// An item as the message quotes it: printable ASCII only, and short.
std::string Cita(std::string_view item) {
    constexpr std::size_t kLargo = 24;
    std::string out = "\"";
    for (std::size_t i = 0; i < item.size() && i < kLargo; ++i) {
        const unsigned char c = static_cast<unsigned char>(item[i]);
        out += (c > 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    }
    if (item.size() > kLargo) out += "...";
    out += '"';
    return out;
}

bool EsControl(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

LecturaMur Falla(std::string mensaje) {
    LecturaMur r;
    r.error = std::move(mensaje);
    return r;
}

// Checks and stores one item; an empty text when it is fine, else the message.
std::string GuardaDato(int indice, std::string_view item, ProyectoMur& p) {
    const Dato& dato = kDatos[indice];
    const numtext::Reading lectura = numtext::parse(item);
    if (!lectura.found || lectura.length != item.size())
        return Mayuscula(NombreDato(indice)) + " no es un número: " + Cita(item);
    const double v = lectura.value;
    const auto fueraDeRango = [&] {
        return Mayuscula(NombreDato(indice)) + " está fuera de rango: " + Cita(item);
    };
    if (lectura.overflow || !std::isfinite(v)) return fueraDeRango();

    if (dato.clase == Clase::Real) {
        if (std::fabs(v) > kMaximoReal) return fueraDeRango();
        // Adding +0 keeps a tiny negative that rounds to zero from reading as -0.
        p.*dato.real = static_cast<float>(v) + 0.0f;
        return std::string();
    }
    if (v != std::floor(v))
        return Mayuscula(NombreDato(indice)) + " debe ser un número entero: " + Cita(item);
    if (v < -32768 || v > 32767) return fueraDeRango();
    const int n = static_cast<int>(v);
    if ((dato.clase == Clase::ListaFc && (n < 0 || n >= kOpcionesFc)) ||
        (dato.clase == Clase::ListaFy && (n < 0 || n >= kOpcionesFy)))
        return Mayuscula(NombreDato(indice)) + " no corresponde a ningún valor de la lista: " +
               Cita(item);
    p.*dato.entero = n;
    return std::string();
}

}  // namespace

namespace {

bool EsBlancoDeLinea(char c) { return c == ' ' || c == '\t'; }

std::string_view SinBlancos(std::string_view t) {
    while (!t.empty() && EsBlancoDeLinea(t.front())) t.remove_prefix(1);
    while (!t.empty() && EsBlancoDeLinea(t.back())) t.remove_suffix(1);
    return t;
}

// The number of the line that starts at `pos`: line ends are CR LF, LF or a lone CR.
int NumeroDeLinea(std::string_view contenido, std::size_t pos) {
    int linea = 1;
    for (std::size_t i = 0; i < pos && i < contenido.size(); ++i)
        if (contenido[i] == '\n' || (contenido[i] == '\r' && (i + 1 >= contenido.size() ||
                                                              contenido[i + 1] != '\n')))
            ++linea;
    return linea;
}

std::string DemasDatos() {
    return "El archivo tiene datos de más después del dato " + std::to_string(kCantidadDatos) +
           " (" + kDatos[kCantidadDatos - 1].nombre + ")";
}

// One value of a Nombre=valor line into `v`; an empty text when it is fine, else what is wrong
// with it.
std::string GuardaValor(const Valor& v, std::string_view texto) {
    const std::string cita = Cita(texto);
    if (v.tipo == Tipo::Diametro) {
        const int pos = PosicionDeDiam(texto);
        if (pos < 0)
            return std::string("el valor de ") + v.nombre + " debe ser " + kDiamValidos + ": " +
                   cita;
        *v.entero = pos;
        return "";
    }
    // A comma typed as the decimal point reads as one.
    std::string numero(texto);
    if (numero.find('.') == std::string::npos && numero.find(',') == numero.rfind(','))
        if (const std::size_t coma = numero.find(','); coma != std::string::npos) numero[coma] = '.';
    double x = 0;
    if (!numtext::parseWhole(numero, x) || numero.find_first_of(" \t") != std::string::npos)
        return std::string("el valor de ") + v.nombre + " no es un número: " + cita;
    if (v.tipo == Tipo::Opcion) {
        if (x != 0 && x != 1) return std::string("el valor de ") + v.nombre + " debe ser 1 o 0: " + cita;
        *v.entero = static_cast<int>(x);
        return "";
    }
    if (std::fabs(x) > kMaximoReal)
        return std::string("el valor de ") + v.nombre + " está fuera de rango: " + cita;
    *v.real = static_cast<float>(x) + 0.0f;
    return "";
}

// The lines after the 22nd number, from `i` on, into `r`.
bool LeeValores(std::string_view contenido, std::size_t i, LecturaMur& r) {
    // The rest of the 22nd number's line holds nothing more.
    while (i < contenido.size() && EsBlancoDeLinea(contenido[i])) ++i;
    if (i < contenido.size() && contenido[i] != '\r' && contenido[i] != '\n') return false;
    std::vector<Valor> valores = Valores(r.proyecto.valores);
    std::vector<bool> dado(valores.size(), false);
    int linea = NumeroDeLinea(contenido, i);
    while (i < contenido.size()) {
        // `i` is on a line end: step over it to the next line.
        i += (contenido[i] == '\r' && i + 1 < contenido.size() && contenido[i + 1] == '\n') ? 2 : 1;
        ++linea;
        std::size_t fin = contenido.find_first_of("\r\n", i);
        if (fin == std::string_view::npos) fin = contenido.size();
        const std::string_view texto = SinBlancos(contenido.substr(i, fin - i));
        i = fin;
        if (texto.empty()) continue;
        const std::size_t igual = texto.find('=');
        if (igual == std::string_view::npos) return false;
        const std::string_view nombre = SinBlancos(texto.substr(0, igual));
        const std::string_view valor = SinBlancos(texto.substr(igual + 1));
        const std::string donde = "Línea " + std::to_string(linea) + " del archivo: ";
        std::size_t k = 0;
        while (k < valores.size() && nombre != valores[k].nombre) ++k;
        if (k == valores.size()) {
            r.avisos.push_back(donde + Cita(nombre) + " no es un dato de Tarelvo; se ignora");
            continue;
        }
        if (dado[k]) {
            r.avisos.push_back(donde + valores[k].nombre + " ya se dio antes; se ignora");
            continue;
        }
        dado[k] = true;
        if (std::string error = GuardaValor(valores[k], valor); !error.empty())
            r.avisos.push_back(donde + error + "; se ignora");
    }
    return true;
}

}  // namespace

LecturaMur LeeVeintidosDatos(std::string_view contenido, std::size_t& fin) {
    const char* const origen = contenido.data();
    // Byte order marks: an editor's, and any it repeated. The title cannot start with one, so
    // that a title read from a file is written and read back unchanged.
    while (contenido.substr(0, 3) == "\xEF\xBB\xBF") contenido.remove_prefix(3);
    // Old editors end a text file with Ctrl-Z.
    if (!contenido.empty() && contenido.back() == '\x1A') contenido.remove_suffix(1);
    if (contenido.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return Falla("El archivo está vacío");
    for (const char c : contenido) {
        if (EsControl(static_cast<unsigned char>(c)) && c != '\r' && c != '\n')
            return Falla(kNoEsProyecto);
    }

    LecturaMur r;
    std::size_t i = contenido.find_first_of("\r\n");
    if (i == std::string_view::npos) i = contenido.size();
    if (!TituloDeArchivo(contenido.substr(0, i), r.proyecto.titulo)) return Falla(kNoEsProyecto);

    // From here on line ends are separators like blanks, so whichever line break ends the
    // title needs no special care.
    for (int indice = 0; indice < kCantidadDatos; ++indice) {
        // The separator before this item: blanks and line ends, at most one comma.
        int comas = 0;
        while (i < contenido.size() && (EsBlanco(contenido[i]) || contenido[i] == ',')) {
            if (contenido[i] == ',' && ++comas > 1)
                return Falla("El archivo no contiene un proyecto: falta " + NombreDato(indice) +
                             " (hay dos comas seguidas)");
            ++i;
        }
        if (i == contenido.size())
            return Falla("El archivo no contiene un proyecto: falta " + NombreDato(indice));
        if (indice == 0 && comas > 0)
            return Falla("El archivo no contiene un proyecto: falta " + NombreDato(0) +
                         " (hay una coma antes)");
        const std::size_t inicio = i;
        while (i < contenido.size() && !EsBlanco(contenido[i]) && contenido[i] != ',') ++i;
        std::string error = GuardaDato(indice, contenido.substr(inicio, i - inicio), r.proyecto);
        if (!error.empty()) return Falla(std::move(error));
    }
    // Where the 22nd number ends, counted in the text as it was given.
    fin = i + static_cast<std::size_t>(contenido.data() - origen);
    r.ok = true;
    return r;
}

LecturaMur LeeMur(std::string_view contenido) {
    // The same text the 22 numbers were read from: marks and Ctrl-Z left out alike.
    while (contenido.substr(0, 3) == "\xEF\xBB\xBF") contenido.remove_prefix(3);
    if (!contenido.empty() && contenido.back() == '\x1A') contenido.remove_suffix(1);
    std::size_t fin = 0;
    LecturaMur r = LeeVeintidosDatos(contenido, fin);
    if (!r.ok) return r;
    if (!LeeValores(contenido, fin, r)) return Falla(DemasDatos());
    return r;
}

}  // namespace tarelvo
