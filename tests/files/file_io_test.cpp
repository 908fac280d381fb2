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

namespace tarelvo {
namespace {

const char* const kNombreIlegal = "Nombre de Archivo Ilegal";
const char* const kDiscoLleno = "El Disco Esta Lleno";
const char* const kDemasiadoGrande = "El archivo es demasiado grande para ser un proyecto";

// A fresh folder for one test, removed with everything in it at the end.
class Carpeta {
public:
    Carpeta() {
        char plantilla[] = "/tmp/tarelvo-files-XXXXXX";
        const char* creada = mkdtemp(plantilla);
        if (creada) ruta_ = creada;
    }
    ~Carpeta() {
        if (!ruta_.empty()) std::system(("rm -rf '" + ruta_ + "'").c_str());
    }
    const std::string& ruta() const { return ruta_; }
    std::string operator/(const std::string& nombre) const { return ruta_ + "/" + nombre; }

    std::set<std::string> Nombres() const {
        std::set<std::string> nombres;
        if (DIR* d = opendir(ruta_.c_str())) {
            while (const dirent* e = readdir(d)) {
                const std::string n = e->d_name;
                if (n != "." && n != "..") nombres.insert(n);
            }
            closedir(d);
        }
        return nombres;
    }

private:
    std::string ruta_;
};

std::string Contenido(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void Escribe(const std::string& ruta, const std::string& texto) {
    std::ofstream(ruta, std::ios::binary) << texto;
}

TEST(TextoErrorArchivo, GroupsErrorsIntoTheProgramsMessages) {
    for (const int e : {EIO, ENXIO, ENODEV, EBUSY}) EXPECT_EQ(TextoErrorArchivo(e), "El Disco no Esta Listo") << e;
    for (const int e : {ENOSPC, EDQUOT, EFBIG}) EXPECT_EQ(TextoErrorArchivo(e), kDiscoLleno) << e;
    for (const int e : {ENOENT, ENOTDIR, ENAMETOOLONG, EINVAL, EILSEQ, ELOOP})
        EXPECT_EQ(TextoErrorArchivo(e), kNombreIlegal) << e;
    EXPECT_EQ(TextoErrorArchivo(EACCES), "Permiso denegado");
    EXPECT_EQ(TextoErrorArchivo(EROFS), "Disco protegido contra escritura");
    // Anything else still says what happened.
    const std::string otro = TextoErrorArchivo(EXDEV);
    EXPECT_EQ(otro.rfind("Error de archivo: ", 0), 0u) << otro;
    EXPECT_GT(otro.size(), std::string("Error de archivo: ").size());
}

// ---------------------------------------------------------------------------------------------

TEST(GuardaArchivoSeguro, CreatesOrReplacesTheFileAndLeavesNothingElse) {
    Carpeta c;
    ASSERT_FALSE(c.ruta().empty());
    const std::string ruta = c / "muro.mur";

    const ResultadoArchivo nuevo = GuardaArchivoSeguro(ruta, "primero\r\n");
    ASSERT_TRUE(nuevo.ok) << nuevo.mensaje;
    EXPECT_EQ(Contenido(ruta), "primero\r\n");

    const std::string largo(200000, 'z');  // more than one write may take
    const ResultadoArchivo otra = GuardaArchivoSeguro(ruta, largo);
    ASSERT_TRUE(otra.ok) << otra.mensaje;
    EXPECT_EQ(Contenido(ruta), largo);

    ASSERT_TRUE(GuardaArchivoSeguro(ruta, "").ok);
    EXPECT_EQ(Contenido(ruta), "");
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"muro.mur"});

