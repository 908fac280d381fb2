#include "export/cad_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "export/detached_start.h"

namespace tarelvo {

namespace {

// Name order of a Windows listing: without regard to case, then by the bytes.
bool AntesQue(const EntradaCarpeta& a, const EntradaCarpeta& b) {
    const auto menor = [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); };
    const std::string& p = a.nombre;
    const std::string& q = b.nombre;
    if (std::lexicographical_compare(p.begin(), p.end(), q.begin(), q.end(), menor)) return true;
    if (std::lexicographical_compare(q.begin(), q.end(), p.begin(), p.end(), menor)) return false;
    return p < q;
}

std::string CarpetaPersonal() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

}  // namespace

PlataformaPosix::PlataformaPosix(std::string prefijoWine) : prefijo_(std::move(prefijoWine)) {}

bool PlataformaPosix::listDir(const std::string& carpeta, std::vector<EntradaCarpeta>& entradas) {
    entradas.clear();
    DIR* d = ::opendir(carpeta.c_str());
    if (!d) return false;
    const std::string base = carpeta.empty() || carpeta.back() == '/' ? carpeta : carpeta + "/";
    while (const dirent* de = ::readdir(d)) {
        const std::string nombre = de->d_name;
        if (nombre == "." || nombre == "..") continue;
        const std::string ruta = base + nombre;
        EntradaCarpeta e{nombre, EntradaCarpeta::Otro};
        struct stat st;
        if (::lstat(ruta.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) {
                e.tipo = EntradaCarpeta::Carpeta;
            } else if (S_ISREG(st.st_mode) || (S_ISLNK(st.st_mode) && exists(ruta))) {
                e.tipo = EntradaCarpeta::Archivo;
            }
        }
        entradas.push_back(std::move(e));
    }
    ::closedir(d);
    std::sort(entradas.begin(), entradas.end(), AntesQue);
    return true;
}

bool PlataformaPosix::isDir(const std::string& ruta) {
    struct stat st;
    return ::stat(ruta.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PlataformaPosix::isWritable(const std::string& ruta) { return ::access(ruta.c_str(), W_OK) == 0; }

bool PlataformaPosix::exists(const std::string& ruta) {
    struct stat st;
    return ::stat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool PlataformaPosix::startDetached(const std::string& programa, const std::vector<std::string>& argumentos,
                                    const std::string& carpeta, std::string* error) {
    return StartDetached(programa, argumentos, carpeta, error);
}

std::string PlataformaPosix::driveRoot(char letra) {
    std::string prefijo = prefijo_;
    if (prefijo.empty()) {
        if (const char* wp = std::getenv("WINEPREFIX"); wp && *wp) {
            prefijo = wp;
        } else {
            const std::string home = CarpetaPersonal();
            if (home.empty()) return {};
            prefijo = home + "/.wine";
        }
    }
    if (prefijo.back() != '/') prefijo += '/';
    const char l = static_cast<char>(std::tolower(static_cast<unsigned char>(letra)));
    if (l < 'a' || l > 'z') return {};
    if (l == 'c') return prefijo + "drive_c";
    return prefijo + "dosdevices/" + l + ":";
}

}  // namespace tarelvo
