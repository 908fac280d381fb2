#include "export/cad_drawing.h"

#include "export/cad_file.h"
#include "export/cad_model.h"

namespace tarelvo {

std::string DibujaMuroCad(const EntradaDibujo& e, std::string* error) {
    ModeloCad m;
    VariablesDibujo v = IniciaVariables(e);
    GeomDxf(m, e, v);
    DimensDxf(m, e, v);
    RefuerDxf(m, e, v);
    TextoDxf(m, e, v);
    return ArchivoCad(m, error);
}

std::string EscribeDibujoCad(const EntradaDibujo& e, const std::string& ruta) {
    std::string error;
    const std::string bytes = DibujaMuroCad(e, &error);
    if (!error.empty()) return "No se puede crear el archivo " + ruta + ": " + error;
    return saveExportFile(ruta, bytes);
}

}  // namespace tarelvo
