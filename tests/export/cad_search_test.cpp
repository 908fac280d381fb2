#include "export/cad_search.h"

#include <gtest/gtest.h>

#include "export/cad_paths.h"
#include "tests/export/test_platform.h"

namespace {

using prueba::WriteFile;
using tarelvo::BuscaArchivo;

// A scratch Wine prefix: "c:\" is its drive_c, which holds C:\ACAD\acad.exe.
struct Prefijo {
    prueba::ScratchFolder carpeta;
    prueba::PlataformaPrueba p{carpeta.str()};
    prueba::fs::path c = carpeta.path / "drive_c";
};

TEST(RutaCad, WindowsFormStandsForTheWinePrefixWithoutRegardToCase) {
    Prefijo w;
    WriteFile(w.c / "AutoCad" / "Bin" / "Acad.Exe");
    prueba::fs::create_directories(w.c / "acad");  // beside "ACAD": the exact name wins
    EXPECT_EQ(tarelvo::RutaNativa(w.p, "C:\\AUTOCAD\\BIN\\ACAD.EXE"), (w.c / "AutoCad/Bin/Acad.Exe").string());
    EXPECT_EQ(tarelvo::RutaNativa(w.p, "c:\\acad\\"), (w.c / "acad").string());
    EXPECT_EQ(tarelvo::RutaNativa(w.p, "C:\\ACAD"), (w.c / "ACAD").string());
    EXPECT_EQ(tarelvo::RutaNativa(w.p, "C:\\AUTOCAD\\NO\\ACAD.EXE"), "");
    EXPECT_EQ(tarelvo::RutaNativa(w.p, "/opt/x/acad.exe"), "/opt/x/acad.exe");
    EXPECT_TRUE(tarelvo::ExisteArchivo(w.p, "c:\\autocad\\bin\\acad.exe"));
    EXPECT_FALSE(tarelvo::ExisteArchivo(w.p, "c:\\autocad\\bin"));

    EXPECT_TRUE(tarelvo::TerminaEnAcadExe("C:\\ACAD\\ACAD.EXE"));
    EXPECT_FALSE(tarelvo::TerminaEnAcadExe("C:\\ACAD\\ACADLT.EXE"));
    EXPECT_EQ(tarelvo::QuitaBarrasFinales("C:\\ACAD\\ACAD.EXE\\\\"), "C:\\ACAD\\ACAD.EXE");
}

TEST(BuscaArchivo, DepthFirstInListingOrderSkippingHiddenLinkedAndReadOnlyFolders) {
    Prefijo w;
    const auto r = w.c / "R14";
    WriteFile(r / ".oculta" / "acad.exe");                     // hidden
    prueba::fs::create_directory_symlink(w.c / "ACAD", r / "0enlace");  // a link
    WriteFile(r / "a" / "acad.exe");                            // read-only, below
    WriteFile(r / "b" / "Deep" / "x" / "Acad.exe");
    WriteFile(r / "c" / "ACAD.EXE");
    w.p.soloLectura.insert((r / "a").string());
    int eventos = 0;
    EXPECT_EQ(BuscaArchivo(w.p, "c:\\r14", "acad.exe", [&eventos] { ++eventos; }), "C:\\R14\\B\\DEEP\\X\\ACAD.EXE");
    EXPECT_GT(eventos, 5);
    // The folder itself before its subfolders; a native folder gives the names on disk.
    EXPECT_EQ(BuscaArchivo(w.p, (r / "c").string(), "acad.exe"), (r / "c" / "ACAD.EXE").string());
    EXPECT_EQ(BuscaArchivo(w.p, "c:\\r14", "acadlt.exe"), "");
}

TEST(AcadFind, TheFirstCandidateFolderHoldingAFileIsSearched) {
    Prefijo w;
    prueba::fs::create_directories(w.c / "autocad2000");      // 1: empty
    WriteFile(w.c / "acad2000" / "sub" / "acad.exe");           // 2: only a folder
    WriteFile(w.c / "autocad 2000" / ".oculto");                // 3: only a hidden file
    WriteFile(w.c / "AutoCad" / "leeme.txt");                   // 5: taken
    WriteFile(w.c / "AutoCad" / "Bin" / "acad.exe");
    EXPECT_EQ(tarelvo::AcadFind(w.p), std::optional<std::string>("C:\\AUTOCAD\\BIN\\ACAD.EXE"));
    // The taken folder without the program: an empty result, not the next folder (10, ACAD).
    prueba::fs::remove_all(w.c / "AutoCad" / "Bin");
    EXPECT_EQ(tarelvo::AcadFind(w.p), std::optional<std::string>(""));
    // No candidate folder at all.
    prueba::fs::remove_all(w.c);
    EXPECT_FALSE(tarelvo::AcadFind(w.p).has_value());
}

}  // namespace
