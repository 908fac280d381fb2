// The export's DXF bytes read back for the tests: lines, and records of (code, value) pairs
// from one code 0 to the next.
#pragma once

#include <string>
#include <vector>

namespace prueba {

struct Registro {
    std::string tipo;
    std::vector<std::pair<int, std::string>> pares;

    // The value line, as written, of the n-th pair with `code`; "?" when missing.
    std::string valor(int code, int n = 0) const {
        for (const auto& [c, v] : pares) {
            if (c == code && n-- == 0) return v;
        }
        return "?";
    }
    double numero(int code) const { return std::stod(valor(code)); }
};

inline std::vector<std::string> Lineas(const std::string& bytes) {
    std::vector<std::string> out;
    for (std::size_t i = 0, fin; (fin = bytes.find("\r\n", i)) != std::string::npos; i = fin + 2) {
        out.push_back(bytes.substr(i, fin - i));
    }
    return out;
}

// The records between the section header and its end, of one type or of all.
inline std::vector<Registro> Registros(const std::string& bytes, const std::string& tipo = {}) {
    const auto l = Lineas(bytes);
    std::vector<Registro> todos;
    for (std::size_t i = 0; i + 1 < l.size(); i += 2) {
        if (std::stoi(l[i]) == 0) {
            todos.push_back({l[i + 1], {}});
        } else if (!todos.empty()) {
            todos.back().pares.emplace_back(std::stoi(l[i]), l[i + 1]);
        }
    }
    std::vector<Registro> out;
    for (auto& r : todos) {
        if (tipo.empty() ? r.tipo != "SECTION" && r.tipo != "ENDSEC" && r.tipo != "EOF" : r.tipo == tipo) {
            out.push_back(std::move(r));
        }
    }
    return out;
}

}  // namespace prueba
