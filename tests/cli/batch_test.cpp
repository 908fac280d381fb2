// tarelvo-calc --batch: each row is the wall tarelvo-calc makes of the same values, in either
// CSV form, for any number of threads; bad tables and bad rows are told in Spanish.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <sstream>
#include <vector>

#include "calc_run.h"
#include "cli/batch_run.h"
#include "cli/csv_dialect.h"
#include "cli/line_reader.h"
#include "engine/results_view.h"
#include "hostile_targets.h"

namespace tarelvo {
namespace {

struct Lote {
    int estado;
    std::string out, err;
};

Lote Corre(const std::string& tabla, bool diseno = false, int trabajos = 1) {
    std::istringstream in(tabla);
    std::ostringstream out, err;
    PedidoLote p;
    p.diseno = diseno;
    p.trabajos = trabajos;
    const int estado = EjecutaLote(in, "tabla.csv", tabla.size(), p, out, err);
    return {estado, out.str(), err.str()};
}

// The results by column name, one map a row; a warning of several lines is one quoted field.
std::vector<std::map<std::string, std::string>> Filas(const std::string& csv) {
    std::istringstream in(csv);
    LectorLineas lector(in, 1 << 20);
    std::string linea;
    bool larga = false;
    lector.Siguiente(linea, larga);
    const char sep = DetectaDialecto(linea).separador;
    lector.FijaSeparador(sep);
    std::vector<std::string> nombres, campos;
    EXPECT_EQ(PartePorCampos(linea, sep, nombres), "");
    std::vector<std::map<std::string, std::string>> filas;
    while (lector.Siguiente(linea, larga)) {
        EXPECT_EQ(PartePorCampos(linea, sep, campos), "") << linea;
        EXPECT_EQ(campos.size(), nombres.size()) << linea;
        std::map<std::string, std::string> fila;
        for (std::size_t i = 0; i < nombres.size() && i < campos.size(); ++i)
            fila[nombres[i]] = campos[i];
        filas.push_back(fila);
    }
    return filas;
}

// A number as the float the state holds, read whatever the locale.
float F(const std::string& texto) {
    float v = 0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == texto.data() + texto.size()) << texto;
    return v;
}

std::map<std::string, std::string> Pares(const std::string& texto) {
    std::map<std::string, std::string> m;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);)
        if (l.find('=') != std::string::npos) m[l.substr(0, l.find('='))] = l.substr(l.find('=') + 1);
    return m;
}

std::map<std::string, std::string> Calc(const std::vector<std::string>& args,
                                        std::string* salida = nullptr) {
    std::ostringstream out, err;
    EXPECT_EQ(CorreCalc(args, out, err), 0) << err.str();
    if (salida) *salida = out.str() + err.str();
    return Pares(out.str());
}

// The notices of the pairs (on standard error) and the panel's warning, as a row joins them.
// The notices of the typing (on standard error) come before the panel's failed checks.
std::string AvisosDelPanel(const std::string& salida) {
    std::vector<std::string> atencion, avisos;
    std::istringstream in(salida);
    for (std::string l; std::getline(in, l);) {
        if (l.rfind("Aviso: ", 0) == 0) avisos.push_back(l.erase(0, 7));
        else if (l.rfind("ATENCION", 0) == 0) atencion.push_back(l);
    }
    atencion.insert(atencion.end(), avisos.begin(), avisos.end());
    return UnaLinea(atencion);
}

// Stations of varied walls: the stem types, the footing positions, a key, passive pressure, a
// slope brought back to the friction angle, a title with the separator and quotes.
const char* const kEstaciones =
    "Id,Altura,Sobrec,Phi1,Beta,Phi2,Gamma1,Padm,FormaMuro,Centrica,ConDent,Pasiva,Titulo\n"
    "0+000,2.5,1,30,0,30,1.8,2,0,1,0,0,Tramo A\n"
    "0+020,3.2,1.5,32,10,30,1.9,2.5,1,0,1,1,\"Tramo \"\"B\"\", sur\"\n"
    "0+040,4,0.5,28,30,32,1.75,0,2,0,0,0,\n"
    "0+060,1.8,0,34,5,28,1.85,1.5,0,0,1,0,Tramo C\n"
    "0+080,5.5,2,30,0,30,1.8,3,2,0,0,1,Tramo D\n"
    "0+100,1,0,30,0,20,1.8,0,0,1,0,0,Tramo E\n";

