// The wall's construction drawing (drawing/wall_sheet.h) as a DXF for current CAD programs
// (LibreCAD, QCAD, FreeCAD, viewers): the same lines, dots and texts as the report's drawing
// page, on layers, with the title block on its own layer and the bar schedule as text.
#pragma once

#include <string>

#include "drawing/sheet_inputs.h"
#include "export/wall_drawing.h"

namespace tarelvo {

// The drawing's inputs from the export's: the lengths read from their texts.
DatosLamina DatosDeEntrada(const EntradaDibujo& e);

// The file's bytes; empty, with the Spanish cause in `error`, when the drawing cannot be made.
std::string DibujaMuroCad(const EntradaDibujo& e, std::string* error);

// Writes the file to `ruta` through the safe save. Empty on success, else a Spanish message
// naming the file and the cause, as EscribeDibujo gives.
std::string EscribeDibujoCad(const EntradaDibujo& e, const std::string& ruta);

}  // namespace tarelvo
