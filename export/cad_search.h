// The search for the CAD program "acad.exe" in the folders where it is usually installed.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "export/cad_platform.h"

namespace tarelvo {

// The folders searched, in this order.
extern const std::array<const char*, 12> kCarpetasAcad;

// Searches `carpeta` and the folders below it, depth first in listing order, for a file named
// `archivo` without regard to case. A Windows-form folder gives the Windows form in upper case
// ("C:\ACAD\ACAD.EXE"); a native one gives the native path of the file. Hidden entries (a name
// that begins with "."), read-only folders and links to folders are not searched. `eventos`,
// when given, runs after each entry and each folder so that the windows stay responsive.
// Empty when the file is not found.
std::string BuscaArchivo(Plataforma& p, const std::string& carpeta, const std::string& archivo,
                         const std::function<void()>& eventos = {});

// The first folder of kCarpetasAcad that holds a file (folders and hidden files do not count) is
// searched for "acad.exe": its result, possibly empty. No value when no such folder exists.
std::optional<std::string> AcadFind(Plataforma& p, const std::function<void()>& eventos = {});

}  // namespace tarelvo
