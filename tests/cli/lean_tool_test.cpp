// The tarelvo-calc program itself: it links no Qt library, hands --pdf to the desktop program
// beside it, and runs a batch from a file or the standard input.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "hostile_targets.h"

namespace tarelvo {
namespace {

using prueba::Carpeta;
using prueba::Contenido;

struct Proceso {
    int estado;
    std::string out, err;
};

// Runs a shell command line with its output (into `salida` when given) and messages kept.
Proceso Ejecuta(const Carpeta& c, const std::string& linea, std::string salida = "") {
    const std::string out = c / "salida.txt", err = c / "mensajes.txt";
    if (salida.empty()) salida = out;
    const int r = std::system((linea + " >'" + salida + "' 2>'" + err + "'").c_str());
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Contenido(out), Contenido(err)};
}

const std::string kCalc = TARELVO_CALC;

TEST(HerramientaLigera, LinksNoQtLibrary) {
    Carpeta c;
    const Proceso p = Ejecuta(c, "ldd '" + kCalc + "'");
    if (p.estado != 0) GTEST_SKIP() << "ldd: " << p.err;
    EXPECT_NE(p.out.find("libstdc++"), std::string::npos) << p.out;
    EXPECT_EQ(p.out.find("Qt"), std::string::npos) << p.out;
}

TEST(HerramientaLigera, ThePdfIsWrittenByTheDesktopProgram) {
    Carpeta c;
    const std::string pdf = c / "reporte.pdf";
    const Proceso p = Ejecuta(c, "'" + kCalc + "' --pdf '" + pdf + "'");
#ifdef TARELVO_CON_REPORTE
    ASSERT_EQ(p.estado, 0) << p.err;
    EXPECT_EQ(p.out.substr(0, 13), "MURO ESTABLE\n");
    EXPECT_EQ(Contenido(pdf).substr(0, 5), "%PDF-");
    // The same arguments, the same messages.
    const Proceso mal = Ejecuta(c, "'" + kCalc + "' --pdf '" + pdf + "' Altura=-1");
    EXPECT_EQ(mal.estado, 2);
    EXPECT_NE(mal.err.find("Altura=-1 no se acepta"), std::string::npos) << mal.err;
#else
    EXPECT_EQ(p.estado, 4);
#endif
    // A tool without the desktop program beside it says so.
    const std::string sola = c / "tarelvo-calc";
    std::filesystem::copy_file(kCalc, sola);
    const Proceso s = Ejecuta(c, "'" + sola + "' --pdf '" + pdf + "'");
    EXPECT_EQ(s.estado, 4);
    EXPECT_NE(s.err.find("no está instalado junto a tarelvo-calc"), std::string::npos) << s.err;
}

TEST(HerramientaLigera, BatchFromAFileOrTheStandardInput) {
    Carpeta c;
    const std::string tabla = c / "tramos.csv";
    std::string texto = "Id;Altura;Sobrec\n";
    for (int i = 0; i < 300; ++i)
        texto += "T" + std::to_string(i) + ";" + std::to_string(2 + i % 30 / 10) + "," +
                 std::to_string(i % 10) + ";1\n";
    ASSERT_TRUE(prueba::Escribe(tabla, texto));
    const Proceso uno = Ejecuta(c, "'" + kCalc + "' --batch '" + tabla + "' --jobs 1");
    ASSERT_EQ(uno.estado, 0) << uno.err;
    EXPECT_EQ(uno.err, "");
    // Rows, not lines: a warning of several lines is one quoted field.
    std::size_t filas = 0;
    bool comillas = false;
    for (const char ch : uno.out) {
        filas += ch == '\n' && !comillas;
        comillas ^= ch == '"';
    }
    EXPECT_EQ(filas, 301u);
    const Proceso dos = Ejecuta(c, "'" + kCalc + "' --batch '" + tabla + "' --jobs 2");
    EXPECT_EQ(dos.out, uno.out);
    const Proceso entrada = Ejecuta(c, "'" + kCalc + "' --batch - < '" + tabla + "'");
    EXPECT_EQ(entrada.out, uno.out);
    // Results that cannot be written are not reported as written.
    const Proceso lleno = Ejecuta(c, "'" + kCalc + "' --batch '" + tabla + "'", "/dev/full");
    EXPECT_EQ(lleno.estado, 4);
    EXPECT_NE(lleno.err.find("No se pudo escribir la tabla de resultados"), std::string::npos)
        << lleno.err;
}

}  // namespace
}  // namespace tarelvo
