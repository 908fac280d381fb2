// The command-line tool: arguments, output and exit status.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "calc_run.h"
#include "engine/results_view.h"

namespace tarelvo {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Calc(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int st = CorreCalc(args, out, err);
    return {st, out.str(), err.str()};
}

std::string Line(const std::string& text, const std::string& prefix) {
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        if (l.rfind(prefix, 0) == 0) return l;
    return "";
}

TEST(CalcTool, DefaultProjectShowsTheStartUpPanel) {
    const Outcome r = Calc({});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Line(r.out, "MURO"), "MURO ESTABLE");
    EXPECT_EQ(Line(r.out, "FS vuelco"), "FS vuelco       3.76");
    EXPECT_EQ(Line(r.out, "Cortante Admis."), "Cortante Admis. 6.53");  // F'c 210
    EXPECT_EQ(Line(r.out, "Excent."), "Excent.         0.040");
    EXPECT_EQ(Line(r.out, "Aviso"), "");
}

TEST(CalcTool, DumpListsEveryVariableSortedThenTheVerdict) {
    const Outcome r = Calc({"--dump", "Fc=180"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::string prev, l, last;
    int n = 0;
    while (std::getline(in, l)) {
        last = l;
        if (l.rfind("Verdict=", 0) == 0 || l.rfind("Avisos=", 0) == 0) continue;
        const std::string name = l.substr(0, l.find('='));
        EXPECT_LT(prev, name);
        prev = name;
        ++n;
    }
    EXPECT_GT(n, 150);
    EXPECT_EQ(Line(r.out, "Verdict="), "Verdict=MURO ESTABLE");
    EXPECT_EQ(last, "Avisos=");
    EXPECT_EQ(Line(r.out, "CortAdm="), "CortAdm=6.04409122");
    EXPECT_EQ(Line(r.out, "AsPunta="), "AsPunta=4.5");
    EXPECT_EQ(Line(r.out, "Fc="), "Fc=180");
}

TEST(CalcTool, DesignRunsLikeTheCalculoButton) {
    const Outcome r = Calc({"--design", "Altura=3", "Sobrec=1", "Centrica=0", "Fc=180"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Line(r.out, "MURO"), "MURO ESTABLE");
    EXPECT_EQ(Line(r.out, "Punta="), "Punta=0.60");
    EXPECT_EQ(Line(r.out, "Talon="), "Talon=1.60");
    EXPECT_EQ(Line(r.out, "AltZap="), "AltZap=0.25");
    // The check after the design ran on the values read back from the fields.
    const Outcome d = Calc({"--design", "--dump", "Altura=3", "Sobrec=1", "Centrica=0", "Fc=180"});
    EXPECT_EQ(Line(d.out, "Talon="), "Talon=1.60000002");
}

TEST(CalcTool, InclinedStemGetsTheWindowsBaseThickness) {
    const Outcome r = Calc({"--dump", "FormaMuro=1", "Altura=2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Line(r.out, "EspBase="), "EspBase=30");
    EXPECT_EQ(Line(r.out, "TipoMuro="), "TipoMuro=1");
    const Outcome c = Calc({"--dump", "FormaMuro=2", "Centro=0.45"});
    EXPECT_EQ(Line(c.out, "EspBase="), "EspBase=45");
}

TEST(CalcTool, PairsAreTakenAsTheWindowsFieldsTakeThem) {
    // 15 cm typed as 0.15 m is 15 cm again, and the inclined base 0.15 + 0.05 × 0.50 shows 0.17.
    const Outcome r = Calc({"--dump", "FormaMuro=1", "Altura=0.5", "Ancho=15"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Line(r.out, "Ancho="), "Ancho=15");
    EXPECT_EQ(Line(r.out, "EspBase="), "EspBase=17");
    EXPECT_TRUE(r.err.empty()) << r.err;

    // A value the window would not keep is refused, naming the variable and its limit; one
    // at the limit is kept.
    for (const auto& [par, limite] : std::vector<std::pair<std::string, std::string>>{
             {"Altura=-1", "mínimo de su campo es 0.50"},
             {"AltZap=0", "mínimo de su campo es 0.25"},
             {"Ancho=9.99", "mínimo de su campo es 10 cm"},
             {"Gamma2=0.05", "mínimo de su campo es 0.10"},
             {"Reac=1e38", "entre 0 y 99.95"},
             {"Sobrec=-0.5", "entre 0 y 99.95"},
             {"Padm=100", "entre 0 y 99.95"},
             {"Beta=90.5", "entre 0 y 90"},
             {"ConDent=2", "1 (incluye dentellón) o 0"},
             // and above the upper limit of its field
             {"Altura=99999", "máximo de su campo es 15.00"},
             {"Ancho=250", "máximo de su campo es 200 cm"},
             {"Phi1=60", "máximo de su campo es 50.00"},
             {"Centro=5.5", "máximo de su campo es 5.00"}}) {
        const Outcome l = Calc({par});
        EXPECT_EQ(l.status, 2) << par;
        EXPECT_TRUE(l.out.empty()) << par;
        EXPECT_NE(l.err.find(par.substr(0, par.find('='))), std::string::npos) << l.err;
        EXPECT_NE(l.err.find(limite), std::string::npos) << l.err;
    }
    const Outcome l = Calc({"--dump", "Altura=0.5", "Gamma2=0.1", "Ancho=10", "Reac=99.95"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(Line(l.out, "Altura="), "Altura=0.5");
    EXPECT_EQ(Line(l.out, "Ancho="), "Ancho=10");
    EXPECT_EQ(Line(l.out, "Reac="), "Reac=99.9499969");

    // A decimal comma is read as the window's fields read it; a comma with a point is no number.
    const Outcome coma = Calc({"--dump", "Altura=2,5", "Sobrec=1,25", "Separ1=0,15"});
    ASSERT_EQ(coma.status, 0) << coma.err;
    EXPECT_EQ(Line(coma.out, "Altura="), "Altura=2.5");
    EXPECT_EQ(Line(coma.out, "Sobrec="), "Sobrec=1.25");
    EXPECT_NE(Calc({"Altura=2,5.1"}).err.find("no es un n"), std::string::npos);

    // The slope is brought back to the friction angle it exceeds.
    const Outcome b = Calc({"--dump", "Beta=35", "Phi1=32"});
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(Line(b.out, "Beta="), "Beta=32");
    EXPECT_NE(b.err.find("ATENCION"), std::string::npos) << b.err;
}

TEST(CalcTool, ShearKeyOptionTakesTheKeyFieldsDefaults) {
    const Outcome r = Calc({"--dump", "ConDent=1"});
    EXPECT_EQ(Line(r.out, "AltDent="), "AltDent=0.5");
    EXPECT_EQ(Line(r.out, "AnchDent="), "AnchDent=0.200000003");
    const Outcome g = Calc({"--dump", "ConDent=1", "AltDent=0.4"});
    EXPECT_EQ(Line(g.out, "AltDent="), "AltDent=0.400000006");
}

TEST(CalcTool, BarsAsTheReinforcementFormShowsThem) {
    const Outcome r = Calc({"--bars"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Label17=\xC3\xB8 1/2\" a 0.30\n"
              "Label18=\xC3\xB8 3/8\" a 0.30\n"
              "Label19=\xC3\xB8 3/8\" a 0.30\n"
              "Label20=\xC3\xB8 3/8\" a 0.30\n"
              "Label23=\xC3\xB8 1/2\" a 0.28\n"
              "Label24=\xC3\xB8 1/2\" a 0.28\n"
              "Label25=\xC3\xB8 3/8\" a 0.26\n");
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("tarelvo_calc_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

TEST(CalcTool, ProjectFilesRoundTrip) {
    const std::string ruta = TempPath("p.mur");
    const Outcome a = Calc({"--dump", "--save", ruta, "FormaMuro=2", "Altura=2.5", "Sobrec=1",
                            "ConDent=1", "Pasiva=1", "Centrica=0", "Fc=280", "Titulo=Muro, \"sur\""});
    ASSERT_EQ(a.status, 0) << a.err;
    const Outcome b = Calc({"--dump", ruta});
    ASSERT_EQ(b.status, 0) << b.err;
    for (const char* v : {"FormaMuro=", "Altura=", "Sobrec=", "ConDent=", "AltDent=", "Pasiva=",
                          "Fc=", "ZapCentrada=", "EspBase=", "FsVuelco=", "Titulo=", "Verdict="})
        EXPECT_EQ(Line(b.out, v), Line(a.out, v)) << v;
    // Pairs go over the file.
    const Outcome c = Calc({"--dump", ruta, "Sobrec=0"});
    EXPECT_EQ(Line(c.out, "Sobrec="), "Sobrec=0");
    std::filesystem::remove(ruta);
}

TEST(CalcTool, UnreadableOrUnwritableFiles) {
    const std::string roto = TempPath("roto.mur");
    std::ofstream(roto) << "Titulo\r\n 0 abc 0\r\n";
    const Outcome r = Calc({roto});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no es un n"), std::string::npos) << r.err;
    std::filesystem::remove(roto);
    EXPECT_EQ(Calc({TempPath("no-existe.mur")}).status, 2);
    const Outcome w = Calc({"--save", "/no-such-dir/x.mur"});
    EXPECT_EQ(w.status, 4);
    EXPECT_NE(w.err.find("Nombre de Archivo Ilegal"), std::string::npos) << w.err;
    EXPECT_EQ(Calc({"a.mur", "b.mur"}).status, 2);
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CalcTool, DrawingAndReportFiles) {
    const std::string dxf = TempPath("m.dxf"), pdf = TempPath("m.pdf");
    const Outcome r = Calc({"--dxf", dxf, "ConDent=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string dibujo = Contents(dxf);
    EXPECT_EQ(dibujo.substr(0, 29), " 0 \r\nSECTION\r\n 2 \r\nENTITIES\r\n");
    EXPECT_NE(dibujo.find("\xF8 3/8\""), std::string::npos);  // the bar texts, in Windows-1252
#ifdef TARELVO_CON_REPORTE
    const Outcome p = Calc({"--pdf", pdf});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(Contents(pdf).substr(0, 5), "%PDF-");
    // A second report in the same process starts its own off-screen application again.
    std::filesystem::remove(pdf);
    ASSERT_EQ(Calc({"--pdf", pdf}).status, 0);
    EXPECT_EQ(Contents(pdf).substr(0, 5), "%PDF-");
#else
    EXPECT_EQ(Calc({"--pdf", pdf}).status, 4);  // built without the report
#endif
    const Outcome w = Calc({"--dxf", "/no-such-dir/m.dxf"});
    EXPECT_EQ(w.status, 4);
    EXPECT_NE(w.err.find("m.dxf"), std::string::npos) << w.err;
    std::filesystem::remove(dxf);
    std::filesystem::remove(pdf);
}

// Width and height from a PNG's header.
[[maybe_unused]] std::pair<unsigned, unsigned> TamanoPng(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    auto entero = [&](std::size_t i) {
        unsigned v = 0;
        for (std::size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(png[i + k]);
        return v;
    };
    return {entero(16), entero(20)};
}

TEST(CalcTool, DiagramsPictureWithTheReportOrAlone) {
    const std::string png = TempPath("d.png"), pdf = TempPath("d.pdf");
#ifdef TARELVO_CON_REPORTE
    const Outcome r = Calc({"--pdf", pdf, "--diag", png, "ConDent=1", "Pasiva=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto [ancho, alto] = TamanoPng(Contents(png));
    EXPECT_GE(ancho, 1600u);
    EXPECT_GE(alto, 1200u);
    EXPECT_EQ(Contents(pdf).substr(0, 5), "%PDF-");
    // Alone, and again in the same process.
    std::filesystem::remove(png);
    ASSERT_EQ(Calc({"--diag", png}).status, 0);
    EXPECT_GE(TamanoPng(Contents(png)).first, 1600u);
    const Outcome w = Calc({"--diag", "/no-such-dir/d.png"});
    EXPECT_EQ(w.status, 4);
    EXPECT_NE(w.err.find("d.png"), std::string::npos) << w.err;
#else
    EXPECT_EQ(Calc({"--diag", png}).status, 4);  // built without the report
#endif
    EXPECT_EQ(Calc({"--diag"}).status, 2);
    std::filesystem::remove(png);
    std::filesystem::remove(pdf);
}

TEST(CalcTool, AWallWhoseCheckFaultsGetsNoReportAndNoPicture) {
    // The backfill's cohesion cancels its thrust: the check stops with a fault.
    const std::string png = TempPath("f.png"), pdf = TempPath("f.pdf"), viejo = TempPath("v.pdf");
    std::ofstream(viejo) << "%PDF- el reporte viejo";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--pdf", pdf, "Cohes1=1"}, {"--diag", png, "Cohes1=1"},
             {"--pdf", viejo, "--diag", png, "Cohes1=1"}}) {
        const Outcome r = Calc(args);
        EXPECT_EQ(r.status, 3) << args[1];
        EXPECT_NE(r.err.find("cohesión del relleno"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_EQ(Contents(viejo), "%PDF- el reporte viejo");
    std::filesystem::remove(viejo);
}

TEST(CalcTool, BadArgumentsExitWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"Nada=1"}, {"Altura=abc"}, {"Altura="}, {"Altura=1e50"}, {"FormaMuro=1.5"},
             {"Centrica=2"}, {"FormaMuro=3"}, {"Pasiva=2"}, {"EspTope=3"}, {"Altura"}, {"--nada"},
             {"Altura=nan"}, {"Altura=inf"}, {""}, {"--save", ""}, {"--save"}, {"--dxf", "--dump"},
             {"--dump", "--dump"}, {"--save", "a.mur", "--save", "b.mur"}, {"--jobs", "2"},
             {"--batch", "t.csv", "Altura=3"}, {"--batch", "t.csv", "--dump"},
             {"--batch", "t.csv", "--jobs", "0"}, {"--batch", "t.csv", "--jobs", "x"}}) {
        const Outcome r = Calc(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_FALSE(r.err.empty()) << args[0];
        EXPECT_TRUE(r.out.empty()) << args[0];
    }
}

TEST(CalcTool, MaterialsMustBeValuesOfTheirLists) {
    const Outcome fc = Calc({"Fc=250"});
    EXPECT_EQ(fc.status, 2);
    EXPECT_NE(fc.err.find("lista de F'c"), std::string::npos) << fc.err;
    EXPECT_NE(fc.err.find("240, 280"), std::string::npos) << fc.err;
    const Outcome fy = Calc({"Fy=3000"});
    EXPECT_EQ(fy.status, 2);
    EXPECT_NE(fy.err.find("lista de Fy"), std::string::npos) << fy.err;
    const Outcome ok = Calc({"--dump", "Fc=280", "Fy=4200.0"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.out.find("\nFc=280\n"), std::string::npos);
    EXPECT_NE(ok.out.find("\nFy=4200\n"), std::string::npos);
}

TEST(CalcTool, EngineFaultExitsWithThreeAndItsMessage) {
    const Outcome r = Calc({"Phi2=0", "Cohes=0"});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("no tiene resistencia"), std::string::npos) << r.err;
    const Outcome d = Calc({"--design", "Padm=0.01"});
    EXPECT_EQ(d.status, 3);
    EXPECT_NE(d.err.find("Ninguna zapata razonable"), std::string::npos) << d.err;
}

}  // namespace
}  // namespace tarelvo

namespace tarelvo {
namespace {

// Failing walls: the panel, --dump and the batch name the same verdict and the same failed
// checks, in the window's order.
TEST(CalcTool, EveryOutputListsEveryFailedCheck) {
    struct Caso {
        std::vector<std::string> pares;
        const char* veredicto;
        std::vector<std::string> avisos;
    };
    const Caso casos[] = {
        {{"Phi2=15", "Altura=2.5", "Punta=0.6", "Talon=1.4", "Sobrec=1", "Padm=3",
          "Centrica=0"},
         "NO CUMPLE",
         {kAvisoDesliz}},
        {{"Altura=3", "Punta=1.2", "Talon=1.2", "Padm=0.3"}, "NO CUMPLE", {kAvisoPresion}},
        {{"Altura=2.5", "Punta=3", "Talon=3"},
         "MURO INESTABLE",
         {kAvisoExcent, kAvisoCuantiaPunta, kAvisoCuantiaTalon}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.pares[0] + " " + c.pares[1]);
        const Outcome panel = Calc(c.pares);
        ASSERT_EQ(panel.status, 0) << panel.err;
        EXPECT_EQ(Line(panel.out, "MURO") + Line(panel.out, "NO CUMPLE"),
                  std::string(c.veredicto) + "  (en rojo)");
        std::string lineas;
        for (const std::string& a : c.avisos) lineas += "Aviso: " + a + "\n";
        EXPECT_NE(panel.out.find(lineas + "RECALCULE!\n"), std::string::npos) << panel.out;

        std::vector<std::string> dump = c.pares;
        dump.insert(dump.begin(), "--dump");
        const Outcome d = Calc(dump);
        EXPECT_EQ(Line(d.out, "Verdict="), std::string("Verdict=") + c.veredicto);
        EXPECT_EQ(Line(d.out, "Avisos="), "Avisos=" + UnaLinea(c.avisos));

        std::string tabla = "Id", fila = "1";
        for (const std::string& p : c.pares) {
            tabla += "," + p.substr(0, p.find('='));
            fila += "," + p.substr(p.find('=') + 1);
        }
        const std::string csv = testing::TempDir() + "fallas.csv";
        std::ofstream(csv) << tabla << "\n" << fila << "\n";
        const Outcome lote = Calc({"--batch", csv});
        ASSERT_EQ(lote.status, 0) << lote.err;
        const std::string salida = lote.out.substr(lote.out.find('\n') + 1);
        EXPECT_NE(salida.find(std::string(",") + c.veredicto + ","), std::string::npos) << salida;
        EXPECT_NE(salida.find(UnaLinea(c.avisos)), std::string::npos) << salida;
    }
}

}  // namespace
}  // namespace tarelvo
