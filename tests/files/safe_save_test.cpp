// The safe save on ordinary targets: new and replaced files, bad names, a full disk, and the
// temporary files a killed save leaves behind.
#include "files/safe_save.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <set>
#include <string>

#include "files/temp_files.h"
#include "hostile_targets.h"

namespace tarelvo {
namespace {

using prueba::Carpeta;
using prueba::Contenido;
using prueba::Escribe;

const char* const kNombreIlegal = "Nombre de Archivo Ilegal";
const char* const kDiscoLleno = "El Disco Esta Lleno";

TEST(GuardaArchivoSeguro, CreatesOrReplacesTheFileAndLeavesNothingElse) {
    Carpeta c;
    const std::string ruta = c / "muro.mur";
    ASSERT_TRUE(GuardaArchivoSeguro(ruta, "primero\r\n").ok);
    EXPECT_EQ(Contenido(ruta), "primero\r\n");
    const std::string largo(200000, 'z');
    ASSERT_TRUE(GuardaArchivoSeguro(ruta, largo).ok);
    EXPECT_EQ(Contenido(ruta), largo);
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"muro.mur"});

    // The usual permissions of a new file, not the private ones of a temporary file.
    struct stat datos {};
    ASSERT_EQ(stat(ruta.c_str(), &datos), 0);
    const mode_t mascara = umask(0);
    umask(mascara);
    EXPECT_EQ(datos.st_mode & 0777, 0666 & ~mascara);

    // The temporary name must not be the one that is too long.
    const std::string limite = std::string(251, 'm') + ".mur";
    EXPECT_TRUE(GuardaArchivoSeguro(c / limite, "x").ok);
    EXPECT_TRUE(GuardaArchivoSeguro(c / limite, "y").ok);
    EXPECT_EQ(Contenido(c / limite), "y");
}

TEST(GuardaArchivoSeguro, BadNamesGiveTheIllegalNameMessage) {
    Carpeta c;
    ASSERT_TRUE(Escribe(c / "archivo", "soy un archivo"));
    const struct { std::string ruta; int error; } casos[] = {
        {c / "no-such-dir/a.mur", ENOENT},
        {c / "archivo/a.mur", ENOTDIR},
        {c / (std::string(300, 'n') + ".mur"), ENAMETOOLONG},
        {c / "termina-en-barra/", ENOENT},
        {"", ENOENT},
    };
    for (const auto& caso : casos) {
        const ResultadoArchivo r = GuardaArchivoSeguro(caso.ruta, "x");
        EXPECT_FALSE(r.ok) << caso.ruta;
        EXPECT_EQ(r.errnoValue, caso.error) << caso.ruta;
        EXPECT_EQ(r.mensaje, kNombreIlegal) << caso.ruta;
    }
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"archivo"});
    EXPECT_EQ(Contenido(c / "archivo"), "soy un archivo");
}

TEST(GuardaArchivoSeguro, AFolderIsNotReplaced) {
    Carpeta c;
    ASSERT_EQ(mkdir((c / "carpeta.mur").c_str(), 0755), 0);
    const ResultadoArchivo r = GuardaArchivoSeguro(c / "carpeta.mur", "texto");
    EXPECT_EQ(r.errnoValue, EISDIR);
    EXPECT_EQ(r.mensaje, "El nombre corresponde a una carpeta");
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"carpeta.mur"});
}

// Runs `accion` with the process's file size limit at `bytes`, which makes writes fail with
// EFBIG as a full disk would, even for root. With `muere` the limit's signal ends the process
// as a kill in the middle of a save would; otherwise it is ignored and the write fails.
template <class F>
void ConLimiteDeTamano(rlim_t bytes, bool muere, F accion) {
    rlimit antes{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
    rlimit limite = antes;
    limite.rlim_cur = bytes;
    const auto senal = std::signal(SIGXFSZ, muere ? SIG_DFL : SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    accion();
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal);
}

TEST(GuardaArchivoSeguro, AFullDiskKeepsTheOldFileByteForByte) {
    Carpeta c;
    const std::string ruta = c / "muro.mur";
    const std::string viejo = "Muro viejo\r\n 0  0  0 \r\n";
    ASSERT_TRUE(GuardaArchivoSeguro(ruta, viejo).ok);
    ResultadoArchivo r;
    ConLimiteDeTamano(4096, false, [&] { r = GuardaArchivoSeguro(ruta, std::string(100000, 'n')); });
    EXPECT_EQ(r.errnoValue, EFBIG);
    EXPECT_EQ(r.mensaje, kDiscoLleno);
    EXPECT_TRUE(r.alEscribir);
    EXPECT_EQ(Contenido(ruta), viejo);
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"muro.mur"});
}

void Envejece(const std::string& ruta, int segundos) {
    const timespec cuando[2] = {{std::time(nullptr) - segundos, 0}, {std::time(nullptr) - segundos, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, ruta.c_str(), cuando, AT_SYMLINK_NOFOLLOW), 0) << ruta;
}

TEST(GuardaArchivoSeguroTemporales, AKilledSaveLeavesAHiddenFileTheNextSaveClearsAway) {
    Carpeta c;
    const std::string ruta = c / "muro.mur";
    ASSERT_TRUE(GuardaArchivoSeguro(ruta, "viejo").ok);

    // A save killed while it writes.
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        const rlimit sinCore{0, 0};
        setrlimit(RLIMIT_CORE, &sinCore);
        ConLimiteDeTamano(4096, true, [&] { GuardaArchivoSeguro(ruta, std::string(100000, 'n')); });
        _exit(0);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGXFSZ) << estado;
    EXPECT_EQ(Contenido(ruta), "viejo");
    std::set<std::string> nombres = c.Nombres();
    ASSERT_EQ(nombres.size(), 2u);
    nombres.erase("muro.mur");
    const std::string resto = *nombres.begin();
    EXPECT_EQ(resto[0], '.') << resto;
    EXPECT_TRUE(EsNombreTemporal(resto)) << resto;

    // A young one may be a save under way in another program: it stays.
    ASSERT_TRUE(GuardaArchivoSeguro(ruta, "nuevo").ok);
    EXPECT_EQ(c.Nombres().count(resto), 1u);

    // Old ones that are not ours stay too.
    const std::string parecidos[] = {".tarelvo-abc.tmp", "muro.mur.abcdefgh", ".tarelvo-enlace00000.tmp",
                                      ".tarelvo-carpeta0000.tmp", ".tarelvo-deotro000000.tmp"};
    ASSERT_TRUE(Escribe(c / parecidos[0], "x"));
    ASSERT_TRUE(Escribe(c / parecidos[1], "x"));
    ASSERT_EQ(symlink("muro.mur", (c / parecidos[2]).c_str()), 0);
    ASSERT_EQ(mkdir((c / parecidos[3]).c_str(), 0755), 0);
    ASSERT_TRUE(Escribe(c / parecidos[4], "x"));
    const bool otroDueno = geteuid() == 0 && chown((c / parecidos[4]).c_str(), prueba::kNadie, prueba::kNadaGrupo) == 0;
    for (const std::string& n : parecidos) Envejece(c / n, 3600);
    Envejece(c / resto, 120);

    ASSERT_TRUE(GuardaArchivoSeguro(ruta, "otra vez").ok);
    EXPECT_EQ(c.Nombres().count(resto), 0u);
    for (const std::string& n : parecidos) {
        if (n == parecidos[4] && !otroDueno) continue;
        EXPECT_EQ(c.Nombres().count(n), 1u) << n;
    }
    EXPECT_EQ(Contenido(ruta), "otra vez");
}

}  // namespace
}  // namespace tarelvo
