// Reads the export's DXF bytes back into entities, for the tests: each record is its code
// lines and value lines, paired, from one code 0 to the next.
#pragma once

#include <string>
#include <vector>

namespace prueba {

struct Par {
    int code;
    std::string value;  // the value line as written, blanks included
};

struct Registro {
    std::string tipo;  // the value of code 0
    std::vector<Par> pares;  // the pairs after code 0

    // The value line of the n-th pair with `code` (0 = first); "?" when missing.
    std::string valor(int code, int n = 0) const {
        for (const Par& p : pares) {
            if (p.code == code && n-- == 0) return p.value;
        }
        return "?";
    }
    double numero(int code, int n = 0) const { return std::stod(valor(code, n)); }
};

// The lines of `bytes` without their CR LF. A line that does not end in CR LF is kept with a
// "<no CR LF>" mark so that comparisons fail.
inline std::vector<std::string> Lineas(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t inicio = 0;
    while (inicio < bytes.size()) {
        const std::size_t fin = bytes.find("\r\n", inicio);
        if (fin == std::string::npos) {
            out.push_back(bytes.substr(inicio) + "<no CR LF>");
            break;
        }
        out.push_back(bytes.substr(inicio, fin - inicio));
        inicio = fin + 2;
    }
    return out;
}

// The records between the section header and the trailer (SECTION and ENDSEC left out).
inline std::vector<Registro> Registros(const std::string& bytes) {
    const std::vector<std::string> l = Lineas(bytes);
    std::vector<Registro> out;
    for (std::size_t i = 0; i + 1 < l.size(); i += 2) {
        const int code = std::stoi(l[i]);
        if (code == 0) {
            if (l[i + 1] == "SECTION" || l[i + 1] == "ENDSEC" || l[i + 1] == "EOF") continue;
            out.push_back({l[i + 1], {}});
        } else if (!out.empty()) {
            out.back().pares.push_back({code, l[i + 1]});
        }
    }
    return out;
}

inline std::vector<Registro> DelTipo(const std::vector<Registro>& r, const std::string& tipo) {
    std::vector<Registro> out;
    for (const Registro& x : r) {
        if (x.tipo == tipo) out.push_back(x);
    }
    return out;
}

}  // namespace prueba
