// The one way the program saves a file: projects, drawings, the CAD script and reports.
// Plain C++ on POSIX, no Qt.
#pragma once

#include <string>
#include <string_view>

#include "files/file_io.h"

namespace tarelvo {

// Saves `contenido` as the file `ruta` and reports success only once all of it is on the disk.
// What is there decides how:
//   - nothing, or a regular file: the text goes to a new hidden temporary file in the same
//     folder (see temp_files.h), which is flushed, closed and renamed over `ruta`; on any
//     failure it is removed and the old file stays as it was. Our temporary files older than
//     a minute that a killed save left in that folder are removed first. A new file gets the
//     usual permissions of a new file; a replaced one keeps its permission bits, and its owner
//     and group when root saves it (a group that cannot be kept gets no more than others).
//   - a read-only file (no write permission for this user, or none for anybody): left as it
//     is, with kSoloLectura and `soloLectura`, unless `reemplazaSoloLectura` (the user said so).
//   - a regular file with several hard links, or in a folder where no file can be created (no
//     permission): written in place, with room reserved first (see EscribeEnSuSitio), so that
//     every name of it sees the new text.
//   - a descriptor of this process (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N):
//     written through it (EscribeEnDescriptor), appending when it was opened to append.
//   - a symbolic link: the file it leads to, through any chain of links, is saved as above in
//     its own folder; the link stays. A link to nothing creates the file it names.
//   - a device, pipe or socket: written directly and never replaced (EscribeEnDispositivo).
//   - a folder: refused (EISDIR).
// Failures carry the errno and the user's message (TextoErrorArchivo; kEnlaceEnCiclo for
// links that loop).
ResultadoArchivo GuardaArchivoSeguro(const std::string& ruta, std::string_view contenido,
                                     bool reemplazaSoloLectura = false);

// For the start of each program that saves: a file size limit (ulimit -f) then makes a write
// fail with EFBIG, which a save reports as a full disk, instead of ending the program by its
// signal and leaving a temporary file behind.
void PreparaGuardados();

}  // namespace tarelvo
