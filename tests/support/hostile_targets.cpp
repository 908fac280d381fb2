#include "hostile_targets.h"

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tarelvo::prueba {

namespace {

std::set<std::string> NombresEn(const std::string& ruta) {
    std::set<std::string> nombres;
    if (DIR* d = opendir(ruta.c_str())) {
        while (const dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..") nombres.insert(n);
        }
        closedir(d);
    }
    return nombres;
}

std::string CarpetaNueva(const char* plantilla) {
    std::string ruta = plantilla;
    if (!mkdtemp(ruta.data())) return std::string();
    chmod(ruta.c_str(), 0755);
    return ruta;
}

// Once per process: a mount namespace of its own whose mounts propagate nowhere.
std::string NamespacePrivado() {
    static const std::string motivo = [] {
        if (geteuid() != 0) return std::string("montar un disco de prueba requiere root");
        if (unshare(CLONE_NEWNS) != 0)
            return std::string("no hay espacio de montajes propio: ") + std::strerror(errno);
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return std::string("los montajes no se pueden hacer privados: ") + std::strerror(errno);
        return std::string();
    }();
    return motivo;
}

}  // namespace

Carpeta::Carpeta() : ruta(CarpetaNueva("/tmp/tarelvo-prueba-XXXXXX")) {}

Carpeta::~Carpeta() {
    std::error_code ec;
    if (!ruta.empty()) std::filesystem::remove_all(ruta, ec);
}

std::set<std::string> Carpeta::Nombres() const { return NombresEn(ruta); }

std::string Contenido(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool Escribe(const std::string& ruta, const std::string& texto) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f << texto;
    f.close();
    return static_cast<bool>(f);
}

DiscoPequeno::DiscoPequeno(std::size_t bytes) {
    motivo = NamespacePrivado();
    if (!motivo.empty()) return;
    ruta = CarpetaNueva("/tmp/tarelvo-disco-XXXXXX");
    if (ruta.empty()) {
        motivo = "no se pudo crear la carpeta del disco de prueba";
        return;
    }
    const std::string opciones = "size=" + std::to_string(bytes) + ",mode=0755";
    if (mount("tarelvo-prueba", ruta.c_str(), "tmpfs", MS_NOSUID, opciones.c_str()) != 0) {
        motivo = std::string("no se pudo montar un tmpfs: ") + std::strerror(errno);
        rmdir(ruta.c_str());
        ruta.clear();
    }
}

DiscoPequeno::~DiscoPequeno() {
    if (ruta.empty()) return;
    umount2(ruta.c_str(), MNT_DETACH);
    rmdir(ruta.c_str());
}

std::set<std::string> DiscoPequeno::Nombres() const { return NombresEn(ruta); }

void DiscoPequeno::Llena() const {
    const int fd = open((*this / "relleno").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    static const char ceros[64 * 1024] = {};
    for (std::size_t bloque = sizeof ceros; bloque > 0; bloque /= 2)
        while (write(fd, ceros, bloque) == static_cast<ssize_t>(bloque)) {
        }
    close(fd);
}

std::string CreaDispositivo(const std::string& ruta, unsigned mayor, unsigned menor) {
    if (mknod(ruta.c_str(), S_IFCHR | 0666, makedev(mayor, menor)) != 0)
        return std::string("no se pudo crear el dispositivo: ") + std::strerror(errno);
    const int fd = open(ruta.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return std::string("el dispositivo no se puede abrir: ") + std::strerror(errno);
    close(fd);
    return std::string();
}

ComoNadie::ComoNadie() {
    if (geteuid() != 0) return;
    if (setegid(kNadaGrupo) != 0) return;
    if (seteuid(kNadie) != 0) {
        setegid(0);
        return;
    }
    ok_ = true;
}

ComoNadie::~ComoNadie() {
    if (!ok_) return;
    if (seteuid(0) != 0 || setegid(0) != 0) std::abort();  // the rest of the tests need root
}

std::string CreaLlenoYNulo(const DiscoPequeno& disco) {
    for (const auto& [nombre, menor] : {std::pair{"lleno", 7u}, std::pair{"nulo", 3u}})
        if (std::string error = CreaDispositivo(disco / nombre, 1, menor); !error.empty())
            return error;
    return "";
}

}  // namespace tarelvo::prueba
