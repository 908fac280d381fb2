// Hostile places to save into, for the tests of the saves: scratch folders, a small file
// system that can be filled, device nodes of our own, and an unprivileged user.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <set>
#include <string>

namespace tarelvo::prueba {

// A fresh folder under /tmp that others may enter, removed with everything in it at the end.
struct Carpeta {
    Carpeta();
    ~Carpeta();
    Carpeta(const Carpeta&) = delete;
    Carpeta& operator=(const Carpeta&) = delete;
    std::string operator/(const std::string& nombre) const { return ruta + "/" + nombre; }
    std::set<std::string> Nombres() const;
    std::string ruta;
};

// The whole file; empty when it cannot be read.
std::string Contenido(const std::string& ruta);
// Writes `texto` as the whole file `ruta`; false when it could not.
bool Escribe(const std::string& ruta, const std::string& texto);

// A tmpfs of `bytes` mounted at a fresh folder with mode 0755, in a mount namespace private
// to this process (made on first use, so that no mount reaches the machine's own). When it
// cannot be made (not root, no namespaces) `motivo` says why and the test should skip.
class DiscoPequeno {
public:
    explicit DiscoPequeno(std::size_t bytes);
    ~DiscoPequeno();
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;
    bool ok() const { return motivo.empty(); }
    std::string operator/(const std::string& nombre) const { return ruta + "/" + nombre; }
    std::set<std::string> Nombres() const;
    // Fills the file system with the file "relleno" until not one more byte fits.
    void Llena() const;

    std::string ruta, motivo;
};

// A character device node `ruta` for the kernel's device (mayor, menor): 1,3 is the null
// device and 1,7 the full one. Empty on success, else why not.
std::string CreaDispositivo(const std::string& ruta, unsigned mayor, unsigned menor);

// The full device at disco/"lleno" and the null device at disco/"nulo"; empty on success,
// else why not.
std::string CreaLlenoYNulo(const DiscoPequeno& disco);

// The user "nobody", who owns nothing of the tests' files.
constexpr uid_t kNadie = 65534;
constexpr gid_t kNadaGrupo = 65534;

// The effective user and group `kNadie` for the life of the object, so that permissions
// apply even when the tests run as root; root only (ok() false otherwise).
class ComoNadie {
public:
    ComoNadie();
    ~ComoNadie();
    ComoNadie(const ComoNadie&) = delete;
    ComoNadie& operator=(const ComoNadie&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_ = false;
};

}  // namespace tarelvo::prueba
