// The DXF for current CAD programs as bytes: an AutoCAD 2000 file (AC1015) in Windows-1252
// with a header, tables, a block for each dimension, the entities and the objects.
#pragma once

#include <string>

#include "export/cad_model.h"

namespace tarelvo {

// The file of the drawing `m`; empty, with the Spanish cause in `error`, when a value of the
// drawing is not a finite number.
std::string ArchivoCad(const ModeloCad& m, std::string* error);

}  // namespace tarelvo
