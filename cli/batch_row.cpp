#include "cli/batch_row.h"

#include <charconv>
#include <cmath>
#include <exception>

#include "cli/wall_steps.h"
#include "common/number_text.h"
#include "engine/bar_inputs.h"
#include "engine/wall_quantities.h"

namespace tarelvo {

namespace {

// A state value in its shortest text that reads back as the same float.
std::string Corto(float v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string ComoNumero(const std::string& nombre, const std::string& celda,
                       const DialectoCsv& d, std::string& texto) {
    if (celda.empty()) return "Falta el valor de " + nombre;
    // In a table separated by "," a comma inside a quoted number may be a thousands
    // separator: only the point is a decimal there.
    if (d.decimal == '.' && celda.find(',') != std::string::npos)
        return "El valor de " + nombre + " no es un número: \"" + celda +
               "\" (en una tabla separada por \",\" los decimales se escriben con punto)";
    if (!NumeroConPunto(celda, d, texto))
        return "El valor de " + nombre + " no es un número: \"" + celda +
               "\" (en una tabla separada por \";\" los decimales se escriben con coma)";
    return "";
}

// The window of a row. Only the results of its last check are written, and those are a
// function of the state that the bar layout after that check leaves as it was (the layout
// changes steel areas only): they are evaluated once, when the row is written, rather than at
// every check; the footing-width label, which no column shows, is not kept.
class VentanaLote : public HeadlessWindow {
public:
    explicit VentanaLote(const HeadlessWindow& w) : HeadlessWindow(w) {}
    void MuestraResultados(const ProjectState&) override {}
    void AlineaCotas() override {}
};

// The results of a wall whose row was read, after the separator that ends its inputs; or the
// message that goes into its Error column.
std::string Resultados(const ArranqueLote& arranque, const TablaLote& tabla,
                       const std::vector<std::string>& campos, std::string& fila) {
    const DialectoCsv& d = tabla.dialecto;
    Pares pares;
    pares.reserve(tabla.nombres.size());
    for (std::size_t i = 0; i < tabla.nombres.size(); ++i) {
        const std::string& nombre = tabla.nombres[i];
        const std::string& celda = campos[i + (tabla.conId ? 1 : 0)];
        std::string texto = celda;
        // The title and the bar sizes ("1/2") are texts.
        if (nombre != "Titulo" && GrupoDeDiam(nombre) < 0)
            if (std::string error = ComoNumero(nombre, celda, d, texto); !error.empty())
                return error;
        pares.emplace_back(nombre, std::move(texto));
    }

    ProjectState s = arranque.s;
    VentanaLote w(arranque.w);
    std::vector<std::string> avisos;
    std::string falla;
    if (!pares.empty())
        if (std::string error = TecleaPares(pares, s, w, avisos, falla); !error.empty())
            return error;
    if (tabla.diseno)
        if (std::string error = Disena(s, w, falla); !error.empty()) return error;
    if (!falla.empty()) return falla;
    if (std::string error = Refuerza(s, w); !error.empty()) return error;
    const GruposBarras& grupos = w.grupos;

    const std::pair<const char*, float> valores[] = {
        {"Excent", s.Excent},     {"Base6", s.Base6},       {"FsVuelco", s.FsVuelco},
        {"FsDesliz", s.FsDesliz}, {"EsfCortMuro", s.EsfCortMuro},
        {"EsfCortZap", s.EsfCortZap}, {"CortAdm", s.CortAdm}, {"PresMax", s.PresMax},
        {"PresMin", s.PresMin},   {"PresAdm", s.PresAdm},   {"EspTope", s.EspTope},
        {"EspBase", s.EspBase},   {"Base", s.Base},         {"AsMuro", s.AsMuro},
        {"AsMitad", s.AsMitad},   {"AsPunta", s.AsPunta},   {"AsTalon", s.AsTalon}};
    const double volumen = VolumenConcreto(s), peso = PesoAcero(s, grupos);
    for (const auto& [nombre, v] : valores)
        if (!std::isfinite(v)) return std::string("El cálculo no dio un número para ") + nombre;
    if (!std::isfinite(volumen) || !std::isfinite(peso))
        return "El cálculo no dio un número para las cantidades del muro";

    const char sep = d.separador;
    w.shown = EvaluaResultados(s);
    avisos.insert(avisos.end(), w.shown.avisos.begin(), w.shown.avisos.end());
    const std::string todos = UnaLinea(avisos);
    AgregaCampo(fila, w.shown.verdict, sep);
    fila += sep;
    AgregaCampo(fila, todos, sep);
    for (const auto& valor : valores) {
        fila += sep;
        AgregaNumero(fila, Corto(valor.second), d);
    }
    for (int g = 0; g < GruposBarras::kGrupos; ++g) {
        fila += sep;
        AgregaCampo(fila, grupos.etiqueta(g), sep);
    }
    if (tabla.diseno)
        for (const std::string* t : {&w.campos.altZap, &w.campos.punta, &w.campos.talon}) {
            fila += sep;
            AgregaNumero(fila, *t, d);
        }
    if (tabla.conSismo())
        for (float v : {s.FsVuelcoSismo, s.FsDeslizSismo, s.ExcentSismo, s.PresMaxSismo}) {
            fila += sep;
            AgregaNumero(fila, Corto(v), d);
        }
    fila += sep;
    AgregaNumero(fila, numtext::format(volumen, "0.000"), d);
    fila += sep;
    AgregaNumero(fila, numtext::format(peso, "0.0"), d);
    fila += sep;  // no error
    return "";
}

// The input columns as read, then the results or the message.
std::string Fila(const TablaLote& tabla, const std::vector<std::string>& campos,
                 const std::string& resultados, const std::string& error) {
    const char sep = tabla.dialecto.separador;
    std::string fila;
    fila.reserve(512);
    for (std::size_t i = 0; i < tabla.columnas(); ++i) {
        if (i > 0) fila += sep;
        if (i < campos.size()) AgregaCampo(fila, campos[i], sep);
    }
    if (tabla.columnas() > 0) fila += sep;
    if (error.empty()) {
        fila += resultados;
    } else {
        fila.append(ColumnasDeResultados(tabla).size() - 1, sep);
        AgregaCampo(fila, error, sep);
    }
    fila += '\n';
    return fila;
}

}  // namespace

std::string FilaDeResultados(const ArranqueLote& arranque, const TablaLote& tabla,
                             std::string_view linea, std::uint64_t numeroDeLinea, bool& conError) {
    std::vector<std::string> campos;
    std::string error = PartePorCampos(linea, tabla.dialecto.separador, campos);
    // The row may be one of many alike: where it is tells which.
    if (!error.empty()) error = "Línea " + std::to_string(numeroDeLinea) + ": " + error;
    if (error.empty() && campos.size() != tabla.columnas())
        error = "La fila tiene " + std::to_string(campos.size()) + " campos y el encabezado " +
                std::to_string(tabla.columnas());
    std::string resultados;
    if (error.empty()) {
        try {
            error = Resultados(arranque, tabla, campos, resultados);
        } catch (const std::exception& e) {
            error = std::string("Falla interna del cálculo: ") + e.what();
        }
    }
    conError = !error.empty();
    return Fila(tabla, campos, resultados, error);
}

std::string FilaIlegible(const TablaLote& tabla, const std::string& mensaje) {
    return Fila(tabla, {}, "", mensaje);
}

}  // namespace tarelvo
