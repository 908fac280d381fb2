#include "export/cad_launch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include <sys/stat.h>

#include "export/detached_start.h"
#include "export/dxf_export.h"
#include "hostile_targets.h"
#include "tests/export/default_wall.h"
#include "tests/export/test_platform.h"

namespace {

namespace fs = prueba::fs;
using prueba::ReadAll;
using prueba::WriteFile;
using tarelvo::ResultadoCad;

const std::string kAcad = "C:\\ACAD\\ACAD.EXE";

// A scratch Wine prefix holding C:\ACAD\acad.exe, and a working folder.
struct Instalacion {
    Instalacion() { fs::create_directories(trabajo); }
    prueba::ScratchFolder raiz;
    prueba::PlataformaPrueba p{raiz.str()};
    fs::path trabajo = raiz.path / "trabajo";
    std::string script() const { return ReadAll(trabajo / "MuroScr.scr"); }
};

std::string Guion(const char* ultima) {
    return std::string("setvar lispinit 0\r\ndxfin Muro1\r\nZoom e\r\nsetvar dimtxt 0.03\r\nsetvar dimexe 0.07\r\n"
                       "setvar dimdec 2\r\nsetvar dimasz 0.03\r\nsetvar dimgap 0.02\r\nsetvar dimexo 0.0625\r\n"
                       "setvar dimzin 0\r\nsetvar dimdsep .\r\ndim1 update all \r\n") + ultima + "\r\n";
}

void Ejecutable(const fs::path& ruta, const std::string& texto, mode_t modo = 0755) {
    WriteFile(ruta, texto);
    ::chmod(ruta.c_str(), modo);
}

TEST(LanzaCad, WritesTheScriptAndStartsTheWindowsProgramThroughWine) {
    Instalacion i;
    EXPECT_EQ(tarelvo::LanzaCad(i.p, kAcad, "Muro1", i.trabajo.string()).estado, ResultadoCad::Iniciado);
    EXPECT_EQ(i.script(), Guion("save Muro1.dwg"));
    EXPECT_EQ(i.p.iniciado, (std::vector<std::string>{"wine", kAcad, "/b", "muroscr", i.trabajo.string()}));
    // The drawing is there already (the Windows program sees it whatever its case).
    WriteFile(i.trabajo / "MURO1.DWG");
    tarelvo::LanzaCad(i.p, kAcad, "Muro1", i.trabajo.string());
    EXPECT_EQ(i.script(), Guion("save Muro1.dwg y"));
}

TEST(LanzaCad, FailuresTakeTheFailurePathWithTheirCause) {
    Instalacion i;
    ResultadoCad r = tarelvo::LanzaCad(i.p, "C:\\OTRO\\ACAD.EXE", "Muro1", i.trabajo.string());
    EXPECT_EQ(r.estado, ResultadoCad::ArchivoNoExiste);
    EXPECT_EQ(r.mensaje, "C:\\OTRO\\ACAD.EXE\r \rArchivo no existe");

    const std::string sinCarpeta = (i.raiz.path / "no_existe").string();
    r = tarelvo::LanzaCad(i.p, kAcad, "Muro1", sinCarpeta);
    EXPECT_EQ(r.estado, ResultadoCad::NoIniciado);
    EXPECT_EQ(r.mensaje, "No se puede iniciar AutoCad. No se puede guardar el archivo " + sinCarpeta +
                             "/MuroScr.scr: Nombre de Archivo Ilegal");
    EXPECT_EQ(i.p.inicios, 0);

    i.p.fallo = "la causa";
    r = tarelvo::LanzaCad(i.p, kAcad, "Muro1", i.trabajo.string());
    EXPECT_EQ(r.estado, ResultadoCad::NoIniciado);
    EXPECT_EQ(r.mensaje, "No se puede iniciar AutoCad (C:\\ACAD\\ACAD.EXE /b muroscr): la causa");
}

TEST(LanzaCad, AScriptThatCannotBeWrittenWholeLeavesTheOldOne) {
    Instalacion i;
    tarelvo::prueba::DiscoPequeno disco(256 * 1024);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string guion = disco / "MuroScr.scr";
    WriteFile(guion, "viejo");
    disco.Llena();
    const ResultadoCad r = tarelvo::LanzaCad(i.p, kAcad, "Muro1", disco.ruta);
    EXPECT_EQ(r.estado, ResultadoCad::NoIniciado);
    EXPECT_EQ(r.mensaje, "No se puede iniciar AutoCad. No se puede guardar el archivo " + guion + ": El Disco Esta Lleno");
    EXPECT_EQ(ReadAll(guion), "viejo");
    EXPECT_EQ(disco.Nombres(), (std::set<std::string>{"MuroScr.scr", "relleno"}));
    EXPECT_EQ(i.p.inicios, 0);
}

TEST(StartDetached, AStandInWineFirstOnPathGetsTheCommandLine) {
    Instalacion i;
    const fs::path registro = i.raiz.path / "argumentos.txt";
    const std::string r = registro.string();
    // Written under another name and moved, so the test never reads half a file.
    Ejecutable(i.raiz.path / "bin" / "wine",
               "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + r + ".tmp' && /bin/mv '" + r +
                   ".tmp' '" + r + "'\n");
    prueba::PathVar path((i.raiz.path / "bin").string() + ":/usr/bin:/bin");
    tarelvo::PlataformaPosix real(i.raiz.str());
    const ResultadoCad res = tarelvo::LanzaCad(real, kAcad, "Muro1", i.trabajo.string());
    ASSERT_EQ(res.estado, ResultadoCad::Iniciado) << res.mensaje;
    for (int n = 0; n < 100 && !fs::exists(registro); ++n) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ReadAll(registro), fs::canonical(i.trabajo).string() + "\nC:\\ACAD\\ACAD.EXE\n/b\nmuroscr\n");
}

