// The parts of a batch on their own: the two CSV forms and the progress line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/batch_progress.h"
#include "cli/csv_dialect.h"

namespace tarelvo {
namespace {

std::vector<std::string> Campos(const std::string& linea, char sep, std::string* error = nullptr) {
    std::vector<std::string> c;
    const std::string e = PartePorCampos(linea, sep, c);
    if (error) *error = e;
    else EXPECT_EQ(e, "") << linea;
    return c;
}

TEST(Csv, FormsFieldsAndQuotes) {
    EXPECT_EQ(DetectaDialecto("Id,Altura").separador, ',');
    EXPECT_EQ(DetectaDialecto("Id;Altura").decimal, ',');
    EXPECT_EQ(DetectaDialecto("\"a;b\",Altura").separador, ',');  // quoted
    EXPECT_EQ(DetectaDialecto("Altura").separador, ',');

    EXPECT_EQ(Campos(" a , b ,,c", ','), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(Campos("\"x, \"\"y\"\"\" ,z", ','), (std::vector<std::string>{"x, \"y\"", "z"}));
    EXPECT_EQ(Campos("2,5;3", ';'), (std::vector<std::string>{"2,5", "3"}));
    EXPECT_EQ(Campos("a,", ','), (std::vector<std::string>{"a", ""}));
    std::string error;
    Campos("\"abierto,b", ',', &error);
    EXPECT_EQ(error, "Faltan las comillas que cierran un campo");
    Campos("\"a\"b,c", ',', &error);
    EXPECT_EQ(error, "Hay texto después de las comillas que cierran un campo");

    // What is written reads back as it was.
    for (const char* texto : {"simple", "con, coma", "con; punto y coma",
                              "\xC3\xB8 1/2\" a 0.30", " borde ", ""}) {
        for (char sep : {',', ';'}) {
            std::string linea;
            AgregaCampo(linea, texto, sep);
            linea += sep;
            AgregaCampo(linea, "fin", sep);
            EXPECT_EQ(Campos(linea, sep), (std::vector<std::string>{texto, "fin"})) << linea;
        }
    }
}

TEST(Progreso, OnATerminalAfterASecondWithFiniteNumbers) {
    EXPECT_EQ(TextoProgreso(0, 0, 0, 0), "Filas calculadas: 0");
    EXPECT_EQ(TextoProgreso(5000, 2, 500, 1000),
              "Filas calculadas: 5000  (2500 filas/s)  faltan 2 s");
    EXPECT_EQ(TextoProgreso(10, 1, 2000, 1000), "Filas calculadas: 10  (10 filas/s)  faltan 0 s");

    using std::chrono::milliseconds;
    std::ostringstream terminal, archivo;
    Progreso p(terminal, true, 0), q(archivo, false, 0);
    const auto t0 = Progreso::Reloj::now();
    p.Avanza(100, 10, t0 + milliseconds(500));
    EXPECT_EQ(terminal.str(), "");  // under a second
    p.Avanza(3000, 10, t0 + milliseconds(1500));
    p.Avanza(3100, 10, t0 + milliseconds(1600));  // too soon to rewrite
    p.Avanza(9000, 10, t0 + milliseconds(3000));
    p.Termina();
    q.Avanza(9000, 10, t0 + milliseconds(3000));
    q.Termina();
    const std::string s = terminal.str();
    EXPECT_EQ(std::count(s.begin(), s.end(), '\r'), 2) << s;
    EXPECT_NE(s.find("Filas calculadas: 9000"), std::string::npos) << s;
    EXPECT_EQ(s.back(), '\n');
    EXPECT_EQ(s.find("inf"), std::string::npos);
    EXPECT_EQ(archivo.str(), "");
}

}  // namespace
}  // namespace tarelvo