const char* const kColumnasEstado[] = {
    "Excent", "Base6", "FsVuelco", "FsDesliz", "EsfCortMuro", "EsfCortZap", "CortAdm", "PresMax",
    "PresMin", "PresAdm", "EspTope", "EspBase", "Base", "AsMuro", "AsMitad", "AsPunta", "AsTalon"};
const char* const kColumnasBarras[] = {"BarraMuroIntVert", "BarraMuroIntHoriz",
                                       "BarraMuroExtVert", "BarraMuroExtHoriz", "BarraZapSup",
                                       "BarraZapInf", "BarraZapTransv"};
const char* const kEtiquetas[] = {"Label17", "Label18", "Label19", "Label20",
                                  "Label23", "Label24", "Label25"};

void ComparaConLaHerramienta(bool diseno) {
    const Lote r = Corre(kEstaciones, diseno);
    ASSERT_EQ(r.estado, 0) << r.err << r.out;
    const auto filas = Filas(r.out);
    ASSERT_EQ(filas.size(), 6u);
    const std::vector<std::string> nombres = {"Altura", "Sobrec",  "Phi1",    "Beta",
                                              "Phi2",   "Gamma1",  "Padm",    "FormaMuro",
                                              "Centrica", "ConDent", "Pasiva", "Titulo"};
    for (const auto& fila : filas) {
        SCOPED_TRACE(fila.at("Id"));
        std::vector<std::string> args;
        if (diseno) args.push_back("--design");
        for (const std::string& n : nombres) args.push_back(n + "=" + fila.at(n));
        std::vector<std::string> dump = args, bars = args;
        dump.insert(dump.begin(), "--dump");
        bars.insert(bars.begin(), "--bars");
        const auto d = Calc(dump);
        for (const char* c : kColumnasEstado)
            EXPECT_EQ(F(fila.at(c)), F(d.at(c))) << c;
        EXPECT_EQ(fila.at("Veredicto"), d.at("Verdict"));
        EXPECT_EQ(fila.at("Avisos").find("ATENCION") == std::string::npos ? fila.at("Avisos")
                                                                          : d.at("Avisos"),
                  d.at("Avisos"));
        EXPECT_EQ(fila.at("Error"), "");
        std::string panel;
        Calc(args, &panel);
        EXPECT_EQ(fila.at("Avisos"), AvisosDelPanel(panel));
        const auto b = Calc(bars);
        for (int g = 0; g < 7; ++g) EXPECT_EQ(fila.at(kColumnasBarras[g]), b.at(kEtiquetas[g]));
        if (diseno) {
            const auto p = Calc(args);
            EXPECT_EQ(fila.at("AltZapDiseno"), p.at("AltZap"));
            EXPECT_EQ(fila.at("PuntaDiseno"), p.at("Punta"));
            EXPECT_EQ(fila.at("TalonDiseno"), p.at("Talon"));
            EXPECT_EQ(F(fila.at("PuntaDiseno")), F(d.at("Punta")));
        }
    }
}

TEST(Lote, EachRowIsTheWallOfTheToolWithTheSameValues) { ComparaConLaHerramienta(false); }
TEST(Lote, EachDesignedRowIsTheToolsDesign) { ComparaConLaHerramienta(true); }