    // A new file gets the usual permissions, not the private ones of a temporary file.
    struct stat datos {};
    ASSERT_EQ(stat(ruta.c_str(), &datos), 0);
    const mode_t mascara = umask(0);
    umask(mascara);
    EXPECT_EQ(datos.st_mode & 0777, 0666 & ~mascara);
}

TEST(GuardaArchivoSeguro, WorksWithARelativeName) {
    Carpeta c;
    char antes[4096];
    ASSERT_NE(getcwd(antes, sizeof antes), nullptr);
    ASSERT_EQ(chdir(c.ruta().c_str()), 0);
    const ResultadoArchivo r = GuardaArchivoSeguro("relativo.mur", "x");
    ASSERT_EQ(chdir(antes), 0);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(Contenido(c / "relativo.mur"), "x");
    EXPECT_EQ(c.Nombres().size(), 1u);
}

TEST(GuardaArchivoSeguro, ANameAtTheFileSystemLimitStillSaves) {
    // The temporary name must not be the one that is too long.
    Carpeta c;
    const std::string nombre = std::string(251, 'm') + ".mur";
    const ResultadoArchivo r = GuardaArchivoSeguro(c / nombre, "x");
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(c.Nombres(), std::set<std::string>{nombre});
}

TEST(GuardaArchivoSeguro, BadNamesGiveTheIllegalNameMessage) {
    Carpeta c;
    Escribe(c / "archivo", "soy un archivo");

    const std::string rutas[] = {
        c / "no-such-dir/a.mur",         // missing folder
        c / "archivo/a.mur",             // the folder is a file
        c / (std::string(300, 'n') + ".mur"),  // name too long
        "",
    };
    const int errores[] = {ENOENT, ENOTDIR, ENAMETOOLONG, ENOENT};
    for (int k = 0; k < 4; ++k) {
        const ResultadoArchivo r = GuardaArchivoSeguro(rutas[k], "x");
        EXPECT_FALSE(r.ok) << rutas[k];
        EXPECT_EQ(r.errnoValue, errores[k]) << rutas[k];
        EXPECT_EQ(r.mensaje, kNombreIlegal) << rutas[k];
    }
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"archivo"});
    EXPECT_EQ(Contenido(c / "archivo"), "soy un archivo");
}

TEST(GuardaArchivoSeguro, AFailedRenameRemovesTheTemporaryFile) {
    // Saving over a folder fails only at the rename, after the whole text went to the disk.
    Carpeta c;
    ASSERT_EQ(mkdir((c / "carpeta.mur").c_str(), 0755), 0);
    Escribe(c / "carpeta.mur/dentro", "intacto");

    const ResultadoArchivo r = GuardaArchivoSeguro(c / "carpeta.mur", "texto");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errnoValue, EISDIR);
    EXPECT_EQ(r.mensaje, "El nombre corresponde a una carpeta");
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"carpeta.mur"});
    EXPECT_EQ(Contenido(c / "carpeta.mur/dentro"), "intacto");
}

// The file size limit of the process makes writes fail with EFBIG as a full disk would, even as
// root; the signal it raises is ignored so that the write reports the error instead.
class LimiteDeTamano {
public:
    explicit LimiteDeTamano(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &antes_);
        senal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nuevo = antes_;
        nuevo.rlim_cur = bytes;
        activo_ = setrlimit(RLIMIT_FSIZE, &nuevo) == 0;
    }
    ~LimiteDeTamano() {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, senal_);
    }
    bool activo() const { return activo_; }

private:
    rlimit antes_{};
    void (*senal_)(int) = nullptr;
    bool activo_ = false;
};

TEST(GuardaArchivoSeguro, AFullDiskKeepsTheOldFileByteForByte) {
    Carpeta c;
    const std::string ruta = c / "muro.mur";
    const std::string viejo = "Muro viejo\r\n 0  0  0 \r\n";
    ASSERT_TRUE(GuardaArchivoSeguro(ruta, viejo).ok);

    ResultadoArchivo r;
    {
        LimiteDeTamano limite(4096);
        ASSERT_TRUE(limite.activo());
        r = GuardaArchivoSeguro(ruta, std::string(100000, 'n'));
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errnoValue, EFBIG);
    EXPECT_EQ(r.mensaje, kDiscoLleno);
    EXPECT_EQ(Contenido(ruta), viejo);
    EXPECT_EQ(c.Nombres(), std::set<std::string>{"muro.mur"});
}

