// The wall drawing as a DXF for current CAD programs (LibreCAD, QCAD, FreeCAD, viewers): the
// same procedures and coordinates as the original drawing (wall_drawing.h), on layers, with
// texts and dimensions sized for the sheet and dimension blocks drawn in the file.
#pragma once

#include <string>

#include "export/wall_drawing.h"

namespace tarelvo {

// The file's bytes; empty, with the Spanish cause in `error`, when the drawing cannot be made.
std::string DibujaMuroCad(const EntradaDibujo& e, std::string* error);

// Writes the file to `ruta` through the safe save. Empty on success, else a Spanish message
// naming the file and the cause, as EscribeDibujo gives.
std::string EscribeDibujoCad(const EntradaDibujo& e, const std::string& ruta);

}  // namespace tarelvo
