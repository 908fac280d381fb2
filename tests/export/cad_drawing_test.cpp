// The DXF for current CAD programs: read back by ezdxf's loader, auditor and drawing add-on,
// compared with the original form of the same wall, and its sizes and dimension graphics.
#include "export/cad_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "export/cad_dimension.h"
#include "export/cad_sizes.h"
#include "tests/export/cad_reader.h"
#include "tests/export/default_wall.h"
#include "tests/export/test_files.h"

namespace {

using tarelvo::EntradaDibujo;

EntradaDibujo Con(void (*cambio)(EntradaDibujo&)) {
    EntradaDibujo e = prueba::MuroPorDefecto();
    cambio(e);
    return e;
}

// A wall of 4 m with a key, as the footing design leaves it.
EntradaDibujo MuroAlto() {
    EntradaDibujo e = prueba::MuroPorDefecto();
    e.altZap = "0.30", e.punta = "1.59", e.altura = "4.00", e.ancho = "0.24", e.centro = "0.24", e.talon = "1.59";
    e.Altura = 4.0f, e.Base = 3.42f, e.ConDent = 1;
    e.barras = {"ø 1\" a 0.11", "ø 3/8\" a 0.30", "ø 3/8\" a 0.30", "ø 3/8\" a 0.30", "ø 1\" a 0.21", "ø 3/4\" a 0.15",
                "ø 1/2\" a 0.30"};
    return e;
}

std::vector<double> Numeros(const std::string& texto) {
    std::istringstream in(texto);
    std::vector<double> v;
    for (double x; in >> x;) v.push_back(x);
    return v;
}

struct Caso {
    const char* nombre;
    EntradaDibujo entrada;
    int contorno;  // the concrete outline's lines
    int cotas;     // dimensions, one value each
};

// A layer's count of an entity kind, from the reader's "LAYER:KIND=n,..." list.
int Cuenta(const std::string& porCapa, const std::string& capa, const std::string& tipo) {
    std::istringstream in(porCapa);
    for (std::string c; in >> c;) {
        if (c.rfind(capa + ":", 0) != 0) continue;
        const auto p = c.find(tipo + "=");
        return p == std::string::npos ? 0 : std::stoi(c.substr(p + tipo.size() + 1));
    }
    return 0;
}

TEST(DibujoCad, EveryWallOpensCleanlyOnItsLayersWithAValueForEachDimension) {
    // Toe, stem foot, heel, footing, crown, footing thickness, stem height, total height and
    // front ground; an inclined face adds its lean, a key its place, width and depth.
    const Caso casos[] = {
        {"recto", prueba::MuroPorDefecto(), 8, 9},
        {"frente inclinado", Con([](EntradaDibujo& e) { e.TipoMuro = 1, e.centro = "0.25"; }), 8, 10},
        {"dorso inclinado", Con([](EntradaDibujo& e) { e.TipoMuro = 2, e.centro = "0.25"; }), 8, 10},
        {"con llave", Con([](EntradaDibujo& e) { e.ConDent = 1; }), 12, 12},
        {"alto con llave", MuroAlto(), 12, 12},
    };
    prueba::ScratchFolder f;
    const std::string cad = f.str() + "/cad.dxf";
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        EntradaDibujo e = c.entrada;
        e.planilla = {{"M1", "Muro", "ø 1/2\"", 0.30, 1.50, 3.33, 4.97}};
        ASSERT_EQ(tarelvo::EscribeDibujoCad(e, cad), "");
        auto l = prueba::LeeCad(cad);
        if (l.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";
        ASSERT_EQ(l.count("FAILED"), 0u) << l["FAILED"];
        EXPECT_EQ(l["AUDIT"], "errors=0 fixes=0 ");
        EXPECT_EQ(l["LAYERS"], "0:7 CONCRETO:7 TERRENO:8 COTAS:5 ACERO:1 TEXTOS:6 ROTULO:3 PLANILLA:4 Defpoints:7");
        const std::string& capas = l["BYLAYER"];
        // Dimensions drawn as lines and texts, as on the report page: no DIMENSION entity for
        // a reader to rebuild its own way.
        EXPECT_EQ(l["BLOCKS"], "dims=0 own=0");
        EXPECT_EQ(Cuenta(capas, "CONCRETO", "LINE"), c.contorno) << capas;
        EXPECT_EQ(Cuenta(capas, "COTAS", "TEXT"), c.cotas) << capas;
        EXPECT_GT(Cuenta(capas, "COTAS", "LINE"), 4 * c.cotas) << capas;  // line, two extensions, two ticks
        EXPECT_GT(Cuenta(capas, "ACERO", "LWPOLYLINE"), 0) << capas;
        EXPECT_GE(Cuenta(capas, "TEXTOS", "TEXT"), 7 + 4) << capas;  // the marks and the parts' names
        EXPECT_GE(Cuenta(capas, "ROTULO", "TEXT"), 8) << capas;
        // The schedule's title, its header row, its row and the total with its caption.
        EXPECT_EQ(Cuenta(capas, "PLANILLA", "TEXT"), 1 + 6 + 6 + 2) << capas;
    }
}

TEST(DibujoCad, HeaderAndStylesCarryTheUnitsAndTheDrawingsTextHeight) {
    prueba::ScratchFolder f;
    const std::string ruta = f.str() + "/muro.dxf";
    ASSERT_EQ(tarelvo::EscribeDibujoCad(prueba::MuroPorDefecto(), ruta), "");
    auto l = prueba::LeeCad(ruta);
    if (l.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";
    // The default wall at 1:20: lines 2.5 mm of paper high, 0.05 m, with capitals 0.035 m; a
    // dimension added in the CAD program gets that height, and the script's proportions.
    EXPECT_EQ(l["HEADER"],
              "ACADVER=AC1015 DWGCODEPAGE=ANSI_1252 INSUNITS=6 DIMDEC=2 DIMZIN=0 DIMDSEP=46 DIMTAD=2 DIMLFAC=1 "
              "DIMSCALE=1 DIMTXT=0.035 DIMASZ=0.035 DIMGAP=0.023333 DIMEXE=0.081667 DIMEXO=0.0625");
    EXPECT_EQ("STYLE " + l["STYLE"], "STYLE " + l["HEADER"].substr(l["HEADER"].find("DIMDEC")));
    EXPECT_EQ(l["TEXTSTYLE"], "Standard:arial.ttf");
    EXPECT_EQ(l["TEXTS"], "height 0.035 0.056");  // the drawing's name 1.6 times as tall

    // The dimensions stand round the wall, a little way off, not metres away.
    const auto muro = Numeros(l["OUTLINE"]);
    ASSERT_EQ(muro.size(), 4u);
    EXPECT_EQ(l["OUTLINE"], "0 0 0.8 1.25");

    // A taller wall at a smaller scale gets taller texts, in the same proportions.
    ASSERT_EQ(tarelvo::EscribeDibujoCad(MuroAlto(), ruta), "");
    l = prueba::LeeCad(ruta);
    EXPECT_EQ(l["TEXTS"], "height 0.0875 0.14");
    EXPECT_NE(l["HEADER"].find("DIMTXT=0.0875 DIMASZ=0.0875"), std::string::npos) << l["HEADER"];
}

TEST(DibujoCad, TextsAreWindows1252AndBadDrawingsAreRefusedWithoutAFile) {
    std::string error;
    const std::string bytes = tarelvo::DibujaMuroCad(prueba::MuroPorDefecto(), &error);
    EXPECT_EQ(error, "");
    EXPECT_NE(bytes.find("\r\n  1\r\nZ1 \xF8 1/2\" a 0.28 (trans)\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3\xB8"), std::string::npos);  // no UTF-8 left

    EntradaDibujo enorme = prueba::MuroPorDefecto();
    enorme.altura = "1e39";  // beyond float32
    prueba::ScratchFolder f;
    const std::string ruta = f.str() + "/enorme.dxf";
    const std::string mensaje = tarelvo::EscribeDibujoCad(enorme, ruta);
    EXPECT_EQ(mensaje.rfind("No se puede crear el archivo " + ruta + ": el dibujo tiene un valor", 0), 0u) << mensaje;
    EXPECT_NE(::access(ruta.c_str(), F_OK), 0);

    const std::string sinCarpeta = f.str() + "/no/muro.dxf";
    EXPECT_EQ(tarelvo::EscribeDibujoCad(prueba::MuroPorDefecto(), sinCarpeta),
              "No se puede guardar el archivo " + sinCarpeta + ": Nombre de Archivo Ilegal");
}

TEST(TamanosCad, TheDrawingFitsTheSheetEitherWayAndKeepsTheScriptsProportions) {
    // 2.14 by 1.99 m: landscape at 1:10.5, 2.6 mm of text rounded up to 0.03 m.
    tarelvo::TamanosCad t = tarelvo::TamanosParaDibujo(2.14, 1.99);
    EXPECT_TRUE(t.apaisada);
    EXPECT_NEAR(t.escala, 1.99 / 0.19, 1e-9);
    EXPECT_DOUBLE_EQ(t.texto, 0.03);
    EXPECT_DOUBLE_EQ(t.flecha, 0.03);
    EXPECT_DOUBLE_EQ(t.hueco, 0.02);
    EXPECT_DOUBLE_EQ(t.prolonga, 0.07);
    EXPECT_DOUBLE_EQ(t.separa, 0.0625);

    // Taller than wide: portrait.
    t = tarelvo::TamanosParaDibujo(4.93, 5.70);
    EXPECT_FALSE(t.apaisada);
    EXPECT_NEAR(t.escala, 4.93 / 0.19, 1e-9);
    EXPECT_DOUBLE_EQ(t.texto, 0.065);
    EXPECT_NEAR(t.hueco / t.texto, 2.0 / 3.0, 1e-12);

    // Nothing drawn, or a scale already on a step: never below one step, never rounded past it.
    EXPECT_DOUBLE_EQ(tarelvo::TamanosParaDibujo(0, 0).texto, 0.005);
    EXPECT_DOUBLE_EQ(tarelvo::TamanosParaDibujo(2.77, 1.9).texto, 0.025);
}

TEST(GraficoCota, ArrowsTextSideAndMeasureOfEachDimension) {
    const tarelvo::TamanosCad t = tarelvo::TamanosParaDibujo(2.14, 1.99);
    using tarelvo::DimAxis;
    // A horizontal dimension below its points: text under the line, arrows inside pointing out.
    auto g = tarelvo::GraficoDeCota(DimAxis::Horizontal, {2.4, 1.6}, {2, 1.95}, {2.8, 1.95}, t);
    EXPECT_EQ(g.texto, "0.80");
    EXPECT_DOUBLE_EQ(g.lineas[0].a.x, 2);
    EXPECT_DOUBLE_EQ(g.lineas[0].b.x, 2.8);
    EXPECT_DOUBLE_EQ(g.flechas[0][0].x, 2);
    EXPECT_DOUBLE_EQ(g.flechas[0][1].x, 2.03);
    EXPECT_DOUBLE_EQ(g.baseTexto.y, 1.6 - 0.02 - 0.03);
    EXPECT_DOUBLE_EQ(g.definicion.x, 2.8);
    EXPECT_DOUBLE_EQ(g.definicion.y, 1.6);
    // Extension lines from DIMEXO off their origin to DIMEXE past the line.
    EXPECT_DOUBLE_EQ(g.lineas[1].a.y, 1.95 - 0.0625);
    EXPECT_DOUBLE_EQ(g.lineas[1].b.y, 1.6 - 0.07);

    // A vertical one right of its points: text to the right, reading upwards.
    g = tarelvo::GraficoDeCota(DimAxis::Vertical, {3.45, 2.1}, {3.2, 2}, {3.2, 2.25}, t);
    EXPECT_EQ(g.texto, "0.25");
    EXPECT_EQ(g.angulo, 90);
    EXPECT_DOUBLE_EQ(g.baseTexto.x, 3.45 + 0.02 + 0.03);
    EXPECT_DOUBLE_EQ(g.medioTexto.y, 2.125);

    // Too short for two arrows: they turn outside and the line runs through to them.
    g = tarelvo::GraficoDeCota(DimAxis::Horizontal, {2, 2.2}, {2, 2}, {2.05, 2}, t);
    EXPECT_DOUBLE_EQ(g.lineas[0].a.x, 2 - 0.06);
    EXPECT_DOUBLE_EQ(g.lineas[0].b.x, 2.05 + 0.06);
    EXPECT_DOUBLE_EQ(g.flechas[0][1].x, 2 - 0.03);
    EXPECT_EQ(g.texto, "0.05");
    // Nothing to measure (a ground level with the footing's foot): still a sound dimension.
    g = tarelvo::GraficoDeCota(DimAxis::Vertical, {1.45, 2}, {1.7, 2}, {1.7, 2}, t);
    EXPECT_EQ(g.texto, "0.00");
    for (const auto& tramo : g.lineas) EXPECT_TRUE(std::isfinite(tramo.a.x + tramo.a.y + tramo.b.x + tramo.b.y));
}

}  // namespace
