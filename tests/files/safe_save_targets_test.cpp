// The safe save on targets it must not replace: devices, pipes, symbolic links, and files in
// folders where nothing can be created.
#include "files/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <climits>
#include <set>
#include <string>

#include "files/save_target.h"
#include "hostile_targets.h"

namespace tarelvo {
namespace {

using prueba::Carpeta;
using prueba::ComoNadie;
using prueba::Contenido;
using prueba::DiscoPequeno;
using prueba::Escribe;

bool EsDispositivo(const std::string& ruta, unsigned mayor, unsigned menor) {
    struct stat datos {};
    return lstat(ruta.c_str(), &datos) == 0 && S_ISCHR(datos.st_mode) &&
           datos.st_rdev == makedev(mayor, menor);
}

std::string Enlace(const std::string& ruta) {
    char texto[PATH_MAX];
    const ssize_t n = readlink(ruta.c_str(), texto, sizeof texto);
    return n < 0 ? std::string("(no es un enlace)") : std::string(texto, static_cast<std::size_t>(n));
}

TEST(GuardaArchivoSeguroDestinos, DevicesAreWrittenAndNeverReplaced) {
    DiscoPequeno disco(1 << 20);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string lleno = disco / "lleno", nulo = disco / "nulo";
    if (const std::string error = prueba::CreaLlenoYNulo(disco); !error.empty())
        GTEST_SKIP() << error;

    const ResultadoArchivo r = GuardaArchivoSeguro(lleno, "Muro\r\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errnoValue, ENOSPC);
    EXPECT_EQ(r.mensaje, "El Disco Esta Lleno");
    EXPECT_TRUE(EsDispositivo(lleno, 1, 7));

    EXPECT_TRUE(GuardaArchivoSeguro(nulo, std::string(100000, 'x')).ok);
    EXPECT_TRUE(EsDispositivo(nulo, 1, 3));

    // Through a link, the device is written and both stay.
    ASSERT_EQ(symlink("nulo", (disco / "enlace").c_str()), 0);
    EXPECT_TRUE(GuardaArchivoSeguro(disco / "enlace", "Muro\r\n").ok);
    EXPECT_EQ(Enlace(disco / "enlace"), "nulo");
    EXPECT_TRUE(EsDispositivo(nulo, 1, 3));
    EXPECT_EQ(disco.Nombres(), (std::set<std::string>{"enlace", "lleno", "nulo"}));
}

TEST(GuardaArchivoSeguroDestinos, PipesAreWrittenWithoutWaitingForAReader) {
    Carpeta c;
    const std::string tubo = c / "tubo.mur";
    ASSERT_EQ(mkfifo(tubo.c_str(), 0644), 0);
    const auto antes = std::chrono::steady_clock::now();
    const ResultadoArchivo sinLector = GuardaArchivoSeguro(tubo, "texto");
    EXPECT_FALSE(sinLector.ok);
    EXPECT_EQ(sinLector.mensaje, "El destino no está recibiendo los datos");
    EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::seconds(5));

    const int lector = open(tubo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(lector, 0);
    EXPECT_TRUE(GuardaArchivoSeguro(tubo, "texto").ok);
    char leido[16] = {};
    EXPECT_EQ(read(lector, leido, sizeof leido), 5);
    EXPECT_EQ(std::string(leido), "texto");
    close(lector);

    struct stat datos {};
    ASSERT_EQ(lstat(tubo.c_str(), &datos), 0);
    EXPECT_TRUE(S_ISFIFO(datos.st_mode));
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"tubo.mur"});
}

TEST(GuardaArchivoSeguroDestinos, AReaderThatGoesAwayIsAnErrorNotTheEnd) {
    Carpeta c;
    const std::string tubo = c / "tubo";
    ASSERT_EQ(mkfifo(tubo.c_str(), 0644), 0);
    // Held open both ways until the reader below has opened its end.
    const int ambos = open(tubo.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(ambos, 0);
    int aviso[2];
    ASSERT_EQ(pipe(aviso), 0);
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        // Reads a little of what comes, then goes away.
        const int fd = open(tubo.c_str(), O_RDONLY);
        (void)!write(aviso[1], "l", 1);
        char poco[16];
        while (read(fd, poco, sizeof poco) <= 0) usleep(1000);
        _exit(0);
    }
    char listo = 0;
    ASSERT_EQ(read(aviso[0], &listo, 1), 1);
    close(ambos);
    // As a program starts, whatever started the tests left it.
    const auto senal = std::signal(SIGPIPE, SIG_DFL);
    const ResultadoArchivo r = GuardaArchivoSeguro(tubo, std::string(4 << 20, 'x'));
    std::signal(SIGPIPE, senal);
    waitpid(hijo, nullptr, 0);
    close(aviso[0]);
    close(aviso[1]);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errnoValue, EPIPE);
    EXPECT_EQ(r.mensaje, "El destino dejó de recibir los datos");
    EXPECT_TRUE(r.alEscribir);
}

