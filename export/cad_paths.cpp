#include "export/cad_paths.h"

#include <cctype>
#include <vector>

namespace tarelvo {

namespace {

char Minuscula(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EsSeparador(char c) { return c == '\\' || c == '/'; }

}  // namespace

bool EsRutaWindows(std::string_view ruta) {
    return ruta.size() >= 2 && std::isalpha(static_cast<unsigned char>(ruta[0])) && ruta[1] == ':';
}

std::string Mayusculas(std::string_view texto) {
    std::string out(texto);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool MismoNombre(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Minuscula(a[i]) != Minuscula(b[i])) return false;
    }
    return true;
}

bool TerminaEnAcadExe(std::string_view ruta) {
    constexpr std::string_view kNombre = "acad.exe";
    return ruta.size() >= kNombre.size() && MismoNombre(ruta.substr(ruta.size() - kNombre.size()), kNombre);
}

std::string QuitaBarrasFinales(std::string ruta) {
    while (!ruta.empty() && ruta.back() == '\\') ruta.pop_back();
    return ruta;
}

std::string Une(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty()) return nombre;
    return carpeta.back() == '/' ? carpeta + nombre : carpeta + "/" + nombre;
}

std::string EntradaSinMayusculas(Plataforma& p, const std::string& carpeta, const std::string& nombre) {
    std::vector<EntradaCarpeta> entradas;
    if (!p.listDir(carpeta, entradas)) return {};
    const EntradaCarpeta* parecida = nullptr;
    for (const auto& e : entradas) {
        if (e.nombre == nombre) return e.nombre;
        if (!parecida && MismoNombre(e.nombre, nombre)) parecida = &e;
    }
    return parecida ? parecida->nombre : std::string();
}

std::string RutaNativa(Plataforma& p, std::string_view ruta) {
    if (!EsRutaWindows(ruta)) return std::string(ruta);
    const std::string raiz = p.driveRoot(ruta[0]);
    if (raiz.empty()) return {};

    std::vector<std::string> partes;
    std::size_t i = 2;
    while (i < ruta.size()) {
        while (i < ruta.size() && EsSeparador(ruta[i])) ++i;
        std::size_t fin = i;
        while (fin < ruta.size() && !EsSeparador(ruta[fin])) ++fin;
        const std::string_view parte = ruta.substr(i, fin - i);
        i = fin;
        if (parte.empty() || parte == ".") continue;
        if (parte == "..") {
            if (!partes.empty()) partes.pop_back();
            continue;
        }
        partes.emplace_back(parte);
    }

    std::string nativa = raiz;
    for (const std::string& parte : partes) {
        const std::string nombre = EntradaSinMayusculas(p, nativa, parte);
        if (nombre.empty()) return {};
        nativa = Une(nativa, nombre);
    }
    return nativa;
}

bool ExisteArchivo(Plataforma& p, std::string_view ruta) {
    const std::string nativa = RutaNativa(p, ruta);
    return !nativa.empty() && p.exists(nativa);
}

bool ExisteEnCarpeta(Plataforma& p, const std::string& carpeta, const std::string& nombre) {
    std::vector<EntradaCarpeta> entradas;
    if (!p.listDir(carpeta, entradas)) return false;
    for (const auto& e : entradas) {
        if (e.tipo == EntradaCarpeta::Archivo && MismoNombre(e.nombre, nombre)) return true;
    }
    return false;
}

}  // namespace tarelvo
