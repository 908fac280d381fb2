// The temporary files a save writes beside its target before renaming them over it: their
// hidden names, and the removal of those a killed save left behind. Plain C++ on POSIX.
#pragma once

#include <string>
#include <string_view>

namespace tarelvo {

// Whether `nombre` (without folder) is the name of one of our temporary files:
// ".tarelvo-", twelve lowercase letters or digits, ".tmp".
bool EsNombreTemporal(std::string_view nombre);

// Creates a new, empty temporary file in `carpeta` with such a name and opens it for writing;
// its path goes to `ruta`. Returns the descriptor, or -1 with errno set.
int CreaTemporal(const std::string& carpeta, std::string& ruta);

// Removes from `carpeta` our temporary files older than `segundos`: regular files with such
// a name, owned by this user. Younger ones may belong to a save under way. Nothing else is
// touched and failures are ignored: the save that calls it does not depend on it.
void BorraTemporalesViejos(const std::string& carpeta, long segundos = 60);

}  // namespace tarelvo
