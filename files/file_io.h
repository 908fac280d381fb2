// Reading project files and writing whole texts, with the messages the user sees when that
// fails. Plain C++ on POSIX, no Qt. Saving is in files/safe_save.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarelvo {

// The message for a failed file operation, by its errno value:
//   EIO ENXIO ENODEV EBUSY ENOMEDIUM EMEDIUMTYPE       "El Disco no Esta Listo"
//   ENOSPC EDQUOT EFBIG                                 "El Disco Esta Lleno"
//   ENOENT ENOTDIR ENAMETOOLONG EINVAL EILSEQ ELOOP     "Nombre de Archivo Ilegal"
//   EISDIR                                              "El nombre corresponde a una carpeta"
//   EACCES EPERM                                        "Permiso denegado"
//   EROFS                                               "Disco protegido contra escritura"
//   EMFILE ENFILE                                       "Demasiados archivos abiertos"
//   ENOMEM                                              "Memoria insuficiente"
//   EPIPE                                               "El destino dejó de recibir los datos"
//   EBADF                                               "El destino no está abierto para escribir"
//   anything else: "Error de archivo: " and the C library's description.
std::string TextoErrorArchivo(int errnoValue);

// Faults a save tells apart from their errno alone.
extern const char* const kSoloLectura;  // the file there is read-only (EACCES)
extern const char* const kSinLector;    // a pipe that nobody reads (ENXIO)

struct ResultadoArchivo {
    bool ok = true;
    int errnoValue = 0;        // what failed, when !ok
    std::string mensaje;       // the message for the user, when !ok
    bool alEscribir = false;   // it failed writing into a file already open, not opening it
    bool soloLectura = false;  // a read-only file was left as it was (kSoloLectura)
};

// The line that tells the user that saving `ruta` failed, the same for every file the programs
// write: "No se puede guardar el archivo RUTA: " and the failure's message.
std::string MensajeGuardado(const std::string& ruta, const ResultadoArchivo& r);

// The failure for `errnoValue`, with its message from TextoErrorArchivo.
ResultadoArchivo FallaArchivo(int errnoValue, bool alEscribir = false);

// Writes all of `contenido` to the open descriptor, retrying short and interrupted writes and
// waiting on a descriptor that was left non-blocking. A failure is marked alEscribir.
ResultadoArchivo EscribeTodo(int fd, std::string_view contenido);

// Reads the whole file `ruta` into `contenido` (left empty on failure). Only regular files are
// read: a folder is refused as EISDIR, and devices, pipes and sockets as EINVAL ("El nombre no
// corresponde a un archivo"), so that reading never blocks. A file larger than `limite` bytes is
// refused as EFBIG with "El archivo es demasiado grande para ser un proyecto" after reading at
// most `limite` + 1 bytes.
ResultadoArchivo LeeArchivoProyecto(const std::string& ruta, std::string& contenido,
                                    std::size_t limite = 64 * 1024);

}  // namespace tarelvo
