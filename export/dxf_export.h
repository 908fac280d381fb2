// The export command's work once its questions are answered: the drawing file, then the
// script and the start of the CAD program.
#pragma once

#include <string>

#include "export/cad_launch.h"
#include "export/cad_platform.h"
#include "export/wall_drawing.h"

namespace tarelvo {

// The drawing exchange file and the drawing the CAD program saves, named after `base`.
std::string NombreDxf(const std::string& base);
std::string NombreDwg(const std::string& base);

// Why `base` cannot name the drawing files (Spanish), or empty. It must hold something besides
// blanks and none of the characters Windows refuses in a file name.
std::string ValidaNombreBase(const std::string& base);

// The question asked before an export when `base`.dwg is already there:
// "El archivo " + name + " existe" + CR + "Desea sobre-escribirlo".
std::string PreguntaSobreescribe(const std::string& base);

// Writes `base`.dxf into the native folder `carpeta` (replacing any file of that name), then
// launches the CAD program `programa` there (LanzaCad). A drawing that cannot be written
// ends the export with DxfFallido and a message naming the file and the cause.
ResultadoCad ImprimeDxf(const EntradaDibujo& e, const std::string& base, const std::string& programa,
                        const std::string& carpeta, Plataforma& p);

}  // namespace tarelvo
