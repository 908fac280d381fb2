// The command line's output files on hostile targets: devices, a full disk, names of the
// longest length, and titles a project file must hold.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calc_run.h"
#include "hostile_targets.h"

namespace tarelvo {
namespace {

using prueba::Carpeta;
using prueba::Contenido;
using prueba::DiscoPequeno;

struct Salida {
    int estado;
    std::string out, err;
};

Salida Calc(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int estado = CorreCalc(args, out, err);
    return {estado, out.str(), err.str()};
}

bool EsDispositivo(const std::string& ruta, unsigned menor) {
    struct stat datos {};
    return lstat(ruta.c_str(), &datos) == 0 && S_ISCHR(datos.st_mode) && datos.st_rdev == makedev(1, menor);
}

std::string Linea(const std::string& texto, const std::string& prefijo) {
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);)
        if (l.rfind(prefijo, 0) == 0) return l;
    return "";
}

#ifdef TARELVO_CON_REPORTE
const std::vector<std::string> kSalidas = {"--save", "--dxf", "--dxf-cad", "--pdf", "--diag"};
#else
const std::vector<std::string> kSalidas = {"--save", "--dxf", "--dxf-cad"};
#endif

TEST(CalcToolOutputs, DevicesAreWrittenAndNeverReplaced) {
    DiscoPequeno disco(1 << 20);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string lleno = disco / "lleno", nulo = disco / "nulo";
    if (const std::string error = prueba::CreaLlenoYNulo(disco); !error.empty())
        GTEST_SKIP() << error;

    // One fault, one message, whatever the output.
    const std::string tubo = disco / "tubo";
    ASSERT_EQ(mkfifo(tubo.c_str(), 0644), 0);
    for (const std::string& opcion : kSalidas) {
        const Salida s = Calc({opcion, lleno});
        EXPECT_EQ(s.estado, 4) << opcion;
        EXPECT_EQ(s.err, "No se puede guardar el archivo " + lleno + ": El Disco Esta Lleno\n")
            << opcion;
        EXPECT_TRUE(EsDispositivo(lleno, 7)) << opcion;
        const Salida sinLector = Calc({opcion, tubo});
        EXPECT_EQ(sinLector.estado, 4) << opcion;
        EXPECT_EQ(sinLector.err,
                  "No se puede guardar el archivo " + tubo + ": El destino no está recibiendo los datos\n")
            << opcion;
    }
    std::vector<std::string> todas;
    for (const std::string& opcion : kSalidas) todas.insert(todas.end(), {opcion, nulo});
    const Salida s = Calc(todas);
    EXPECT_EQ(s.estado, 0) << s.err;
    EXPECT_TRUE(EsDispositivo(nulo, 3));
    EXPECT_EQ(disco.Nombres(), (std::set<std::string>{"lleno", "nulo", "tubo"}));
}

TEST(CalcToolOutputs, AReportThatDoesNotFitLeavesTheOldOne) {
#ifndef TARELVO_CON_REPORTE
    GTEST_SKIP() << "compilado sin el reporte";
#endif
    DiscoPequeno disco(512 * 1024);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string pdf = disco / "reporte.pdf";
    ASSERT_TRUE(prueba::Escribe(pdf, "%PDF- el reporte viejo"));
    disco.Llena();
    const Salida s = Calc({"--pdf", pdf});
    EXPECT_EQ(s.estado, 4);
    EXPECT_NE(s.err.find("El Disco Esta Lleno"), std::string::npos) << s.err;
    EXPECT_EQ(Contenido(pdf), "%PDF- el reporte viejo");
    EXPECT_EQ(disco.Nombres(), (std::set<std::string>{"relleno", "reporte.pdf"}));
}

