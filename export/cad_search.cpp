#include "export/cad_search.h"

#include <vector>

#include "export/cad_paths.h"

namespace tarelvo {

const std::array<const char*, 12> kCarpetasAcad = {
    "c:\\autocad2000\\", "c:\\acad2000\\", "c:\\autocad 2000\\", "c:\\acad 2000\\",
    "c:\\autocad\\",     "c:\\autocad14\\", "c:\\autocadr14\\",  "c:\\autocad r14\\",
    "c:\\r14\\",         "c:\\acad\\",      "c:\\acadr14\\",     "c:\\acad14\\",
};

namespace {

// Deeper folders than this are not searched: a mount that contains itself has no end.
constexpr int kProfundidadMaxima = 64;

bool Oculto(const EntradaCarpeta& e) { return !e.nombre.empty() && e.nombre.front() == '.'; }

class Busqueda {
public:
    Busqueda(Plataforma& p, std::string archivo, bool windows, const std::function<void()>& eventos)
        : p_(p), archivo_(std::move(archivo)), windows_(windows), eventos_(eventos) {}

    // `vista` is the folder as the result shows it, ending in its separator.
    std::string En(const std::string& vista, const std::string& nativa, int profundidad) {
        std::vector<EntradaCarpeta> entradas;
        if (!p_.listDir(nativa, entradas)) return {};
        for (const auto& e : entradas) {
            if (e.tipo == EntradaCarpeta::Archivo && !Oculto(e) && MismoNombre(e.nombre, archivo_)) {
                return vista + (windows_ ? archivo_ : e.nombre);
            }
        }
        if (profundidad >= kProfundidadMaxima) return {};

        std::vector<const EntradaCarpeta*> pendientes;
        for (const auto& e : entradas) {
            if (e.tipo == EntradaCarpeta::Carpeta && !Oculto(e) && p_.isWritable(Une(nativa, e.nombre))) {
                pendientes.push_back(&e);
            }
            Eventos();
        }
        for (const EntradaCarpeta* e : pendientes) {
            const std::string vistaHija = windows_ ? vista + Mayusculas(e->nombre) + "\\" : vista + e->nombre + "/";
            std::string r = En(vistaHija, Une(nativa, e->nombre), profundidad + 1);
            Eventos();
            if (!r.empty()) return r;
        }
        return {};
    }

private:
    void Eventos() {
        if (eventos_) eventos_();
    }

    Plataforma& p_;
    std::string archivo_;
    bool windows_;
    const std::function<void()>& eventos_;
};

}  // namespace

std::string BuscaArchivo(Plataforma& p, const std::string& carpeta, const std::string& archivo,
                         const std::function<void()>& eventos) {
    const bool windows = EsRutaWindows(carpeta);
    std::string vista = carpeta;
    const char separador = windows ? '\\' : '/';
    if (vista.empty() || vista.back() != separador) vista += separador;
    const std::string nativa = RutaNativa(p, vista);
    if (nativa.empty()) return {};
    if (windows) vista = Mayusculas(vista);
    Busqueda b(p, windows ? Mayusculas(archivo) : archivo, windows, eventos);
    return b.En(vista, nativa, 0);
}

std::optional<std::string> AcadFind(Plataforma& p, const std::function<void()>& eventos) {
    for (const char* carpeta : kCarpetasAcad) {
        const std::string nativa = RutaNativa(p, carpeta);
        std::vector<EntradaCarpeta> entradas;
        if (nativa.empty() || !p.listDir(nativa, entradas)) continue;
        for (const auto& e : entradas) {
            if (e.tipo == EntradaCarpeta::Archivo && !Oculto(e)) return BuscaArchivo(p, carpeta, "acad.exe", eventos);
        }
    }
    return std::nullopt;
}

}  // namespace tarelvo
