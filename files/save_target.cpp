#include "files/save_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace tarelvo {

const char* const kEnlaceEnCiclo =
    "El nombre es un enlace simbólico que forma un ciclo y no lleva a ningún archivo";

namespace {

// As the system itself allows before it gives up with ELOOP.
constexpr int kMaximoSaltos = 40;

ResultadoArchivo Falla(int errnoValue) {
    if (errnoValue == ELOOP) return ResultadoArchivo{false, ELOOP, kEnlaceEnCiclo};
    return FallaArchivo(errnoValue);
}

// The text of the link `ruta`; false with errno set.
bool LeeEnlace(const std::string& ruta, std::string& texto) {
    std::vector<char> bufer(256);
    while (true) {
        const ssize_t n = readlink(ruta.c_str(), bufer.data(), bufer.size());
        if (n < 0) return false;
        if (static_cast<std::size_t>(n) < bufer.size()) {
            texto.assign(bufer.data(), static_cast<std::size_t>(n));
            return true;
        }
        if (bufer.size() > 64 * 1024) {
            errno = ENAMETOOLONG;
            return false;
        }
        bufer.resize(bufer.size() * 2);
    }
}

// The file system type of /proc (linux/magic.h).
constexpr long kProcfs = 0x9fa0;

// Where a link of /proc leads, for the path `ruta`.
enum class EnlaceProc { Ninguno, Propio, Ajeno };

// Whether `ruta` is an entry of a descriptor folder of /proc ("/proc/PID/fd/N", through any
// of its aliases), and whose: this process's (any of its threads) or another's. `numero` is N.
EnlaceProc DescriptorDeProc(const std::string& ruta, int& numero) {
    const std::size_t barra = ruta.rfind('/');
    if (barra == std::string::npos) return EnlaceProc::Ninguno;
    const std::string nombre = ruta.substr(barra + 1);
    if (nombre.empty() || nombre.size() > 9 ||
        nombre.find_first_not_of("0123456789") != std::string::npos)
        return EnlaceProc::Ninguno;
    const std::string carpeta = barra == 0 ? "/" : ruta.substr(0, barra);
    struct statfs fs {};
    if (statfs(carpeta.c_str(), &fs) != 0 || static_cast<long>(fs.f_type) != kProcfs)
        return EnlaceProc::Ninguno;
    char real[PATH_MAX];
    if (!realpath(carpeta.c_str(), real)) return EnlaceProc::Ninguno;
    const std::string r = real;
    if (r.size() < 4 || r.compare(r.size() - 3, 3, "/fd") != 0) return EnlaceProc::Ninguno;
    numero = std::atoi(nombre.c_str());
    const std::string propio = "/proc/" + std::to_string(getpid());
    const bool esPropio = r == propio + "/fd" ||
                          (r.rfind(propio + "/task/", 0) == 0 && r.find('/', propio.size() + 6) ==
                                                                     r.size() - 3);
    return esPropio ? EnlaceProc::Propio : EnlaceProc::Ajeno;
}

}  // namespace

std::string PrefijoCarpeta(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    return barra == std::string::npos ? std::string() : ruta.substr(0, barra + 1);
}

std::string CarpetaDe(const std::string& ruta) {
    const std::string prefijo = PrefijoCarpeta(ruta);
    if (prefijo.empty()) return ".";
    return prefijo.size() == 1 ? prefijo : prefijo.substr(0, prefijo.size() - 1);
}

ResultadoArchivo ResuelveDestino(const std::string& ruta, DestinoGuardado& destino) {
    destino = DestinoGuardado{};
    std::string actual = ruta;
    for (int saltos = 0;; ++saltos) {
        // A descriptor is written through, never replaced: the shell may have opened it to
        // append, and what it leads to may have no name at all (a pipe).
        int numero = -1;
        const EnlaceProc proc = DescriptorDeProc(actual, numero);
        if (proc == EnlaceProc::Propio) {
            if (fcntl(numero, F_GETFD) == -1) return Falla(EBADF);
            destino.descriptor = numero;
            destino.ruta = actual;
            destino.existe = true;
            return ResultadoArchivo{};
        }
        struct stat datos {};
        if (lstat(actual.c_str(), &datos) != 0) {
            // Nothing there: the file to create. A missing folder shows when it is created.
            if (errno != ENOENT) return Falla(errno);
            break;
        }
        if (!S_ISLNK(datos.st_mode)) {
            destino.existe = true;
            destino.regular = S_ISREG(datos.st_mode);
            destino.carpeta = S_ISDIR(datos.st_mode);
            break;
        }
        if (saltos == kMaximoSaltos) return Falla(ELOOP);
        std::string enlace;
        if (!LeeEnlace(actual, enlace)) return Falla(errno);
        if (enlace.empty()) return Falla(ENOENT);
        if (proc == EnlaceProc::Ajeno && enlace.front() != '/') {
            // "pipe:[N]", "socket:[N]": only the link itself leads there.
            destino.ruta = actual;
            destino.existe = true;
            return ResultadoArchivo{};
        }
        actual = enlace.front() == '/' ? enlace : PrefijoCarpeta(actual) + enlace;
    }
    // A link to "folder/" that is not there names no file.
    if (!destino.existe && actual.back() == '/') return Falla(ENOENT);
    destino.ruta = actual;
    return ResultadoArchivo{};
}

}  // namespace tarelvo
