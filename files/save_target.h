// Where a save writes: the path it was given with its symbolic links followed, and what is
// there now. Plain C++ on POSIX.
#pragma once

#include <string>

#include "files/file_io.h"

namespace tarelvo {

// The message for a name whose symbolic links lead back to themselves.
extern const char* const kEnlaceEnCiclo;

struct DestinoGuardado {
    std::string ruta;      // the file to write: no symbolic link, in the folder it lives in
    bool existe = false;   // something is there now
    bool regular = false;  // ... and it is a regular file
    bool carpeta = false;  // ... and it is a folder
    int descriptor = -1;   // or: a descriptor this process has open, named by the path
};

// Follows the symbolic links of the last component of `ruta` (a chain of them, each relative
// to the folder of the link that names it) to the file a save must write. A link that leads
// nowhere names the file to create. Links in the folders on the way are left to the system.
// The links of /proc are no links to names: one of this process's descriptors
// (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N) is the target itself; another
// process's descriptor that holds no named file (a pipe, a socket) is written through its path.
// Fails with ELOOP and kEnlaceEnCiclo for a loop, with EBADF for a descriptor of ours that
// is not open, else with the errno of what failed.
ResultadoArchivo ResuelveDestino(const std::string& ruta, DestinoGuardado& destino);

// The folder part of `ruta` with its final slash ("" for a bare name), and the folder itself
// ("." for a bare name).
std::string PrefijoCarpeta(const std::string& ruta);
std::string CarpetaDe(const std::string& ruta);

}  // namespace tarelvo
