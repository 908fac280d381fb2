// The programs' five outputs on hostile targets, run as the engineer runs them from a shell:
// open descriptors (/dev/stdout, /dev/stderr, /dev/fd/N) appended to or piped, a file size
// limit, read-only files, kept permissions and hard links, and another user's saves. --pdf and
// --diag go through the desktop program, so both programs are tried.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "hostile_targets.h"

namespace tarelvo {
namespace {

using prueba::Carpeta;
using prueba::Contenido;
using prueba::Escribe;

const std::string kCalc = TARELVO_CALC;
const std::string kPrevio = "previo\n";

#ifdef TARELVO_CON_REPORTE
const std::vector<std::string> kSalidas = {"--save", "--dxf", "--dxf-cad", "--pdf", "--diag"};
#else
const std::vector<std::string> kSalidas = {"--save", "--dxf", "--dxf-cad"};
#endif

// The exit status of a shell command line run in the folder `c`.
int Sh(const Carpeta& c, const std::string& linea) {
    const int r = std::system(("cd '" + c.ruta + "' && " + linea).c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

std::string Tool(const std::string& opcion, const std::string& ruta) {
    return "'" + kCalc + "' " + opcion + " " + ruta;
}

// What the output is, as far as it is the same on every run: all of a project or a drawing,
// the signature of a report or a picture.
std::string Firma(const std::string& opcion, const std::string& texto) {
    return opcion == "--pdf" || opcion == "--diag" ? texto.substr(0, 4) : texto;
}

struct stat Datos(const std::string& ruta) {
    struct stat d {};
    EXPECT_EQ(stat(ruta.c_str(), &d), 0) << ruta;
    return d;
}

TEST(CalcToolTargets, DescriptorsAreWrittenThroughAppendedOrPiped) {
    for (const std::string& opcion : kSalidas) {
        Carpeta c;
        ASSERT_EQ(Sh(c, Tool(opcion, "salida") + " >/dev/null"), 0) << opcion;
        const std::string esperado = kPrevio + Firma(opcion, Contenido(c / "salida"));
        const auto Agregado = [&](const std::string& archivo) {
            const std::string t = Contenido(c / archivo);
            return t.substr(0, esperado.size());
        };
        for (const char* archivo : {"out.log", "err.log", "fd5.log"})
            ASSERT_TRUE(Escribe(c / archivo, kPrevio));

        EXPECT_EQ(Sh(c, Tool(opcion, "/dev/stdout") + " >>out.log 2>/dev/null"), 0) << opcion;
        EXPECT_EQ(Agregado("out.log"), esperado) << opcion;
        EXPECT_EQ(Sh(c, Tool(opcion, "/dev/stderr") + " 2>>err.log >/dev/null"), 0) << opcion;
        EXPECT_EQ(Agregado("err.log"), esperado) << opcion;
        EXPECT_EQ(Sh(c, Tool(opcion, "/dev/fd/5") + " 5>>fd5.log >/dev/null"), 0) << opcion;
        EXPECT_EQ(Agregado("fd5.log"), esperado) << opcion;

        // Into a pipe, which has no name to follow.
        EXPECT_EQ(Sh(c, "{ " + Tool(opcion, "/dev/stdout") +
                            " 2>mensajes; echo $? >estado; } | cat >tubo"), 0);
        EXPECT_EQ(Contenido(c / "estado"), "0\n") << opcion << ": " << Contenido(c / "mensajes");
        EXPECT_EQ(Contenido(c / "tubo").substr(0, esperado.size() - kPrevio.size()),
                  esperado.substr(kPrevio.size()))
            << opcion;
    }
}

TEST(CalcToolTargets, AFileSizeLimitIsAFullDisk) {
    for (const std::string& opcion : kSalidas) {
        Carpeta c, fuera;
        ASSERT_TRUE(Escribe(c / "salida", "el viejo"));
        // Only the program runs under the limit; what it says goes through a pipe.
        Sh(c, "{ (ulimit -f 0; exec " + Tool(opcion, "salida") + ") 2>&1; echo $? >'" +
                  fuera / "estado" + "'; } | cat >'" + fuera / "mensajes" + "'");
        EXPECT_EQ(Contenido(fuera / "estado"), "4\n") << opcion;
        EXPECT_NE(Contenido(fuera / "mensajes")
                      .find("No se puede guardar el archivo salida: El Disco Esta Lleno"),
                  std::string::npos)
            << opcion << ": " << Contenido(fuera / "mensajes");
        EXPECT_EQ(Contenido(c / "salida"), "el viejo") << opcion;
        EXPECT_EQ(c.Nombres(), std::set<std::string>{"salida"}) << opcion;
    }
}

TEST(CalcToolTargets, ReadOnlyFilesAreRefusedOthersKeepWhatTheyWere) {
    for (const std::string& opcion : kSalidas) {
        Carpeta c;
        ASSERT_TRUE(Escribe(c / "firmado", "firmado"));
        ASSERT_EQ(chmod((c / "firmado").c_str(), 0444), 0);
        EXPECT_EQ(Sh(c, Tool(opcion, "firmado") + " >/dev/null 2>err"), 4) << opcion;
        EXPECT_EQ(Contenido(c / "err"),
                  "No se puede guardar el archivo firmado: El archivo es de solo lectura\n");
        EXPECT_EQ(Contenido(c / "firmado"), "firmado");

        ASSERT_TRUE(Escribe(c / "privado", "viejo"));
        ASSERT_EQ(chmod((c / "privado").c_str(), 0600), 0);
        if (geteuid() == 0) {
            ASSERT_EQ(chown((c / "privado").c_str(), prueba::kNadie, prueba::kNadaGrupo), 0);
        }
        ASSERT_EQ(link((c / "privado").c_str(), (c / "enlazado").c_str()), 0);
        EXPECT_EQ(Sh(c, Tool(opcion, "enlazado") + " >/dev/null"), 0) << opcion;
        const struct stat d = Datos(c / "privado");
        EXPECT_EQ(d.st_mode & 07777, 0600u) << opcion;
        EXPECT_EQ(d.st_nlink, 2u) << opcion;
        EXPECT_EQ(d.st_uid, geteuid() == 0 ? prueba::kNadie : geteuid()) << opcion;
        EXPECT_NE(Contenido(c / "privado"), "viejo") << opcion;
    }
}

TEST(CalcToolTargets, AnotherUserMayNotReplaceWhatItMayNotWrite) {
    if (geteuid() != 0 || Sh(Carpeta(), "command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "hace falta root y setpriv para actuar como otro usuario";
    for (const std::string& opcion : kSalidas) {
        Carpeta c;
        ASSERT_EQ(chmod(c.ruta.c_str(), 0777), 0);
        ASSERT_TRUE(Escribe(c / "de-root", "de root"));
        ASSERT_TRUE(Escribe(c / "suyo", "suyo"));
        ASSERT_EQ(chmod((c / "suyo").c_str(), 0600), 0);
        ASSERT_EQ(chown((c / "suyo").c_str(), prueba::kNadie, prueba::kNadaGrupo), 0);
        const std::string nadie = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        EXPECT_EQ(Sh(c, nadie + Tool(opcion, "de-root") + " >/dev/null 2>err"), 4) << opcion;
        EXPECT_NE(Contenido(c / "err").find("El archivo es de solo lectura"), std::string::npos)
            << opcion << ": " << Contenido(c / "err");
        EXPECT_EQ(Contenido(c / "de-root"), "de root");
        EXPECT_EQ(Sh(c, nadie + Tool(opcion, "suyo") + " >/dev/null"), 0) << opcion;
        EXPECT_EQ(Datos(c / "suyo").st_mode & 07777, 0600u) << opcion;
    }
}

}  // namespace
}  // namespace tarelvo
