#include "files/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include "files/direct_write.h"
#include "files/save_target.h"
#include "files/temp_files.h"

namespace tarelvo {

namespace {

// Whether the user means the file to stay as it is: this user may not write it, or its bits
// let nobody write it (which root could ignore).
bool EsSoloLectura(const std::string& ruta, const struct stat& datos) {
    if ((datos.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return faccessat(AT_FDCWD, ruta.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EPERM);
}

// Gives the new file `fd` what the file it replaces was: its owner when root saves, its group
// when root saves or this user belongs to it, and its permission bits. What cannot be kept
// grants nothing more: the set-user and set-group bits go with an owner or group that is not
// kept, and the group's permissions are then no more than others have. A file system that
// cannot take the bits (FAT) fails the save only when the new file would grant more.
ResultadoArchivo ConservaPermisos(int fd, const struct stat& viejo) {
    struct stat nuevo {};
    if (fstat(fd, &nuevo) != 0) return FallaArchivo(errno);
    bool dueno = nuevo.st_uid == viejo.st_uid, grupo = nuevo.st_gid == viejo.st_gid;
    if (!dueno && geteuid() == 0 && fchown(fd, viejo.st_uid, viejo.st_gid) == 0)
        dueno = grupo = true;
    if (!grupo && fchown(fd, static_cast<uid_t>(-1), viejo.st_gid) == 0) grupo = true;
    mode_t modo = viejo.st_mode & 07777;
    if (!dueno) modo &= ~static_cast<mode_t>(S_ISUID);
    if (!grupo) modo = (modo & ~static_cast<mode_t>(S_ISGID | S_IRWXG)) | ((modo & S_IRWXO) << 3);
    if ((nuevo.st_mode & 07777) != modo && fchmod(fd, modo) != 0 &&
        (nuevo.st_mode & ~modo & 0777) != 0)
        return FallaArchivo(errno);
    return ResultadoArchivo{};
}

// The text into a new temporary file, then the file renamed over `destino`; `viejo` is what
// the file there was, or nullptr.
ResultadoArchivo Reemplaza(const DestinoGuardado& destino, std::string_view contenido,
                           const struct stat* viejo) {
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

    // Before the text goes in: a private file stays private all along.
    ResultadoArchivo r = viejo ? ConservaPermisos(fd, *viejo) : ResultadoArchivo{};
    if (r.ok) r = EscribeTodo(fd, contenido);
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

ResultadoArchivo GuardaArchivoSeguro(const std::string& ruta, std::string_view contenido,
                                     bool reemplazaSoloLectura) {
    if (ruta.empty() || ruta.back() == '/') return FallaArchivo(ENOENT);
    DestinoGuardado destino;
    if (ResultadoArchivo r = ResuelveDestino(ruta, destino); !r.ok) return r;
    if (destino.descriptor >= 0) return EscribeEnDescriptor(destino.descriptor, contenido);
    if (destino.carpeta) return FallaArchivo(EISDIR);
    if (destino.existe && !destino.regular) return EscribeEnDispositivo(destino.ruta, contenido);
    if (!destino.existe) return Reemplaza(destino, contenido, nullptr);

    struct stat viejo {};
    if (stat(destino.ruta.c_str(), &viejo) != 0) return FallaArchivo(errno);
    if (!reemplazaSoloLectura && EsSoloLectura(destino.ruta, viejo)) {
        ResultadoArchivo r{false, EACCES, kSoloLectura};
        r.soloLectura = true;
        return r;
    }
    // A new file would part the names of the old one: they all keep seeing the same text.
    if (viejo.st_nlink > 1) return EscribeEnSuSitio(destino.ruta, contenido);
    return Reemplaza(destino, contenido, &viejo);
}

void PreparaGuardados() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tarelvo