TEST(CalcToolOutputs, ReportsCanBeWrittenOneAfterAnotherWithoutAScreen) {
#ifndef TARELVO_CON_REPORTE
    GTEST_SKIP() << "compilado sin el reporte";
#endif
    // The second report's own application once lost its off-screen platform and ended the
    // program where no screen was set.
    struct SinPantalla {
        std::string qpa = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
        std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
        SinPantalla() { unsetenv("QT_QPA_PLATFORM"), unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY"); }
        ~SinPantalla() {
            if (!qpa.empty()) setenv("QT_QPA_PLATFORM", qpa.c_str(), 1);
            if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
        }
    } sinPantalla;
    Carpeta c;
    for (const char* nombre : {"uno.pdf", "dos.pdf"}) {
        const Salida s = Calc({"--pdf", c / nombre});
        ASSERT_EQ(s.estado, 0) << s.err;
        EXPECT_EQ(Contenido(c / nombre).substr(0, 5), "%PDF-");
    }
}

TEST(CalcToolOutputs, NamesOfTheLongestLengthAreWrittenAndReplaced) {
    Carpeta c;
    std::vector<std::string> args;
    for (std::size_t i = 0; i < kSalidas.size(); ++i)
        args.insert(args.end(), {kSalidas[i], c / (std::string(246, static_cast<char>('a' + i)) +
                                                   "." + kSalidas[i].substr(2, 3))});
    for (int vez = 0; vez < 2; ++vez) {
        const Salida s = Calc(args);
        ASSERT_EQ(s.estado, 0) << s.err;
    }
    EXPECT_EQ(c.Nombres().size(), kSalidas.size());
    for (const std::string& nombre : c.Nombres()) {
        EXPECT_EQ(nombre.size(), 250u);
        EXPECT_FALSE(Contenido(c / nombre).empty()) << nombre;
    }
}

TEST(CalcToolOutputs, TitlesAreHeldToWhatAProjectFileKeeps) {
    Carpeta c;
    const std::string mur = c / "t.mur";
    std::string enie;
    for (int i = 0; i < 250; ++i) enie += "ñ";
    Salida s = Calc({"--save", mur, "Titulo=" + enie});
    ASSERT_EQ(s.estado, 0) << s.err;
    EXPECT_EQ(Linea(Calc({"--dump", mur}).out, "Titulo="), "Titulo=" + enie);

    s = Calc({"--save", mur, "Titulo=" + enie + "x"});
    EXPECT_EQ(s.estado, 2);
    EXPECT_NE(s.err.find("250 caracteres"), std::string::npos) << s.err;
    s = Calc({"--save", mur, "Titulo=Muro\xC2\x85Norte"});
    EXPECT_EQ(s.estado, 2);
    EXPECT_NE(s.err.find("control"), std::string::npos) << s.err;

    // An older file with a longer title loads as the window shows it, and saves again.
    const std::string viejo = c / "viejo.mur";
    ASSERT_TRUE(prueba::Escribe(viejo, std::string(300, 'L') + "\r\n" + Contenido(mur).substr(enie.size() + 2)));
    s = Calc({"--save", mur, viejo});
    ASSERT_EQ(s.estado, 0) << s.err;
    EXPECT_EQ(Linea(Calc({"--dump", mur}).out, "Titulo="), "Titulo=" + std::string(250, 'L'));
}

}  // namespace
}  // namespace tarelvo

namespace tarelvo {
namespace {

TEST(CalcToolOutputs, TheDrawingForCurrentCadProgramsBesideTheOriginal) {
    Carpeta c;
    const std::string original = c / "muro.dxf", cad = c / "muro-cad.dxf";
    Salida s = Calc({"--dxf", original, "--dxf-cad", cad, "Altura=4", "ConDent=1"});
    ASSERT_EQ(s.estado, 0) << s.err;
    EXPECT_EQ(Contenido(original).rfind(" 0 \r\nSECTION\r\n 2 \r\nENTITIES\r\n", 0), 0u);
    const std::string bytes = Contenido(cad);
    EXPECT_EQ(bytes.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n", 0), 0u);
    EXPECT_NE(bytes.find("COTAS"), std::string::npos);
    EXPECT_NE(Calc({"--help"}).out.find("--dxf-cad ARCHIVO.dxf"), std::string::npos);

    s = Calc({"--dxf-cad"});
    EXPECT_EQ(s.estado, 2);
    EXPECT_EQ(s.err, "Falta el archivo de --dxf-cad\n");

    DiscoPequeno disco(1 << 20);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string lleno = disco / "lleno";
    if (const std::string error = prueba::CreaDispositivo(lleno, 1, 7); !error.empty()) GTEST_SKIP() << error;
    s = Calc({"--dxf-cad", lleno});
    EXPECT_EQ(s.estado, 4);
    EXPECT_NE(s.err.find("No se puede guardar el archivo " + lleno), std::string::npos) << s.err;
    EXPECT_TRUE(EsDispositivo(lleno, 7));
}

}  // namespace
}  // namespace tarelvo