TEST(EscribeTodo, DevFullReportsAFullDisk) {
    const int fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0) GTEST_SKIP() << "/dev/full is not available";
    const ResultadoArchivo r = EscribeTodo(fd, "texto");
    close(fd);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errnoValue, ENOSPC);
    EXPECT_EQ(r.mensaje, kDiscoLleno);
}

TEST(EscribeTodo, AClosedDescriptorIsAnError) {
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    close(tubo[0]);
    close(tubo[1]);
    const ResultadoArchivo r = EscribeTodo(tubo[1], "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errnoValue, EBADF);
    EXPECT_FALSE(r.mensaje.empty());
}

// ---------------------------------------------------------------------------------------------

TEST(LeeArchivoProyecto, ReadsTheWholeFileUpToTheLimit) {
    Carpeta c;
    const std::string texto(64 * 1024, 'a');
    Escribe(c / "justo.mur", texto);
    std::string leido = "basura previa";
    const ResultadoArchivo r = LeeArchivoProyecto(c / "justo.mur", leido);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(leido, texto);

    Escribe(c / "vacio.mur", "");
    ASSERT_TRUE(LeeArchivoProyecto(c / "vacio.mur", leido).ok);
    EXPECT_EQ(leido, "");

    Escribe(c / "chico.mur", "12345");
    EXPECT_TRUE(LeeArchivoProyecto(c / "chico.mur", leido, 5).ok);
    EXPECT_FALSE(LeeArchivoProyecto(c / "chico.mur", leido, 4).ok);
    EXPECT_EQ(leido, "");
}

TEST(LeeArchivoProyecto, RefusesAHugeFileWithoutReadingIt) {
    Carpeta c;
    const std::string ruta = c / "enorme.mur";
    const int fd = open(ruta.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, off_t(1) << 32), 0);  // 4 GiB, sparse
    close(fd);
    std::string leido;
    const ResultadoArchivo r = LeeArchivoProyecto(ruta, leido);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.mensaje, kDemasiadoGrande);
    EXPECT_EQ(leido, "");
    EXPECT_LT(leido.capacity(), 1u << 20);

    // A file whose reported size is 0 is still held to the limit.
    const ResultadoArchivo proc = LeeArchivoProyecto("/proc/self/maps", leido, 10);
    EXPECT_FALSE(proc.ok);
    EXPECT_EQ(proc.mensaje, kDemasiadoGrande);
}

TEST(LeeArchivoProyecto, RefusesWhatIsNotAFile) {
    Carpeta c;
    std::string leido;

    const ResultadoArchivo falta = LeeArchivoProyecto(c / "no-such-dir/a.mur", leido);
    EXPECT_FALSE(falta.ok);
    EXPECT_EQ(falta.mensaje, kNombreIlegal);

    const ResultadoArchivo largo = LeeArchivoProyecto(c / std::string(300, 'n'), leido);
    EXPECT_EQ(largo.errnoValue, ENAMETOOLONG);
    EXPECT_EQ(largo.mensaje, kNombreIlegal);

    const ResultadoArchivo carpeta = LeeArchivoProyecto(c.ruta(), leido);
    EXPECT_FALSE(carpeta.ok);
    EXPECT_EQ(carpeta.errnoValue, EISDIR);
    EXPECT_EQ(carpeta.mensaje, "El nombre corresponde a una carpeta");

    // A pipe nobody writes to must not block the program.
    ASSERT_EQ(mkfifo((c / "tubo.mur").c_str(), 0644), 0);
    const ResultadoArchivo tubo = LeeArchivoProyecto(c / "tubo.mur", leido);
    EXPECT_FALSE(tubo.ok);
    EXPECT_EQ(tubo.mensaje, "El nombre no corresponde a un archivo");

    const ResultadoArchivo cero = LeeArchivoProyecto("/dev/zero", leido);
    EXPECT_FALSE(cero.ok);
    EXPECT_EQ(leido, "");
}

}  // namespace
}  // namespace tarelvo