TEST(GuardaArchivoSeguroDestinos, LinksLeadToTheFileTheyNameWhichIsSavedInItsOwnFolder) {
    Carpeta enlaces, archivos;
    const std::string muro = archivos / "muro.mur";
    ASSERT_TRUE(Escribe(muro, "viejo"));
    const std::string otra = "../" + archivos.ruta.substr(archivos.ruta.rfind('/') + 1);

    // Absolute.
    ASSERT_EQ(symlink(muro.c_str(), (enlaces / "absoluto.mur").c_str()), 0);
    ASSERT_TRUE(GuardaArchivoSeguro(enlaces / "absoluto.mur", "uno").ok);
    EXPECT_EQ(Contenido(muro), "uno");
    EXPECT_EQ(Enlace(enlaces / "absoluto.mur"), muro);

    // A chain of relative links, each relative to its own folder.
    ASSERT_EQ(symlink("intermedio.mur", (enlaces / "cadena.mur").c_str()), 0);
    ASSERT_EQ(symlink((otra + "/muro.mur").c_str(), (enlaces / "intermedio.mur").c_str()), 0);
    ASSERT_TRUE(GuardaArchivoSeguro(enlaces / "cadena.mur", "dos").ok);
    EXPECT_EQ(Contenido(muro), "dos");
    EXPECT_EQ(Enlace(enlaces / "cadena.mur"), "intermedio.mur");

    // A bare name, relative to the working folder.
    char antes[PATH_MAX];
    ASSERT_NE(getcwd(antes, sizeof antes), nullptr);
    ASSERT_EQ(chdir(enlaces.ruta.c_str()), 0);
    const ResultadoArchivo desnudo = GuardaArchivoSeguro("cadena.mur", "tres");
    ASSERT_EQ(chdir(antes), 0);
    EXPECT_TRUE(desnudo.ok) << desnudo.mensaje;
    EXPECT_EQ(Contenido(muro), "tres");

    // A link to nothing names the file to create.
    ASSERT_EQ(symlink((otra + "/nuevo.mur").c_str(), (enlaces / "pendiente.mur").c_str()), 0);
    ASSERT_TRUE(GuardaArchivoSeguro(enlaces / "pendiente.mur", "cuatro").ok);
    EXPECT_EQ(Contenido(archivos / "nuevo.mur"), "cuatro");

    EXPECT_EQ(enlaces.Nombres(),
              (std::set<std::string>{"absoluto.mur", "cadena.mur", "intermedio.mur", "pendiente.mur"}));
    EXPECT_EQ(archivos.Nombres(), (std::set<std::string>{"muro.mur", "nuevo.mur"}));
}

