// Paths of the CAD program as the user sees them. The program is a Windows one, so its path is
// kept in the Windows form ("C:\ACAD\ACAD.EXE": a drive letter, a colon, backslashes), where
// names are matched without regard to case; a native path ("/opt/acad/acad.exe") is accepted
// as well and used as it is.
#pragma once

#include <string>
#include <string_view>

#include "export/cad_platform.h"

namespace tarelvo {

// A drive letter and a colon at the start.
bool EsRutaWindows(std::string_view ruta);

// ASCII letters in upper case, every other byte unchanged.
std::string Mayusculas(std::string_view texto);

// Equal names without regard to the case of ASCII letters.
bool MismoNombre(std::string_view a, std::string_view b);

// The last eight characters of `ruta`, in lower case, are "acad.exe".
bool TerminaEnAcadExe(std::string_view ruta);

// `ruta` without the backslashes it ends in.
std::string QuitaBarrasFinales(std::string ruta);

// Native folder and name joined by one slash.
std::string Une(const std::string& carpeta, const std::string& nombre);

// The entry of the native folder `carpeta` named `nombre` without regard to case: the exact
// name first, else the first in listing order; empty when there is none.
std::string EntradaSinMayusculas(Plataforma& p, const std::string& carpeta, const std::string& nombre);

// The native path that `ruta` stands for. A Windows-form path starts at the drive's folder
// and each of its parts is found with EntradaSinMayusculas; empty when a part is missing or
// the drive is unknown. Any other path is returned unchanged.
std::string RutaNativa(Plataforma& p, std::string_view ruta);

// `ruta` (either form) names an existing file.
bool ExisteArchivo(Plataforma& p, std::string_view ruta);

// The native folder `carpeta` holds a file named `nombre` without regard to case, as the
// Windows program that will write it sees the folder.
bool ExisteEnCarpeta(Plataforma& p, const std::string& carpeta, const std::string& nombre);

}  // namespace tarelvo
