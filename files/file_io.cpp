#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>

namespace tarelvo {

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
        default:
            return std::string("Error de archivo: ") + std::strerror(errnoValue);
    }
}

namespace {

ResultadoArchivo Falla(int errnoValue) {
    return ResultadoArchivo{false, errnoValue, TextoErrorArchivo(errnoValue)};
}

ResultadoArchivo Falla(int errnoValue, std::string mensaje) {
    return ResultadoArchivo{false, errnoValue, std::move(mensaje)};
}

// The folder of `ruta` ("." when it has none) and its last component.
void Divide(const std::string& ruta, std::string& carpeta, std::string& nombre) {
    const std::size_t barra = ruta.rfind('/');
    if (barra == std::string::npos) {
        carpeta = ".";
        nombre = ruta;
    } else {
        carpeta = barra == 0 ? "/" : ruta.substr(0, barra);
        nombre = ruta.substr(barra + 1);
    }
}

// Creates a new temporary file next to `ruta`; -1 with errno set on failure.
int CreaTemporal(const std::string& ruta, std::string& temporal) {
    std::string carpeta, nombre;
    Divide(ruta, carpeta, nombre);
    // A name near the file system's limit must not make the temporary name the one too long:
    // the final rename then reports the real problem with `ruta` itself.
    constexpr std::size_t kLargoNombre = 200;
    if (nombre.size() > kLargoNombre) nombre.resize(kLargoNombre);
    const std::string base = (carpeta == "/" ? "/" : carpeta + "/") + nombre + ".";

    std::random_device semilla;
    std::mt19937_64 azar((static_cast<std::uint64_t>(semilla()) << 32) ^ semilla() ^
                         static_cast<std::uint64_t>(getpid()));
    static const char kLetras[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int intento = 0; intento < 100; ++intento) {
        temporal = base;
        for (int k = 0; k < 8; ++k) temporal += kLetras[azar() % (sizeof kLetras - 1)];
        // 0666: the kernel applies the umask, as for any new file.
        const int fd = open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

ResultadoArchivo EscribeTodo(int fd, std::string_view contenido) {
    const char* p = contenido.data();
    std::size_t falta = contenido.size();
    while (falta > 0) {
        const ssize_t n = write(fd, p, falta);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Falla(errno);
        }
        if (n == 0) return Falla(EIO);  // not expected from a file, but it must not loop
        p += n;
        falta -= static_cast<std::size_t>(n);
    }
    return ResultadoArchivo{};
}

ResultadoArchivo GuardaArchivoSeguro(const std::string& ruta, std::string_view contenido) {
    if (ruta.empty() || ruta.back() == '/') return Falla(ENOENT);

    std::string temporal;
    const int fd = CreaTemporal(ruta, temporal);
    if (fd < 0) return Falla(errno);

    ResultadoArchivo r = EscribeTodo(fd, contenido);
    if (r.ok && fsync(fd) != 0) r = Falla(errno);
    // close reports late write errors of some file systems (network ones among them).
    if (close(fd) != 0 && r.ok) r = Falla(errno);
    if (r.ok && std::rename(temporal.c_str(), ruta.c_str()) != 0) r = Falla(errno);
    if (!r.ok) {
        const int guardado = errno;
        unlink(temporal.c_str());
        errno = guardado;
        return r;
    }

    // Make the rename itself durable; the file is saved either way, so failures are ignored.
    std::string carpeta, nombre;
    Divide(ruta, carpeta, nombre);
    const int dir = open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return r;
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