TEST(GuardaArchivoSeguroDestinos, LinksThatLeadNowhereUsefulAreRefusedAndKept) {
    Carpeta c;
    ASSERT_EQ(symlink("ciclo2", (c / "ciclo1").c_str()), 0);
    ASSERT_EQ(symlink("ciclo1", (c / "ciclo2").c_str()), 0);
    ASSERT_EQ(symlink("yo", (c / "yo").c_str()), 0);
    ASSERT_EQ(symlink("no-existe/muro.mur", (c / "sin-carpeta").c_str()), 0);
    ASSERT_EQ(mkdir((c / "carpeta").c_str(), 0755), 0);
    ASSERT_EQ(symlink("carpeta", (c / "a-carpeta").c_str()), 0);
    ASSERT_EQ(symlink("hueco/", (c / "a-barra").c_str()), 0);

    for (const char* ciclo : {"ciclo1", "yo"}) {
        const ResultadoArchivo r = GuardaArchivoSeguro(c / ciclo, "x");
        EXPECT_EQ(r.errnoValue, ELOOP) << ciclo;
        EXPECT_EQ(r.mensaje, kEnlaceEnCiclo) << ciclo;
    }
    EXPECT_EQ(GuardaArchivoSeguro(c / "sin-carpeta", "x").mensaje, "Nombre de Archivo Ilegal");
    EXPECT_EQ(GuardaArchivoSeguro(c / "a-carpeta", "x").errnoValue, EISDIR);
    EXPECT_EQ(GuardaArchivoSeguro(c / "a-barra", "x").errnoValue, ENOENT);

    EXPECT_EQ(Enlace(c / "ciclo1"), "ciclo2");
    EXPECT_EQ(Enlace(c / "yo"), "yo");
    EXPECT_EQ(Enlace(c / "sin-carpeta"), "no-existe/muro.mur");
    EXPECT_EQ(c.Nombres(), (std::set<std::string>{"a-barra", "a-carpeta", "carpeta", "ciclo1",
                                                  "ciclo2", "sin-carpeta", "yo"}));
}

// A folder nobody but root may write in, holding a file that `kNadie` may write.
struct CarpetaSoloLectura {
    Carpeta c;
    std::string muro = c / "muro.mur";
    bool ok = false;
    CarpetaSoloLectura() {
        if (!Escribe(muro, "el texto viejo del proyecto")) return;
        if (geteuid() == 0) {
            ok = chown(muro.c_str(), prueba::kNadie, prueba::kNadaGrupo) == 0;
        } else {
            ok = chmod(c.ruta.c_str(), 0555) == 0;
        }
    }
    ~CarpetaSoloLectura() { chmod(c.ruta.c_str(), 0755); }
};

TEST(GuardaArchivoSeguroDestinos, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    CarpetaSoloLectura f;
    ASSERT_TRUE(f.ok);
    ComoNadie nadie;
    if (geteuid() == 0 && !nadie.ok()) GTEST_SKIP() << "no se puede actuar como otro usuario";

    const ResultadoArchivo corto = GuardaArchivoSeguro(f.muro, "corto");
    EXPECT_TRUE(corto.ok) << corto.mensaje;
    EXPECT_EQ(Contenido(f.muro), "corto");
    const std::string largo(300000, 'L');
    EXPECT_TRUE(GuardaArchivoSeguro(f.muro, largo).ok);
    EXPECT_EQ(Contenido(f.muro), largo);

    // A new file cannot be made there at all.
    const ResultadoArchivo nuevo = GuardaArchivoSeguro(f.c / "nuevo.mur", "x");
    EXPECT_EQ(nuevo.errnoValue, EACCES);
    EXPECT_EQ(nuevo.mensaje, "Permiso denegado");
    EXPECT_EQ(f.c.Nombres(), std::set<std::string>{"muro.mur"});
}

TEST(GuardaArchivoSeguroDestinos, InPlaceOnAFullDiskTheOldTextStays) {
    DiscoPequeno disco(256 * 1024);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string muro = disco / "muro.mur";
    ASSERT_TRUE(Escribe(muro, "viejo"));
    ASSERT_EQ(chown(muro.c_str(), prueba::kNadie, prueba::kNadaGrupo), 0);
    disco.Llena();
    ComoNadie nadie;
    ASSERT_TRUE(nadie.ok());

    const ResultadoArchivo r = GuardaArchivoSeguro(muro, std::string(100000, 'n'));
    EXPECT_EQ(r.errnoValue, ENOSPC);
    EXPECT_EQ(r.mensaje, "El Disco Esta Lleno");
    EXPECT_EQ(Contenido(muro), "viejo");
    // What fits in the room the file has is written.
    EXPECT_TRUE(GuardaArchivoSeguro(muro, "nuevo texto").ok);
    EXPECT_EQ(Contenido(muro), "nuevo texto");
}

}  // namespace
}  // namespace tarelvo
