#include "export/wall_drawing.h"

#include <gtest/gtest.h>

#include "tests/export/default_wall.h"
#include "tests/export/dxf_reader.h"
#include "tests/export/dxf_records.h"
#include "tests/export/test_files.h"

namespace {

using prueba::Registro;
using prueba::Registros;
using tarelvo::EntradaDibujo;
using Extremos = std::vector<std::string>;

std::string Bytes(const EntradaDibujo& e) { return tarelvo::DibujaMuro(e).bytes(); }

// x1 y1 x2 y2, as written, of the LINEs from the n-th on.
std::vector<Extremos> Lineas(const std::string& bytes, std::size_t desde, std::size_t cuantas) {
    const auto l = Registros(bytes, "LINE");
    std::vector<Extremos> out;
    for (std::size_t i = desde; i < desde + cuantas && i < l.size(); ++i) {
        out.push_back({l[i].valor(10), l[i].valor(20), l[i].valor(11), l[i].valor(21)});
    }
    return out;
}

struct Punto {
    double x, y;
};

// Dot centres in file order, from the two vertices of each dot.
std::vector<Punto> Puntos(const std::string& bytes) {
    const auto v = Registros(bytes, "VERTEX");
    std::vector<Punto> out;
    for (std::size_t i = 0; i + 1 < v.size(); i += 2) out.push_back({(v[i].numero(10) + v[i + 1].numero(10)) / 2, v[i].numero(20)});
    return out;
}

EntradaDibujo Con(void (*cambio)(EntradaDibujo&)) {
    EntradaDibujo e = prueba::MuroPorDefecto();
    cambio(e);
    return e;
}
const EntradaDibujo kLlave = Con([](EntradaDibujo& e) { e.ConDent = 1; });
// Inclined stems 0.05 m thicker at the foot: 0.20 at the top, 0.25 at the foot.
const EntradaDibujo kTipo1 = Con([](EntradaDibujo& e) { e.TipoMuro = 1, e.centro = "0.25"; });
const EntradaDibujo kTipo2 = Con([](EntradaDibujo& e) { e.TipoMuro = 2, e.centro = "0.25"; });
const EntradaDibujo kZapata85 = Con([](EntradaDibujo& e) {
    e.ancho = "0.25", e.centro = "0.25", e.Base = 0.85f, e.barras[EntradaDibujo::Longitudinal] = "ø 3/8\" a 0.25";
});
const EntradaDibujo kOtrasBarras = Con([](EntradaDibujo& e) {
    e.barras = {"ø 1\" a 0.15", "ø 1/2\" a 0.22", "ø 1/2\" a 0.45", "ø 3/4\" a 0.12", "ø 1\" a 0.10", "ø 3/4\" a 0.33",
                "ø 1/2\" a 0.18"};
});
// No row has a usable spacing: 10 m or more, zero, no number at all.
const EntradaDibujo kSinSeparacion = Con([](EntradaDibujo& e) {
    e.barras = {"ø 1/2\" a 12.50", "ø 3/8\" a 0.00", "barra", "ø 3/8\" a 10.00", "ø 1/2\"", "", "ø 3/8\" a 20.00"};
});

TEST(DibujoMuro, StraightWallFramingOutlineAndZ) {
    const std::string b = Bytes(prueba::MuroPorDefecto());
    const auto l = prueba::Lineas(b);
    ASSERT_GT(l.size(), 10u);
    EXPECT_EQ(Extremos(l.begin(), l.begin() + 6), (Extremos{" 0 ", "SECTION", " 2 ", "ENTITIES", " 0 ", "LINE"}));
    EXPECT_EQ(Extremos(l.end() - 4, l.end()), (Extremos{" 0 ", "ENDSEC", " 0 ", "EOF"}));
    for (std::size_t i = 0; i + 1 < l.size(); i += 2) {
        if (l[i] == " 30 " || l[i] == " 31 " || l[i] == " 33 " || l[i] == " 34 ") {
            EXPECT_EQ(l[i + 1], " 0 ") << i;
        }
    }
    // A closed polygon with corners at x 2, 2.3, 2.5, 2.8 and y 2, 2.25, 3.25.
    EXPECT_EQ(Lineas(b, 0, 10), (std::vector<Extremos>{
                                    {" 2 ", " 2 ", " 2 ", " 2.25 "},
                                    {" 2 ", " 2.25 ", " 2.3 ", " 2.25 "},
                                    {" 2.3 ", " 2.25 ", " 2.3 ", " 3.25 "},
                                    {" 2.3 ", " 3.25 ", " 2.5 ", " 3.25 "},
                                    {" 2.5 ", " 3.25 ", " 2.5 ", " 2.25 "},
                                    {" 2.5 ", " 2.25 ", " 2.8 ", " 2.25 "},
                                    {" 2.8 ", " 2.25 ", " 2.8 ", " 2 "},
                                    {" 2.8 ", " 2 ", " 2.4 ", " 2 "},
                                    {" 2.4 ", " 2 ", " 2 ", " 2 "},
                                    {" 1.45 ", " 2.5 ", " 1.8 ", " 2.5 "},  // the ground in front
                                }));
}

TEST(DibujoMuro, StraightWallDimensions) {
    const auto d = Registros(Bytes(prueba::MuroPorDefecto()), "DIMENSION");
    ASSERT_EQ(d.size(), 7u);
    for (const Registro& r : d) {
        EXPECT_EQ(r.valor(2), "*D7");
        EXPECT_EQ(r.valor(10) + r.valor(20), r.valor(11) + r.valor(21));
    }
    const auto puntos = [](const Registro& r) {
        return Extremos{r.valor(10), r.valor(20), r.valor(13), r.valor(23), r.valor(14), r.valor(24), r.valor(50)};
    };
    // TalonX is the float32 2.8: an offset formed from it carries its last digits.
    EXPECT_EQ(puntos(d[0]), (Extremos{" 3.44999995231628 ", " 2.125 ", " 3.19999995231628 ", " 2 ",
                                      " 3.19999995231628 ", " 2.25 ", " 90 "}));
    EXPECT_EQ(puntos(d[3]), (Extremos{" 2.4 ", " 1.6 ", " 2 ", " 1.95 ", " 2.8 ", " 1.95 ", " 0 "}));
    EXPECT_EQ(puntos(d[6]), (Extremos{" 1.45 ", " 2.25 ", " 1.7 ", " 2 ", " 1.7 ", " 2.5 ", " 90 "}));
}

TEST(DibujoMuro, StraightWallBarsAndCallouts) {
    const std::string b = Bytes(prueba::MuroPorDefecto());
    EXPECT_EQ(Lineas(b, 21, 1), (std::vector<Extremos>{{" 2.03 ", " 2.03 ", " 2.76999995231628 ", " 2.03 "}}));
    EXPECT_EQ(Puntos(b).size(), 16u);  // 4 + 4 transverse, 4 exterior, 4 interior
    // The exterior horizontal bars: ring on the highest dot at or below mid-height, the text
    // ending 0.16 to its left and starting 17 characters before ("ø" counts one), the bars'
    // direction included.
    const auto t = Registros(b, "TEXT");
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(Registros(b, "CIRCLE")[3].valor(20), " 2.585833 ");
    EXPECT_EQ((Extremos{t[5].valor(1), t[5].valor(10), t[5].valor(20), t[5].valor(72), t[5].valor(11)}),
              (Extremos{"\xF8 3/8\" a 0.30 (hor)", " 1.67249997138977 ", " 2.585833 ", " 2 ", " 2.18249997138977 "}));
    // The interior vertical bar's text 0.65 of a spacing above the interior mark.
    EXPECT_EQ(t[4].valor(10) + t[4].valor(20), " 2.61749998092651  2.78083331108093 ");
    // The footing bars' leader half a spacing before the last distribution dot.
    EXPECT_EQ(Lineas(b, 27, 1), (std::vector<Extremos>{{" 2.6274999332428 ", " 2.03 ", " 2.6274999332428 ", " 1.94 "}}));
}

TEST(DibujoMuro, KeySplitsTheUndersideAndAddsTwoDimensions) {
    const std::string b = Bytes(kLlave);
    const std::string kL = " 2.30000009536743 ", kR = " 2.50000009536743 ";
    EXPECT_EQ(Lineas(b, 7, 5), (std::vector<Extremos>{{" 2.8 ", " 2 ", kR, " 2 "},
                                                      {kL, " 2 ", " 2 ", " 2 "},
                                                      {kL, " 1.5 ", kL, " 2 "},
                                                      {kL, " 1.5 ", kR, " 1.5 "},
                                                      {kR, " 1.5 ", kR, " 2 "}}));
    const auto d = Registros(b, "DIMENSION");
    ASSERT_EQ(d.size(), 9u);
    EXPECT_EQ(d[3].valor(20), " 1.1 ");  // the footing width moves down by AltDent
    EXPECT_EQ(d[7].valor(20) + d[7].valor(24), " 1.75  1.5 ");
    EXPECT_EQ(d[8].valor(20) + d[8].valor(13) + d[8].valor(14), " 1.3 " + kL + kR);
    // The key's bars would lie on the stem bars (x 2.33 and 2.47): each steps 0.01 inwards.
    EXPECT_EQ(Lineas(b, 29, 1), (std::vector<Extremos>{{" 2.34000009536743 ", " 1.53 ", " 2.46000009536743 ", " 1.53 "}}));
    EXPECT_EQ(Puntos(b).size(), 18u);
}

TEST(DibujoMuro, InclinedFacesCarryTheirBarsAlong) {
    const std::string b1 = Bytes(kTipo1);
    EXPECT_EQ(Lineas(b1, 2, 4), (std::vector<Extremos>{{" 2.3 ", " 2.25 ", " 2.35 ", " 3.25 "},
                                                       {" 2.35 ", " 3.25 ", " 2.55 ", " 3.25 "},
                                                       {" 2.55 ", " 3.25 ", " 2.55 ", " 2.25 "},
                                                       {" 2.55 ", " 2.25 ", " 2.85 ", " 2.25 "}}));
    EXPECT_EQ(Lineas(b1, 23, 1), (std::vector<Extremos>{{" 2.31749990463257 ", " 2.03 ", " 2.37999990463257 ", " 3.22 "}}));
    auto p = Puntos(b1);
    for (int i = 9; i < 12; ++i) EXPECT_NEAR(p[i].x, 2.35 - 0.05 * (3.25 - p[i].y) + 0.0425, 1e-6) << i;
    EXPECT_NEAR(p[12].x, 2.55 - 0.0425, 1e-6);

    const std::string b2 = Bytes(kTipo2);
    EXPECT_EQ(Lineas(b2, 4, 2), (std::vector<Extremos>{{" 2.5 ", " 3.25 ", " 2.55 ", " 2.25 "},
                                                       {" 2.55 ", " 2.25 ", " 2.85 ", " 2.25 "}}));
    EXPECT_EQ(Lineas(b2, 24, 1), (std::vector<Extremos>{{" 2.5325 ", " 2.03 ", " 2.47 ", " 3.22 "}}));
    p = Puntos(b2);
    EXPECT_NEAR(p[11].x, 2.3425, 1e-6);
    for (int i = 13; i < 16; ++i) EXPECT_NEAR(p[i].x, 2.5 + 0.05 * (3.25 - p[i].y) - 0.0425, 1e-6) << i;
}

TEST(DibujoMuro, BarsChangeDotsAndTextsOnly) {
    // 0.85 m of footing with bars at 0.25: four dots a row, 0.255 apart.
    const std::string b = Bytes(kZapata85);
    const auto p = Puntos(b);
    for (int i : {1, 2, 3, 5, 6, 7}) EXPECT_NEAR(p[i].x - p[i - 1].x, 0.255, 1e-7) << i;
    EXPECT_EQ(Registros(b, "VERTEX")[2].valor(10), " 2.29125000794729 ");  // 2.0425 + (0.85f - 0.085) / 3 - 0.00625

    const std::string antes = Bytes(prueba::MuroPorDefecto()), despues = Bytes(kOtrasBarras);
    EXPECT_EQ(Lineas(antes, 0, 21), Lineas(despues, 0, 21));
    const auto da = Registros(antes, "DIMENSION"), dd = Registros(despues, "DIMENSION");
    for (std::size_t i = 0; i < da.size(); ++i) EXPECT_EQ(da[i].pares, dd[i].pares) << i;
    EXPECT_EQ(Puntos(despues).size(), 10u + 9u + 5u);
}

TEST(DibujoMuro, BadInputDrawsSoundlyOrIsRefused) {
    // One dot per row; the leaders stay on their bars, inside the wall.
    const std::string b = Bytes(kSinSeparacion);
    EXPECT_EQ(Puntos(b).size(), 4u);
    EXPECT_NEAR(Registros(b, "LINE")[27].numero(10), 2.0425 + (0.8 - 0.085) / 2, 1e-6);
    for (const auto& t : Registros(b, "TEXT")) EXPECT_LT(t.numero(20), 3.25);

    // A stem too low for a dot at or below its middle: the first dot carries the ring.
    EntradaDibujo bajo = prueba::MuroPorDefecto();
    bajo.altura = "0.05", bajo.Altura = 0.05f;
    const auto anillos = Registros(Bytes(bajo), "CIRCLE");
    EXPECT_EQ(anillos[3].valor(10) + anillos[3].valor(20), " 2.3425  2.275 ");

    EntradaDibujo enorme = prueba::MuroPorDefecto();
    enorme.altura = "1e39";  // beyond float32
    prueba::ScratchFolder f;
    const std::string path = f.str() + "/enorme.dxf";
    const std::string message = tarelvo::EscribeDibujo(enorme, path);
    EXPECT_EQ(message.rfind("No se puede crear el archivo " + path + ": el dibujo tiene un valor", 0), 0u) << message;
    EXPECT_NE(::access(path.c_str(), F_OK), 0);
}

TEST(DibujoMuro, EveryVariantLoadsInTheReaderWithItsEntities) {
    const EntradaDibujo recto = prueba::MuroPorDefecto();
    const std::pair<const EntradaDibujo*, const char*> casos[] = {
        {&recto, "BYTYPE CIRCLE=4 DIMENSION=7 LINE=35 POLYLINE=16 TEXT=7"},
        {&kLlave, "BYTYPE CIRCLE=4 DIMENSION=9 LINE=41 POLYLINE=18 TEXT=7"},
        {&kTipo1, "BYTYPE CIRCLE=4 DIMENSION=7 LINE=35 POLYLINE=16 TEXT=7"},
        {&kTipo2, "BYTYPE CIRCLE=4 DIMENSION=7 LINE=35 POLYLINE=16 TEXT=7"},
        {&kZapata85, "BYTYPE CIRCLE=4 DIMENSION=7 LINE=35 POLYLINE=16 TEXT=7"},
        {&kOtrasBarras, "BYTYPE CIRCLE=4 DIMENSION=7 LINE=35 POLYLINE=24 TEXT=7"},
        {&kSinSeparacion, "BYTYPE CIRCLE=4 DIMENSION=7 LINE=35 POLYLINE=4 TEXT=7"},
    };
    prueba::ScratchFolder f;
    const std::string path = f.str() + "/variante.dxf";
    for (const auto& [entrada, porTipo] : casos) {
        ASSERT_EQ(tarelvo::EscribeDibujo(*entrada, path), "");
        const auto l = prueba::LeeConEzdxf(path);
        if (l.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";
        ASSERT_EQ(l.size(), 3u) << l.front();
        EXPECT_EQ(l[0], "ENCODING cp1252");  // read as it is, not recovered
        EXPECT_EQ(l[1], porTipo);
    }
}

}  // namespace
