#include "files/safe_save.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/direct_write.h"
#include "files/save_target.h"
#include "files/temp_files.h"

namespace tarelvo {

namespace {

// The text into a new temporary file, then the file renamed over `destino`.
ResultadoArchivo Reemplaza(const DestinoGuardado& destino, std::string_view contenido) {
    const std::string carpeta = CarpetaDe(destino.ruta);
    BorraTemporalesViejos(carpeta);

    std::string temporal;
    const int fd = CreaTemporal(carpeta, temporal);
    if (fd < 0) {
        const int causa = errno;
        // A file the user may write in a folder where nothing can be created.
        if (destino.existe && (causa == EACCES || causa == EPERM))
            return EscribeEnSuSitio(destino.ruta, contenido);
        return FallaArchivo(causa);
    }

    ResultadoArchivo r = EscribeTodo(fd, contenido);
    if (r.ok && fsync(fd) != 0) r = FallaArchivo(errno, true);
    // close reports late write errors of some file systems (network ones among them).
    if (close(fd) != 0 && r.ok && errno != EINTR) r = FallaArchivo(errno, true);
    if (r.ok && std::rename(temporal.c_str(), destino.ruta.c_str()) != 0) r = FallaArchivo(errno);
    if (!r.ok) {
        unlink(temporal.c_str());
        return r;
    }

    // Make the rename itself durable; the file is saved either way, so failures are ignored.
    const int dir = open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return r;
}

}  // namespace

ResultadoArchivo GuardaArchivoSeguro(const std::string& ruta, std::string_view contenido) {
    if (ruta.empty() || ruta.back() == '/') return FallaArchivo(ENOENT);
    DestinoGuardado destino;
    if (ResultadoArchivo r = ResuelveDestino(ruta, destino); !r.ok) return r;
    if (destino.carpeta) return FallaArchivo(EISDIR);
    if (destino.existe && !destino.regular) return EscribeEnDispositivo(destino.ruta, contenido);
    return Reemplaza(destino, contenido);
}

}  // namespace tarelvo
