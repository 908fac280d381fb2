#include "files/direct_write.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace tarelvo {

namespace {

const char* const kCambio = "El archivo cambió mientras se guardaba; intente de nuevo";

// Opens `ruta` for writing without creating, truncating or waiting for a pipe's reader, and
// checks that it is (still) of the kind the caller expects.
int AbreExistente(const std::string& ruta, bool regular, ResultadoArchivo& r,
                  struct stat& datos) {
    const int fd = open(ruta.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int causa = errno;
        r = FallaArchivo(causa);
        // ENXIO is "no such device" too; for a pipe it only means that nobody reads it.
        struct stat tipo {};
        if (causa == ENXIO && stat(ruta.c_str(), &tipo) == 0 && S_ISFIFO(tipo.st_mode))
            r.mensaje = kSinLector;
        return -1;
    }
    if (fstat(fd, &datos) != 0) {
        r = FallaArchivo(errno);
    } else if (S_ISDIR(datos.st_mode) || S_ISREG(datos.st_mode) != regular) {
        r = ResultadoArchivo{false, EAGAIN, kCambio};
    } else {
        // Writes wait as usual for a slow reader from here on.
        const int banderas = fcntl(fd, F_GETFL);
        if (banderas != -1 && fcntl(fd, F_SETFL, banderas & ~O_NONBLOCK) == 0) return fd;
        r = FallaArchivo(errno);
    }
    close(fd);
    return -1;
}

// Flushes to the device where it has anything to flush, then closes.
ResultadoArchivo Termina(int fd, ResultadoArchivo r, bool dispositivo) {
    if (r.ok && fsync(fd) != 0) {
        const bool sinDisco =
            errno == EINVAL || errno == EROFS || errno == ENOTSUP || errno == EOPNOTSUPP;
        if (!(dispositivo && sinDisco)) r = FallaArchivo(errno, true);
    }
    // close reports late write errors of some file systems (network ones among them).
    if (close(fd) != 0 && r.ok && errno != EINTR) r = FallaArchivo(errno, true);
    return r;
}

// SIGPIPE held back while writing to a pipe or socket, so that a reader that goes away shows
// as EPIPE; a SIGPIPE this write raised is taken away before the mask is restored.
class SinSigpipe {
public:
    SinSigpipe() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pendientes;
        sigpending(&pendientes);
        yaPendiente_ = sigismember(&pendientes, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &antes_);
    }
    ~SinSigpipe() {
        sigset_t pendientes;
        sigpending(&pendientes);
        if (!yaPendiente_ && sigismember(&pendientes, SIGPIPE) == 1) {
            const timespec nada{0, 0};
            while (sigtimedwait(&pipe_, nullptr, &nada) == -1 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &antes_, nullptr);
    }
    SinSigpipe(const SinSigpipe&) = delete;
    SinSigpipe& operator=(const SinSigpipe&) = delete;

private:
    sigset_t pipe_{}, antes_{};
    bool yaPendiente_ = false;
};

}  // namespace

ResultadoArchivo EscribeEnDispositivo(const std::string& ruta, std::string_view contenido) {
    ResultadoArchivo r;
    struct stat datos {};
    const int fd = AbreExistente(ruta, false, r, datos);
    if (fd < 0) return r;
    {
        SinSigpipe sinSigpipe;
        r = EscribeTodo(fd, contenido);
    }
    return Termina(fd, r, true);
}

ResultadoArchivo EscribeEnDescriptor(int fd, std::string_view contenido) {
    const int banderas = fcntl(fd, F_GETFL);
    if (banderas == -1) return FallaArchivo(errno);
    if ((banderas & O_ACCMODE) == O_RDONLY) return FallaArchivo(EBADF);
    std::fflush(nullptr);
    // A copy shares the offset and the append mode, and closing it tells of late write errors
    // while the original stays open.
    const int copia = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    if (copia < 0) return FallaArchivo(errno);
    struct stat datos {};
    const bool regular = fstat(copia, &datos) == 0 && S_ISREG(datos.st_mode);
    ResultadoArchivo r;
    {
        SinSigpipe sinSigpipe;
        r = EscribeTodo(copia, contenido);
    }
    return Termina(copia, r, !regular);
}

ResultadoArchivo EscribeEnSuSitio(const std::string& ruta, std::string_view contenido) {
    ResultadoArchivo r;
    struct stat datos {};
    const int fd = AbreExistente(ruta, true, r, datos);
    if (fd < 0) return r;
    const off_t largo = static_cast<off_t>(contenido.size());
#ifdef FALLOC_FL_KEEP_SIZE
    // Blocks past the end, without changing the file's length yet.
    if (largo > datos.st_size &&
        fallocate(fd, FALLOC_FL_KEEP_SIZE, datos.st_size, largo - datos.st_size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        r = FallaArchivo(errno);
        close(fd);
        return r;
    }
#endif
    r = EscribeTodo(fd, contenido);
    if (r.ok && ftruncate(fd, largo) != 0) r = FallaArchivo(errno, true);
    return Termina(fd, r, false);
}

}  // namespace tarelvo
