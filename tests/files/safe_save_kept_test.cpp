// What a save keeps of the file it replaces and of where it writes: open descriptors written
// through, permissions and owners, hard links, and read-only files left alone.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <string>
#include <tuple>

#include "files/safe_save.h"
#include "hostile_targets.h"

namespace tarelvo {
namespace {

using prueba::Carpeta;
using prueba::ComoNadie;
using prueba::Contenido;
using prueba::Escribe;

struct stat Datos(const std::string& ruta) {
    struct stat d {};
    EXPECT_EQ(stat(ruta.c_str(), &d), 0) << ruta;
    return d;
}

TEST(GuardaArchivoSeguroConserva, OpenDescriptorsAreWrittenThroughWhereTheyStand) {
    Carpeta c;
    const std::string log = c / "log.txt";
    ASSERT_TRUE(Escribe(log, "antes\n"));
    const int agrega = open(log.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(agrega, 0);
    const std::string propio = "/proc/self/fd/" + std::to_string(agrega);
    EXPECT_TRUE(GuardaArchivoSeguro("/dev/fd/" + std::to_string(agrega), "uno\n").ok);
    EXPECT_TRUE(GuardaArchivoSeguro(propio, "dos\n").ok);
    // Through a link of the user's own, too.
    ASSERT_EQ(symlink(propio.c_str(), (c / "enlace").c_str()), 0);
    EXPECT_TRUE(GuardaArchivoSeguro(c / "enlace", "tres\n").ok);
    close(agrega);
    EXPECT_EQ(Contenido(log), "antes\nuno\ndos\ntres\n");

    int tubo[2];
    ASSERT_EQ(pipe2(tubo, O_CLOEXEC), 0);
    EXPECT_TRUE(GuardaArchivoSeguro("/proc/self/fd/" + std::to_string(tubo[1]), "por el tubo").ok);
    char leido[32] = {};
    EXPECT_EQ(read(tubo[0], leido, sizeof leido), 11);
    EXPECT_EQ(std::string(leido), "por el tubo");
    // Its reading end, and a descriptor no longer open, take nothing.
    for (const int fd : {tubo[0], tubo[1]}) {
        if (fd == tubo[1]) close(fd);
        const ResultadoArchivo r = GuardaArchivoSeguro("/dev/fd/" + std::to_string(fd), "x");
        EXPECT_EQ(r.errnoValue, EBADF) << fd;
        EXPECT_EQ(r.mensaje, "El destino no está abierto para escribir");
    }
    close(tubo[0]);
    EXPECT_EQ(c.Nombres(), (std::set<std::string>{"enlace", "log.txt"}));
}

TEST(GuardaArchivoSeguroConserva, TheReplacedFileKeepsItsBitsOwnerAndLinks) {
    Carpeta c;
    const std::string privado = c / "privado.mur";
    ASSERT_TRUE(Escribe(privado, "viejo"));
    ASSERT_EQ(chmod(privado.c_str(), 0640), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(privado.c_str(), prueba::kNadie, prueba::kNadaGrupo), 0);
    }
    const struct stat antes = Datos(privado);
    ASSERT_TRUE(GuardaArchivoSeguro(privado, "nuevo").ok);
    const struct stat despues = Datos(privado);
    EXPECT_NE(despues.st_ino, antes.st_ino);  // replaced, not written over
    EXPECT_EQ(despues.st_mode & 07777, 0640u);
    EXPECT_EQ(despues.st_uid, antes.st_uid);
    EXPECT_EQ(despues.st_gid, antes.st_gid);

    // Every name of a file with several sees the new text.
    ASSERT_EQ(link(privado.c_str(), (c / "otro-nombre.mur").c_str()), 0);
    ASSERT_TRUE(GuardaArchivoSeguro(c / "otro-nombre.mur", "para los dos").ok);
    EXPECT_EQ(Contenido(privado), "para los dos");
    EXPECT_EQ(Datos(privado).st_nlink, 2u);
    EXPECT_EQ(Datos(privado).st_mode & 07777, 0640u);
}

TEST(GuardaArchivoSeguroConserva, AnotherUsersSaveKeepsTheBitsAndGrantsNoMore) {
    Carpeta c;
    if (geteuid() != 0) GTEST_SKIP() << "hace falta root para actuar como otro usuario";
    ASSERT_EQ(chown(c.ruta.c_str(), prueba::kNadie, prueba::kNadaGrupo), 0);
    const std::string suyo = c / "suyo.mur", ajeno = c / "ajeno.mur", grupo = c / "grupo.mur";
    for (const auto& [ruta, modo, grupoDe] :
         {std::tuple{suyo, 0600, prueba::kNadaGrupo}, std::tuple{ajeno, 0644, 0u},
          std::tuple{grupo, 02660, 0u}}) {
        ASSERT_TRUE(Escribe(ruta, "viejo"));
        ASSERT_EQ(chown(ruta.c_str(), ruta == ajeno ? 0 : prueba::kNadie, grupoDe), 0);
        ASSERT_EQ(chmod(ruta.c_str(), static_cast<mode_t>(modo)), 0);
    }
    ComoNadie nadie;
    ASSERT_TRUE(nadie.ok());

    // Its own private file stays private.
    ASSERT_TRUE(GuardaArchivoSeguro(suyo, "nuevo").ok);
    EXPECT_EQ(Datos(suyo).st_mode & 07777, 0600u);
    // A file of root's it may not write, though it could replace it in its folder.
    const ResultadoArchivo r = GuardaArchivoSeguro(ajeno, "nuevo");
    EXPECT_TRUE(r.soloLectura);
    EXPECT_EQ(r.mensaje, "El archivo es de solo lectura");
    EXPECT_EQ(Contenido(ajeno), "viejo");
    // Root's group cannot be given: its members get no more than others, and no set-group bit.
    ASSERT_TRUE(GuardaArchivoSeguro(grupo, "nuevo").ok);
    EXPECT_EQ(Datos(grupo).st_mode & 07777, 0600u);
    EXPECT_EQ(Datos(grupo).st_gid, prueba::kNadaGrupo);
}

TEST(GuardaArchivoSeguroConserva, AReadOnlyFileIsReplacedOnlyWhenTheUserSaysSo) {
    Carpeta c;
    const std::string ruta = c / "firmado.mur";
    ASSERT_TRUE(Escribe(ruta, "firmado"));
    ASSERT_EQ(chmod(ruta.c_str(), 0444), 0);
    const ResultadoArchivo r = GuardaArchivoSeguro(ruta, "otro");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.soloLectura);
    EXPECT_EQ(r.errnoValue, EACCES);
    EXPECT_EQ(Contenido(ruta), "firmado");

    ASSERT_TRUE(GuardaArchivoSeguro(ruta, "otro", true).ok);
    EXPECT_EQ(Contenido(ruta), "otro");
    EXPECT_EQ(Datos(ruta).st_mode & 07777, 0444u);
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"firmado.mur"});
}

}  // namespace
}  // namespace tarelvo