TEST(StartDetached, AProgramThatCannotStartIsReportedWithItsCause) {
    prueba::ScratchFolder f;
    const fs::path bin = f.path / "bin";
    fs::create_directories(bin);
    std::string error;
    {
        prueba::PathVar path(bin.string());
        EXPECT_FALSE(tarelvo::StartDetached("wine", {}, f.str(), &error));
        EXPECT_EQ(error, "no se encuentra el programa wine en las carpetas de PATH");
        Ejecutable(bin / "wine", "#!/bin/sh\n", 0644);
        EXPECT_FALSE(tarelvo::StartDetached("wine", {}, f.str(), &error));
        EXPECT_EQ(error, "el archivo " + (bin / "wine").string() + " no es ejecutable");
    }
    // Refused only once the new process tries to become it.
    Ejecutable(f.path / "basura", "\x01\x02 no es un programa");
    EXPECT_FALSE(tarelvo::StartDetached((f.path / "basura").string(), {}, f.str(), &error));
    EXPECT_EQ(error, "el archivo " + (f.path / "basura").string() + " no es un programa");
    EXPECT_FALSE(tarelvo::StartDetached("/bin/true", {}, f.str() + "/no_existe", &error));
    EXPECT_EQ(error, "no se puede entrar en la carpeta " + f.str() + "/no_existe: carpeta inexistente");
}

TEST(ImprimeDxf, TheDrawingReplacesAnOldOneOrItsFailureEndsTheExport) {
    Instalacion i;
    WriteFile(i.trabajo / "Muro1.dxf", std::string(10000, 'x'));
    const auto e = prueba::MuroPorDefecto();
    EXPECT_EQ(tarelvo::ImprimeDxf(e, "Muro1", kAcad, i.trabajo.string(), i.p).estado, ResultadoCad::Iniciado);
    EXPECT_EQ(ReadAll(i.trabajo / "Muro1.dxf"), tarelvo::DibujaMuro(e).bytes());
    EXPECT_EQ(i.script(), Guion("save Muro1.dwg"));

    const std::string sinCarpeta = (i.raiz.path / "no_existe").string();
    ResultadoCad r = tarelvo::ImprimeDxf(e, "Muro1", kAcad, sinCarpeta, i.p);
    EXPECT_EQ(r.estado, ResultadoCad::DxfFallido);
    EXPECT_EQ(r.mensaje, "No se puede guardar el archivo " + sinCarpeta + "/Muro1.dxf: Nombre de Archivo Ilegal");
    EXPECT_EQ(tarelvo::ImprimeDxf(e, "../Muro1", kAcad, i.trabajo.string(), i.p).estado, ResultadoCad::DxfFallido);
    EXPECT_EQ(i.p.inicios, 1);
    EXPECT_FALSE(fs::exists(i.raiz.path / "Muro1.dxf"));
}

TEST(ImprimeDxf, BaseNamesAndTheOverwriteQuestion) {
    EXPECT_EQ(tarelvo::PreguntaSobreescribe("Muro1"), "El archivo Muro1.dwg existe\rDesea sobre-escribirlo");
    EXPECT_EQ(tarelvo::ValidaNombreBase("Muro de prueba"), "");
    EXPECT_EQ(tarelvo::ValidaNombreBase("  "), "Escriba el nombre para el archivo de AutoCad.");
    for (const char* malo : {"a\\b", "a/b", "c:muro", "mu*ro", "mu?ro", "mu\"ro", "mu<ro>", "mu|ro"}) {
        EXPECT_NE(tarelvo::ValidaNombreBase(malo), "") << malo;
    }
}

}  // namespace