TEST(Lote, RowsRepeatTheirInputsAndCarryTheNotices) {
    const Lote r = Corre(kEstaciones);
    const auto filas = Filas(r.out);
    ASSERT_EQ(filas.size(), 6u);
    EXPECT_EQ(filas[1].at("Titulo"), "Tramo \"B\", sur");
    EXPECT_EQ(filas[2].at("Beta"), "30");
    EXPECT_NE(filas[2].at("Avisos").find("ATENCION"), std::string::npos);  // slope over Phi1
    // Every failed check, in the order of the window's list.
    EXPECT_EQ(filas[0].at("Veredicto"), "MURO INESTABLE");
    EXPECT_EQ(filas[0].at("Avisos").rfind(kAvisoExcent, 0), 0u);
    EXPECT_EQ(filas[5].at("Veredicto"), "NO CUMPLE");
    EXPECT_EQ(filas[5].at("Avisos"), UnaLinea({kAvisoDesliz, kAvisoPresion}));
}

// The method options as columns: each row its own method, as the tool's pairs give it, and a
// value out of its range refused in its row alone.
TEST(Lote, MethodOptionsAreColumnsOfTheirRow) {
    const char* const tabla =
        "Id,Altura,Friccion,Mu,PasivaFrente,GammaC,FsCapacidad,FsMinDesliz,Kh,Hw\n"
        "a,2.5,0,0.5,1,2.4,0,1.5,0,0\n"
        "b,2.5,2,0.35,0,2.2,2.5,2,0,0.8\n"
        "c,2.5,1,0.5,1,2.4,0,1.5,0.6,0\n"
        "d,2.5,0,0.5,1,2.4,0,1.5,0,4\n";
    const Lote r = Corre(tabla);
    EXPECT_EQ(r.estado, 3) << r.err;
    const auto filas = Filas(r.out);
    ASSERT_EQ(filas.size(), 4u);
    for (int k : {0, 1}) {
        const auto& fila = filas[static_cast<std::size_t>(k)];
        std::vector<std::string> args = {"--dump"};
        for (const char* n : {"Altura", "Friccion", "Mu", "PasivaFrente", "GammaC",
                              "FsCapacidad", "FsMinDesliz", "Kh", "Hw"})
            args.push_back(std::string(n) + "=" + fila.at(n));
        const auto d = Calc(args);
        EXPECT_EQ(F(d.at("Mu")), k ? 0.35f : 0.5f);
        for (const char* c : kColumnasEstado) EXPECT_EQ(F(fila.at(c)), F(d.at(c))) << c;
        EXPECT_EQ(fila.at("Veredicto"), d.at("Verdict"));
        EXPECT_EQ(fila.at("Error"), "");
    }
    EXPECT_NE(filas[0].at("FsDesliz"), filas[1].at("FsDesliz"));
    EXPECT_NE(filas[2].at("Error").find("Kh=0.6 no se acepta"), std::string::npos)
        << filas[2].at("Error");
    EXPECT_NE(filas[3].at("Error").find("Hw=4 no se acepta"), std::string::npos)
        << filas[3].at("Error");
}

// The same table with ";" and "," decimals, as a spreadsheet in a Spanish locale exports it.
std::string PuntoYComa(std::string t) {
    for (char& c : t) c = c == ',' ? ';' : c == '.' ? ',' : c;
    return t;
}

TEST(Lote, SemicolonTablesWithDecimalCommas) {
    const std::string tabla = "Id,Altura,Sobrec,Gamma1\nA,2.5,1.25,1.8\nB,3.75,0.5,1.9\n";
    const Lote coma = Corre(tabla, true), pyc = Corre(PuntoYComa(tabla), true);
    ASSERT_EQ(coma.estado, 0) << coma.out;
    ASSERT_EQ(pyc.estado, 0) << pyc.out;
    // The same numbers; the bar descriptions stay as the program writes them ("a 0.30").
    std::string esperada = PuntoYComa(coma.out);
    for (std::size_t i; (i = esperada.find(" a 0,")) != std::string::npos;) esperada[i + 4] = '.';
    EXPECT_EQ(pyc.out, esperada);
    EXPECT_NE(pyc.out.find("\nA;2,5;1,25;1,8;MURO"), std::string::npos) << pyc.out;

    // A "." could be a thousands separator there: the row is refused, the others written.
    const Lote punto = Corre("Altura;Sobrec\n2,5;1.5\n3;1\n");
    EXPECT_EQ(punto.estado, 3);
    const auto filas = Filas(punto.out);
    ASSERT_EQ(filas.size(), 2u);
    EXPECT_NE(filas[0].at("Error").find("decimales se escriben con coma"), std::string::npos);
    EXPECT_EQ(filas[1].at("Error"), "");
}

