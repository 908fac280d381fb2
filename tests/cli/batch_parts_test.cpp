// The parts of a batch on their own: the two CSV forms, the records of a table, and the
// progress line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/batch_progress.h"
#include "cli/csv_dialect.h"
#include "cli/line_reader.h"

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

// Each record with the line it began on.
std::vector<std::pair<std::string, std::uint64_t>> Registros(const std::string& texto,
                                                             std::uint64_t* lineas = nullptr) {
    std::istringstream in(texto);
    LectorLineas lector(in, 1 << 20);
    lector.FijaSeparador(',');
    std::vector<std::pair<std::string, std::uint64_t>> r;
    std::string registro;
    bool larga = false;
    while (lector.Siguiente(registro, larga)) r.emplace_back(registro, lector.numeroDeLinea());
    if (lineas) *lineas = lector.lineasLeidas();
    return r;
}

TEST(Csv, RecordsHoldQuotedLineBreaksAndEndInAnyLineEnd) {
    using R = std::vector<std::pair<std::string, std::uint64_t>>;
    std::uint64_t lineas = 0;
    EXPECT_EQ(Registros("a,\"x\r\ny\",b\rc,\" \"\"z\r\"\"\"\nd\r\n\r\n\"e", &lineas),
              (R{{"a,\"x\ny\",b", 1}, {"c,\" \"\"z\n\"\"\"", 3}, {"d", 5}, {"", 6}, {"\"e", 7}}));
    EXPECT_EQ(lineas, 7u);
    // A quote inside an unquoted field opens nothing.
    EXPECT_EQ(Registros("a\"b,c\nd\n"), (R{{"a\"b,c", 1}, {"d", 2}}));

    // A "\r\n" and a doubled quote cut by the reader's 64 KiB blocks are still one each.
    const std::string primero(65535, 'a');
    const std::string segundo = "\"" + std::string(65533, 'b') + "\"\"c\"";
    EXPECT_EQ(Registros(primero + "\r\n" + segundo + "\nfin"),
              (R{{primero, 1}, {segundo, 2}, {"fin", 3}}));
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
