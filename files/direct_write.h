// Writing into a file that is already there, for the saves that cannot put a new file in its
// place: a device or a pipe, and a regular file in a folder where no file can be created.
// Plain C++ on POSIX.
#pragma once

#include <string>
#include <string_view>

#include "files/file_io.h"

namespace tarelvo {

// Writes `contenido` to the device, pipe or socket `ruta` as it is: /dev/null takes it,
// /dev/full reports ENOSPC. A pipe that nobody reads fails at once (kSinLector) instead of
// waiting, and a reader that goes away is an error (EPIPE), not the end of the program.
ResultadoArchivo EscribeEnDispositivo(const std::string& ruta, std::string_view contenido);

// Writes `contenido` through the descriptor `fd` this process has open (its standard output,
// say), where it stands: at its end when it was opened to append, else at its offset. The
// descriptor stays open; a regular file behind it is flushed to the disk. The C library's
// buffered output is written first, so that it comes before.
ResultadoArchivo EscribeEnDescriptor(int fd, std::string_view contenido);

// Replaces the text of the existing regular file `ruta` in place: room for the new text is
// reserved first where the file system can, so that a full disk stops the save before the old
// text is touched; then every write is checked, the file is cut to the new length and flushed
// to the disk.
ResultadoArchivo EscribeEnSuSitio(const std::string& ruta, std::string_view contenido);

}  // namespace tarelvo