TEST(Lote, TheOutputIsTheSameForAnyNumberOfThreads) {
    // More rows than are in flight at once, good and bad mixed.
    std::string tabla = "Id,Altura,Sobrec,Centrica\n";
    for (int i = 0; i < 2500; ++i) {
        tabla += std::to_string(i) + "," + std::to_string(1.5 + (i % 37) * 0.1).substr(0, 4) +
                 "," + (i % 11 == 0 ? "x" : std::to_string(i % 3)) + "," +
                 std::to_string(i % 2) + "\n";
    }
    const Lote uno = Corre(tabla, false, 1);
    EXPECT_EQ(uno.estado, 3);
    EXPECT_EQ(Filas(uno.out).size(), 2500u);
    for (int n : {2, 3}) EXPECT_EQ(Corre(tabla, false, n).out, uno.out) << n;
    const std::string diez = tabla.substr(0, tabla.find("\n40,") + 1);
    EXPECT_EQ(Corre(diez, true, 2).out, Corre(diez, true, 1).out);
}

// Each bad row says why in its Error column; every other row is still written.
TEST(Lote, BadRowsAreToldInTheirErrorColumn) {
    const std::string larga(10 << 20, '7');
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"x1,2.5,1,1", "x1,2.5,1,1"},  // good
        {"x2,2.5,1", "La fila tiene 3 campos y el encabezado 4"},
        {"x3,2.5,1,1,9", "La fila tiene 5 campos y el encabezado 4"},
        {"x4,abc,1,1", "El valor de Altura no es un número: \"abc\""},
        {"x5,nan,1,1", "El valor de Altura no es un número: \"nan\""},
        {"x6,2.5,inf,1", "El valor de Sobrec no es un número: \"inf\""},
        {"x7,,1,1", "Falta el valor de Altura"},
        {"x8,-1,1,1", "Altura=-1 no se acepta: el mínimo de su campo es 0.50"},
        {"x9,2.5,1e38,1", "Sobrec=1e38 no se acepta: el valor debe estar entre 0 y 99.95"},
        {"x10,2.5,1,2", "Centrica debe ser 1 o 0: \"2\""},
        {"\"x11\"b,2.5,1,1", "Línea 12: Hay texto después de las comillas que cierran un campo"},
        {"x12," + larga + ",1,1", "La línea 13 tiene más de 1048576 bytes; no se leyó"},
        {"x13,3,1,0", "x13,3,1,0"},  // good
        {"x14,99999,1,1", "Altura=99999 no se acepta: el máximo de su campo es 15.00"},
        {"x15,\"2,5\",1,1", "El valor de Altura no es un número: \"2,5\" (en una tabla "
                              "separada por \",\" los decimales se escriben con punto)"},
        // A quote left open takes in the lines after it, up to the end.
        {"\"x16,2.5,1,1", "Línea 17: Faltan las comillas que cierran un campo"},
    };
    std::string tabla = "Id,Altura,Sobrec,Centrica\n";
    for (const auto& c : casos) tabla += c.first + "\n";
    const Lote r = Corre(tabla);
    EXPECT_EQ(r.estado, 3);
    EXPECT_NE(r.err.find("14 filas de 16 con error"), std::string::npos) << r.err;
    const auto filas = Filas(r.out);
    ASSERT_EQ(filas.size(), casos.size());
    for (std::size_t i = 0; i < casos.size(); ++i) {
        const bool bien = casos[i].first == casos[i].second;
        EXPECT_EQ(filas[i].at("Error"), bien ? "" : casos[i].second) << i;
        EXPECT_EQ(filas[i].at("Veredicto").empty(), !bien) << i;
    }
    EXPECT_EQ(filas[1].at("Id"), "x2");
    EXPECT_EQ(filas[1].at("Sobrec"), "1");
    EXPECT_EQ(filas[11].at("Id"), "");  // the long line is not repeated
    EXPECT_LT(r.out.size(), 20000u);
}

