#include "cli/csv_dialect.h"

namespace tarelvo {

namespace {

bool Blanco(char c) { return c == ' ' || c == '\t'; }

}  // namespace

DialectoCsv DetectaDialecto(std::string_view encabezado) {
    bool entreComillas = false;
    for (char c : encabezado) {
        if (c == '"') entreComillas = !entreComillas;
        else if (c == ';' && !entreComillas) return {';', ','};
    }
    return {',', '.'};
}

std::string PartePorCampos(std::string_view linea, char separador,
                           std::vector<std::string>& campos) {
    campos.clear();
    std::size_t i = 0;
    const std::size_t n = linea.size();
    while (true) {
        while (i < n && Blanco(linea[i])) ++i;
        std::string campo;
        if (i < n && linea[i] == '"') {
            ++i;
            while (true) {
                if (i >= n) return "Faltan las comillas que cierran un campo";
                if (linea[i] == '"') {
                    if (i + 1 < n && linea[i + 1] == '"') {
                        campo += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                campo += linea[i++];
            }
            while (i < n && Blanco(linea[i])) ++i;
            if (i < n && linea[i] != separador)
                return "Hay texto después de las comillas que cierran un campo";
        } else {
            const std::size_t inicio = i;
            while (i < n && linea[i] != separador) ++i;
            std::size_t fin = i;
            while (fin > inicio && Blanco(linea[fin - 1])) --fin;
            campo.assign(linea.substr(inicio, fin - inicio));
        }
        campos.push_back(std::move(campo));
        if (i >= n) return "";
        ++i;  // the separator
    }
}

void AgregaCampo(std::string& linea, std::string_view campo, char separador) {
    bool comillas = false;
    for (char c : campo)
        if (c == separador || c == '"' || c == '\n' || c == '\r') comillas = true;
    if (!campo.empty() && (Blanco(campo.front()) || Blanco(campo.back()))) comillas = true;
    if (!comillas) {
        linea += campo;
        return;
    }
    linea += '"';
    for (char c : campo) {
        if (c == '"') linea += '"';
        linea += c;
    }
    linea += '"';
}

bool NumeroConPunto(std::string_view celda, const DialectoCsv& d, std::string& texto) {
    texto.assign(celda);
    if (d.decimal == '.') return true;
    for (char& c : texto) {
        if (c == '.') return false;
        if (c == ',') c = '.';
    }
    return true;
}

void AgregaNumero(std::string& linea, std::string texto, const DialectoCsv& d) {
    if (d.decimal != '.')
        for (char& c : texto)
            if (c == '.') c = d.decimal;
    linea += texto;
}

}  // namespace tarelvo
