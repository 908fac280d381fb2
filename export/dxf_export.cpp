#include "export/dxf_export.h"

#include "export/cad_paths.h"

namespace tarelvo {

std::string NombreDxf(const std::string& base) { return base + ".dxf"; }
std::string NombreDwg(const std::string& base) { return base + ".dwg"; }

std::string ValidaNombreBase(const std::string& base) {
    if (base.find_first_not_of(" \t") == std::string::npos) return "Escriba el nombre para el archivo de AutoCad.";
    if (base.find_first_of("\\/:*?\"<>|") != std::string::npos) {
        return "El nombre para el archivo de AutoCad no puede llevar ninguno de estos caracteres: \\ / : * ? \" < > |";
    }
    return {};
}

std::string PreguntaSobreescribe(const std::string& base) {
    return "El archivo " + NombreDwg(base) + " existe\rDesea sobre-escribirlo";
}

ResultadoCad ImprimeDxf(const EntradaDibujo& e, const std::string& base, const std::string& programa,
                        const std::string& carpeta, Plataforma& p) {
    if (std::string error = ValidaNombreBase(base); !error.empty()) return {ResultadoCad::DxfFallido, error};
    if (std::string error = EscribeDibujo(e, Une(carpeta, NombreDxf(base))); !error.empty()) {
        return {ResultadoCad::DxfFallido, error};
    }
    return LanzaCad(p, programa, base, carpeta);
}

}  // namespace tarelvo