// A table that cannot be used at all: exit 2, nothing written.
TEST(Lote, BadTablesWriteNothing) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"", "el archivo está vacío"},
        {"\n  \n\r\n", "el archivo está vacío"},
        {"Id,Altura,Nada\n1,2,3\n", "La columna 3 nombra una variable desconocida: Nada"},
        {"Altura,Altura\n1,2\n", "La variable Altura tiene dos columnas"},
        {"Altura,Id\n2,1\n", "La columna Id debe ser la primera"},
        {"Altura,,Sobrec\n2,,1\n", "La columna 2 no tiene nombre"},
        {"Altura,EspTope\n2,3\n", "desconocida: EspTope"},
        {"\"Altura,Sobrec\n", "Faltan las comillas"},
        {std::string(2 << 20, 'A') + "\n", "La línea 1 tiene más de 1048576 bytes"},
    };
    for (const auto& [tabla, mensaje] : casos) {
        const Lote r = Corre(tabla);
        EXPECT_EQ(r.estado, 2) << mensaje;
        EXPECT_EQ(r.out, "") << mensaje;
        EXPECT_NE(r.err.find(mensaje), std::string::npos) << r.err;
    }
    prueba::Carpeta c;
    std::ostringstream out, err;
    for (const std::string& ruta : {c / "no-existe.csv", c.ruta}) {
        out.str("");
        err.str("");
        EXPECT_EQ(CorreCalc({"--batch", ruta}, out, err), 2) << ruta;
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str().find(ruta), std::string::npos) << err.str();
    }
    EXPECT_NE(err.str().find("es una carpeta"), std::string::npos) << err.str();
}

TEST(Lote, ByteOrderMarkLineEndsAndBlankLines) {
    const Lote r = Corre("\xEF\xBB\xBFId,Altura\r\nA,3\r\n\r\n   \r\nB,2.5\r\n,\r\n , \r\n");
    ASSERT_EQ(r.estado, 0) << r.out;
    const auto filas = Filas(r.out);
    ASSERT_EQ(filas.size(), 2u);
    EXPECT_EQ(filas[0].at("Id"), "A");
    EXPECT_EQ(filas[1].at("Altura"), "2.5");
    // A header without Id, and one with only Id: every row the start-up wall.
    EXPECT_EQ(Filas(Corre("Altura\n3\n").out).at(0).at("Altura"), "3");
    EXPECT_EQ(Filas(Corre("Id\nsolo\n").out).at(0).at("Veredicto"), "MURO ESTABLE");
}

TEST(Lote, QuotedFieldsMayHoldLineBreaksAndOldMacFilesAreRead) {
    for (const std::string fin : {"\n", "\r\n", "\r"}) {
        const Lote r = Corre("Id,Altura" + fin + "\"Muro" + fin + "Norte\",3" + fin + "\"B\"x,2" +
                             fin + "C,2.5" + fin);
        EXPECT_EQ(r.estado, 3) << r.err;
        std::istringstream in(r.out);
        LectorLineas lector(in, 1 << 20);
        std::string linea;
        bool larga = false;
        std::vector<std::vector<std::string>> filas;
        while (lector.Siguiente(linea, larga)) {
            filas.emplace_back();
            EXPECT_EQ(PartePorCampos(linea, ',', filas.back()), "") << linea;
        }
        ASSERT_EQ(filas.size(), 4u) << r.out;
        const std::size_t error = filas[0].size() - 1;
        EXPECT_EQ(filas[1][0], "Muro\nNorte");  // one row, one Id
        EXPECT_EQ(filas[1][error], "");
        EXPECT_EQ(filas[2][error],
                  "Línea 4: Hay texto después de las comillas que cierran un campo");
        EXPECT_EQ(filas[3][0], "C");
        EXPECT_EQ(filas[3][error], "");
    }
}

