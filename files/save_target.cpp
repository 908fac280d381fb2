#include "files/save_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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
        actual = enlace.front() == '/' ? enlace : PrefijoCarpeta(actual) + enlace;
    }
    // A link to "folder/" that is not there names no file.
    if (!destino.existe && actual.back() == '/') return Falla(ENOENT);
    destino.ruta = actual;
    return ResultadoArchivo{};
}

}  // namespace tarelvo
