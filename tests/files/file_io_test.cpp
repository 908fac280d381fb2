#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <string>

#include "hostile_targets.h"

// Every failure below comes from a real operation, none from permissions.

namespace tarelvo {
namespace {

const char* const kNombreIlegal = "Nombre de Archivo Ilegal";
const char* const kDiscoLleno = "El Disco Esta Lleno";
const char* const kDemasiadoGrande = "El archivo es demasiado grande para ser un proyecto";

using prueba::Carpeta;

TEST(EscribeTodo, AFullDeviceIsReportedAsAFullDisk) {
    const int fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0) GTEST_SKIP() << "/dev/full no existe";
    const ResultadoArchivo lleno = EscribeTodo(fd, "texto");
    close(fd);
    EXPECT_EQ(lleno.errnoValue, ENOSPC);
    EXPECT_EQ(lleno.mensaje, kDiscoLleno);
    EXPECT_TRUE(lleno.alEscribir);
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
