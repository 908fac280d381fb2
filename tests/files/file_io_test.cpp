#include "files/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

// Every failure below comes from a real operation; the tests run as root, so none relies on
// permissions.

namespace tarelvo {
namespace {

const char* const kNombreIlegal = "Nombre de Archivo Ilegal";
const char* const kDiscoLleno = "El Disco Esta Lleno";
const char* const kDemasiadoGrande = "El archivo es demasiado grande para ser un proyecto";

// A fresh folder, removed with everything in it at the end.
struct Carpeta {
    std::string ruta;
    Carpeta() {
        char plantilla[] = "/tmp/tarelvo-files-XXXXXX";
        if (mkdtemp(plantilla)) ruta = plantilla;
    }
    ~Carpeta() { std::system(("rm -rf '" + ruta + "'").c_str()); }
    std::string operator/(const std::string& nombre) const { return ruta + "/" + nombre; }
    std::set<std::string> Nombres() const {
        std::set<std::string> nombres;
        if (DIR* d = opendir(ruta.c_str())) {
            while (const dirent* e = readdir(d))
                if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") nombres.insert(e->d_name);
            closedir(d);
        }
        return nombres;
    }
};

std::string Contenido(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

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
}

TEST(GuardaArchivoSeguro, BadNamesGiveTheIllegalNameMessage) {
    Carpeta c;
    std::ofstream(c / "archivo") << "soy un archivo";
    const struct { std::string ruta; int error; } casos[] = {
        {c / "no-such-dir/a.mur", ENOENT},
        {c / "archivo/a.mur", ENOTDIR},
        {c / (std::string(300, 'n') + ".mur"), ENAMETOOLONG},
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

TEST(GuardaArchivoSeguro, AFailedRenameRemovesTheTemporaryFile) {
    // Saving over a folder fails only at the rename, once the whole text is on the disk.
    Carpeta c;
    ASSERT_EQ(mkdir((c / "carpeta.mur").c_str(), 0755), 0);
    const ResultadoArchivo r = GuardaArchivoSeguro(c / "carpeta.mur", "texto");
    EXPECT_EQ(r.errnoValue, EISDIR);
    EXPECT_EQ(r.mensaje, "El nombre corresponde a una carpeta");
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"carpeta.mur"});
}

TEST(GuardaArchivoSeguro, AFullDiskKeepsTheOldFileByteForByte) {
    Carpeta c;
    const std::string ruta = c / "muro.mur";
    const std::string viejo = "Muro viejo\r\n 0  0  0 \r\n";
    ASSERT_TRUE(GuardaArchivoSeguro(ruta, viejo).ok);

    // The process's file size limit makes writes fail with EFBIG as a full disk would, even for
    // root; its signal is ignored so that the write reports the error.
    rlimit antes{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
    rlimit limite = antes;
    limite.rlim_cur = 4096;
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const ResultadoArchivo r = GuardaArchivoSeguro(ruta, std::string(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal);

    EXPECT_EQ(r.errnoValue, EFBIG);
    EXPECT_EQ(r.mensaje, kDiscoLleno);
    EXPECT_EQ(Contenido(ruta), viejo);
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"muro.mur"});

    const int fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const ResultadoArchivo lleno = EscribeTodo(fd, "texto");
    close(fd);
    EXPECT_EQ(lleno.errnoValue, ENOSPC);
    EXPECT_EQ(lleno.mensaje, kDiscoLleno);
}

TEST(LeeArchivoProyecto, ReadsWholeFilesUpToTheLimit) {
    Carpeta c;
    const std::string texto(64 * 1024, 'a');
    std::ofstream(c / "justo.mur") << texto;
    std::string leido = "basura previa";
    ASSERT_TRUE(LeeArchivoProyecto(c / "justo.mur", leido).ok);
    EXPECT_EQ(leido, texto);
    std::ofstream(c / "mas.mur") << texto << 'b';
    const ResultadoArchivo mas = LeeArchivoProyecto(c / "mas.mur", leido);
    EXPECT_EQ(mas.mensaje, kDemasiadoGrande);
    EXPECT_EQ(leido, "");

    // A sparse file of 4 GiB is refused without reading it.
    const int fd = open((c / "enorme.mur").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, off_t(1) << 32), 0);
    close(fd);
    EXPECT_EQ(LeeArchivoProyecto(c / "enorme.mur", leido).mensaje, kDemasiadoGrande);
    EXPECT_LT(leido.capacity(), 1u << 20);
    // A file that reports a size of 0 is still held to the limit.
    EXPECT_EQ(LeeArchivoProyecto("/proc/self/maps", leido, 10).mensaje, kDemasiadoGrande);
    EXPECT_EQ(leido, "");
}

TEST(LeeArchivoProyecto, RefusesWhatIsNotAFile) {
    Carpeta c;
    std::string leido;
    EXPECT_EQ(LeeArchivoProyecto(c / "no-such-dir/a.mur", leido).mensaje, kNombreIlegal);
    EXPECT_EQ(LeeArchivoProyecto(c / std::string(300, 'n'), leido).errnoValue, ENAMETOOLONG);
    EXPECT_EQ(LeeArchivoProyecto(c.ruta, leido).mensaje, "El nombre corresponde a una carpeta");
    // A pipe nobody writes to, and an endless device, must not block or fill the memory.
    ASSERT_EQ(mkfifo((c / "tubo.mur").c_str(), 0644), 0);
    EXPECT_EQ(LeeArchivoProyecto(c / "tubo.mur", leido).mensaje, "El nombre no corresponde a un archivo");
    EXPECT_FALSE(LeeArchivoProyecto("/dev/zero", leido).ok);
    EXPECT_EQ(leido, "");
}

}  // namespace
}  // namespace tarelvo