// Rows go out while later rows are still to be read: what is held at once is bounded by the rows
// in flight and the reader's block of 64 KiB, whatever the length of the table.
TEST(Lote, RowsStreamThroughABoundedWindow) {
    constexpr std::size_t kFilas = 30000;
    // Counts the rows written: line ends outside quotes (a warning may have several lines).
    struct Salida : std::streambuf {
        std::size_t lineas = 0;
        bool comillas = false;
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            for (std::streamsize i = 0; i < n; ++i) overflow(s[i]);
            return n;
        }
        int overflow(int c) override {
            lineas += c == '\n' && !comillas;
            comillas ^= c == '"';
            return c;
        }
    } salida;
    struct Entrada : std::streambuf {
        const Salida* salida = nullptr;
        std::size_t hechas = 0, maxEnVuelo = 0;
        std::string linea;
        int underflow() override {
            if (hechas > kFilas) return traits_type::eof();
            // Rows read but not yet written.
            const std::size_t escritas = salida->lineas > 0 ? salida->lineas - 1 : 0;
            if (hechas > escritas + 1) maxEnVuelo = std::max(maxEnVuelo, hechas - 1 - escritas);
            linea = hechas == 0 ? "Id,Altura\n"
                                : std::to_string(100000 + hechas) +
                                      (hechas % 10 ? ",x\n" : ",2.5\n");
            ++hechas;
            setg(linea.data(), linea.data(), linea.data() + linea.size());
            return traits_type::to_int_type(linea[0]);
        }
    } entrada;
    entrada.salida = &salida;
    std::istream in(&entrada);
    std::ostream out(&salida);
    std::ostringstream err;
    PedidoLote p;
    p.trabajos = 2;
    EXPECT_EQ(EjecutaLote(in, "generada", 0, p, out, err), 3);
    EXPECT_EQ(salida.lineas, kFilas + 1);
    // Rows of at least 8 bytes: a block holds at most 8192 of them.
    EXPECT_LE(entrada.maxEnVuelo, kFilasEnVuelo + (1 << 16) / 8 + 1);
}

}  // namespace
}  // namespace tarelvo

namespace tarelvo {
namespace {

// A table that gives the method options: each row is the tool's wall with the same options,
// and one with an earthquake coefficient gets that case's results as well.
TEST(Lote, OptionColumnsAndTheEarthquakesResults) {
    const Lote r = Corre(
        "Id,Altura,Sobrec,Punta,Talon,Centrica,Kh,Kv,Hw,Friccion,Mu,FsMinDesliz\n"
        "a,3,1,0.6,1.6,0,0.15,0.05,0,0,0.5,1.5\n"
        "b,3,1,0.6,1.6,0,0,0,1.5,2,0.45,1.2\n");
    ASSERT_EQ(r.estado, 0) << r.err << r.out;
    const auto filas = Filas(r.out);
    ASSERT_EQ(filas.size(), 2u);
    for (const auto& fila : filas) {
        SCOPED_TRACE(fila.at("Id"));
        std::vector<std::string> args = {"--dump"};
        for (const char* n : {"Altura", "Sobrec", "Punta", "Talon", "Centrica", "Kh", "Kv", "Hw",
                              "Friccion", "Mu", "FsMinDesliz"})
            args.push_back(std::string(n) + "=" + fila.at(n));
        const auto d = Calc(args);
        EXPECT_EQ(fila.at("Veredicto"), d.at("Verdict"));
        for (const char* c : {"FsDesliz", "FsVuelcoSismo", "FsDeslizSismo", "ExcentSismo",
                              "PresMaxSismo"})
            EXPECT_EQ(F(fila.at(c)), F(d.at(c))) << c;
    }
    EXPECT_GT(F(filas[0].at("FsDeslizSismo")), 0);
    EXPECT_EQ(F(filas[1].at("FsDeslizSismo")), 0);  // no earthquake in that row
    // A table without Kh keeps its usual columns.
    EXPECT_EQ(Corre("Id,Altura\nx,2\n").out.find("Sismo"), std::string::npos);
}

}  // namespace
}  // namespace tarelvo
