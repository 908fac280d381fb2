#include "files/file_io.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarelvo {

const char* const kSoloLectura = "El archivo es de solo lectura";
const char* const kSinLector = "El destino no está recibiendo los datos";

std::string TextoErrorArchivo(int errnoValue) {
    switch (errnoValue) {
        case EIO:
        case ENXIO:
        case ENODEV:
        case EBUSY:
#ifdef ENOMEDIUM
        case ENOMEDIUM:
#endif
#ifdef EMEDIUMTYPE
        case EMEDIUMTYPE:
#endif
            return "El Disco no Esta Listo";
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "El Disco Esta Lleno";
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
        case ELOOP:
            return "Nombre de Archivo Ilegal";
        case EISDIR:
            return "El nombre corresponde a una carpeta";
        case EACCES:
        case EPERM:
            return "Permiso denegado";
        case EROFS:
            return "Disco protegido contra escritura";
        case EMFILE:
        case ENFILE:
            return "Demasiados archivos abiertos";
        case ENOMEM:
            return "Memoria insuficiente";
        case EPIPE:
            return "El destino dejó de recibir los datos";
        case EBADF:
            return "El destino no está abierto para escribir";
        default:
            return std::string("Error de archivo: ") + std::strerror(errnoValue);
    }
}

ResultadoArchivo FallaArchivo(int errnoValue, bool alEscribir) {
    ResultadoArchivo r{false, errnoValue, TextoErrorArchivo(errnoValue)};
    r.alEscribir = alEscribir;
    return r;
}

std::string MensajeGuardado(const std::string& ruta, const ResultadoArchivo& r) {
    return "No se puede guardar el archivo " + ruta + ": " + r.mensaje;
}

namespace {

ResultadoArchivo Falla(int errnoValue) { return FallaArchivo(errnoValue); }

ResultadoArchivo Falla(int errnoValue, std::string mensaje) {
    return ResultadoArchivo{false, errnoValue, std::move(mensaje)};
}

}  // namespace

ResultadoArchivo EscribeTodo(int fd, std::string_view contenido) {
    const char* p = contenido.data();
    std::size_t falta = contenido.size();
    while (falta > 0) {
        const ssize_t n = write(fd, p, falta);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                // A standard output another program left non-blocking: wait until it drains.
                pollfd espera{fd, POLLOUT, 0};
                if (poll(&espera, 1, -1) >= 0 || errno == EINTR) continue;
            }
            return FallaArchivo(errno, true);
        }
        if (n == 0) return FallaArchivo(EIO, true);  // not expected from a file, but it must not loop
        p += n;
        falta -= static_cast<std::size_t>(n);
    }
    return ResultadoArchivo{};
}

ResultadoArchivo LeeArchivoProyecto(const std::string& ruta, std::string& contenido,
                                    std::size_t limite) {
    contenido.clear();
    if (ruta.empty()) return Falla(ENOENT);
    // O_NONBLOCK so that opening a pipe without writer cannot block; it is refused below.
    const int fd = open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Falla(errno);

    ResultadoArchivo r;
    struct stat datos {};
    if (fstat(fd, &datos) != 0) {
        r = Falla(errno);
    } else if (S_ISDIR(datos.st_mode)) {
        r = Falla(EISDIR);
    } else if (!S_ISREG(datos.st_mode)) {
        r = Falla(EINVAL, "El nombre no corresponde a un archivo");
    } else if (datos.st_size > 0 && static_cast<unsigned long long>(datos.st_size) > limite) {
        r = Falla(EFBIG, "El archivo es demasiado grande para ser un proyecto");
    } else {
        // The size may change while reading, or be reported as 0 (some special file systems):
        // the limit is enforced on what is actually read.
        char bloque[8192];
        while (true) {
            // Never ask for more than one byte past the limit.
            const std::size_t resto = limite - contenido.size();
            const std::size_t pedido = resto < sizeof bloque ? resto + 1 : sizeof bloque;
            const ssize_t n = read(fd, bloque, pedido);
            if (n < 0) {
                if (errno == EINTR) continue;
                r = Falla(errno);
                break;
            }
            if (n == 0) break;
            if (contenido.size() + static_cast<std::size_t>(n) > limite) {
                r = Falla(EFBIG, "El archivo es demasiado grande para ser un proyecto");
                break;
            }
            contenido.append(bloque, static_cast<std::size_t>(n));
        }
    }
    close(fd);
    if (!r.ok) contenido.clear();
    return r;
}

}  // namespace tarelvo
