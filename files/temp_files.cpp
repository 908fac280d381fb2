#include "files/temp_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <random>

namespace tarelvo {

namespace {

constexpr std::string_view kPrefijo = ".tarelvo-";
constexpr std::string_view kSufijo = ".tmp";
constexpr std::size_t kLetrasAzar = 12;
const char kLetras[] = "abcdefghijklmnopqrstuvwxyz0123456789";

std::string Une(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty()) return nombre;
    return carpeta.back() == '/' ? carpeta + nombre : carpeta + "/" + nombre;
}

}  // namespace

bool EsNombreTemporal(std::string_view nombre) {
    if (nombre.size() != kPrefijo.size() + kLetrasAzar + kSufijo.size()) return false;
    if (nombre.substr(0, kPrefijo.size()) != kPrefijo) return false;
    if (nombre.substr(nombre.size() - kSufijo.size()) != kSufijo) return false;
    for (const char c : nombre.substr(kPrefijo.size(), kLetrasAzar))
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

int CreaTemporal(const std::string& carpeta, std::string& ruta) {
    static std::atomic<std::uint64_t> cuenta{0};
    std::random_device semilla;
    std::mt19937_64 azar((static_cast<std::uint64_t>(semilla()) << 32) ^ semilla() ^
                         (static_cast<std::uint64_t>(getpid()) << 20) ^ cuenta.fetch_add(1));
    for (int intento = 0; intento < 100; ++intento) {
        std::string nombre(kPrefijo);
        for (std::size_t k = 0; k < kLetrasAzar; ++k) nombre += kLetras[azar() % (sizeof kLetras - 1)];
        nombre += kSufijo;
        ruta = Une(carpeta, nombre);
        // 0666: the kernel applies the umask, as for any new file.
        const int fd = open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void BorraTemporalesViejos(const std::string& carpeta, long segundos) {
    const int dir = open(carpeta.empty() ? "." : carpeta.c_str(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    DIR* d = fdopendir(dir);
    if (!d) {
        close(dir);
        return;
    }
    const std::time_t ahora = std::time(nullptr);
    while (const dirent* e = readdir(d)) {
        if (!EsNombreTemporal(e->d_name)) continue;
        struct stat datos {};
        if (fstatat(dir, e->d_name, &datos, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(datos.st_mode) || datos.st_uid != geteuid()) continue;
        if (ahora - datos.st_mtime <= segundos) continue;
        unlinkat(dir, e->d_name, 0);
    }
    closedir(d);
}

}  // namespace tarelvo
