#include "export/cad_launch.h"

#include "export/cad_paths.h"
#include "export/dxf_writer.h"

namespace tarelvo {

const char* const kGuion = "MuroScr.scr";

std::string LineaComando(const std::string& programa) { return programa + " /b muroscr"; }

std::string TextoGuion(const std::string& base, bool dwgExiste) {
    const char* const lineas[] = {
        "setvar lispinit 0",
        nullptr,  // dxfin
        "Zoom e",
        "setvar dimtxt 0.03",
        "setvar dimexe 0.07",
        "setvar dimdec 2",
        "setvar dimasz 0.03",
        "setvar dimgap 0.02",
        "setvar dimexo 0.0625",
        "setvar dimzin 0",
        "setvar dimdsep .",
        "dim1 update all ",
    };
    std::string texto;
    for (const char* l : lineas) {
        texto += l ? std::string(l) : "dxfin " + base;
        texto += "\r\n";
    }
    texto += "save " + base + ".dwg" + (dwgExiste ? " y" : "") + "\r\n";
    return texto;
}

OrdenInicio OrdenCad(Plataforma& p, const std::string& programa) {
    constexpr std::string_view kExe = ".exe";
    const bool windows =
        programa.size() >= kExe.size() && MismoNombre(std::string_view(programa).substr(programa.size() - 4), kExe);
    if (windows) return {"wine", {programa, "/b", "muroscr"}};
    return {RutaNativa(p, programa), {"/b", "muroscr"}};
}

std::string GuardaArchivo(const std::string& ruta, const std::string& bytes) {
    return saveExportFile(ruta, bytes);
}

ResultadoCad LanzaCad(Plataforma& p, const std::string& programa, const std::string& base,
                      const std::string& carpeta) {
    if (!ExisteArchivo(p, programa)) return {ResultadoCad::ArchivoNoExiste, programa + "\r \rArchivo no existe"};

    const bool dwgExiste = ExisteEnCarpeta(p, carpeta, base + ".dwg");
    if (std::string error = GuardaArchivo(Une(carpeta, kGuion), TextoGuion(base, dwgExiste)); !error.empty()) {
        return {ResultadoCad::NoIniciado, "No se puede iniciar AutoCad. " + error};
    }

    const OrdenInicio orden = OrdenCad(p, programa);
    std::string causa;
    if (!p.startDetached(orden.programa, orden.argumentos, carpeta, &causa)) {
        return {ResultadoCad::NoIniciado,
                "No se puede iniciar AutoCad (" + LineaComando(programa) + "): " + causa};
    }
    return {};
}

}  // namespace tarelvo
