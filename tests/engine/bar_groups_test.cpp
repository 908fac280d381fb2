// The bar groups and the reinforcement layout step.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/bar_spacing.h"
#include "engine/reinforcement_layout.h"
#include "engine/results_view.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

using G = GruposBarras;
const std::string kMedia = "\xC3\xB8 1/2\"";     // ø 1/2"

ProjectState Checked() {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    return s;
}

TEST(GruposBarras, LoadFillsEveryDescription) {
    ProjectState s = Checked();
    G g;
    g.Carga(s);
    EXPECT_EQ(g.posicion(G::MuroInteriorVertical), 0);
    EXPECT_EQ(g.posicion(G::MuroInteriorHorizontal), 3);
    EXPECT_EQ(g.posicion(G::ZapataLongitudinal), 3);
    for (int i = 0; i < G::kGrupos; ++i) {
        EXPECT_FALSE(g.etiqueta(i).empty());
        EXPECT_EQ(g.etiqueta(i).substr(0, g.textoLista(i).size()), g.textoLista(i));
    }
    // 5.07 / 3.75 = 1.35 m, capped at the box's 0.30.
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), "\xC3\xB8 1\" a 0.30");
}

TEST(GruposBarras, SpacingIsTheBarOverTheAreaCappedByItsBox) {
    ProjectState s = Checked();
    G g;
    g.Carga(s);
    // 1.27 / 10 = 0.127 m: cut down to 0.12, for 10.58 cm2/m; 0.13 would give only 9.77.
    s.AsMuro = 10;
    g.Selecciona(s, G::MuroInteriorVertical, 2);
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), kMedia + " a 0.12");
    // 1.27 / 4.6 = 0.276 m: 0.27, never 0.28.
    s.AsMuro = 4.6f;
    g.Recalcula(s, G::MuroInteriorVertical);
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), kMedia + " a 0.27");
    s.AsMuro = 2;
    g.Recalcula(s, G::MuroInteriorVertical);
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), kMedia + " a 0.30");
    EXPECT_DOUBLE_EQ(G::SeparacionDe(g.etiqueta(G::MuroInteriorVertical)), 0.30);
    // A box that is not a positive number caps nothing.
    g.CambiaSeparacion(s, 0, "abc");
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), kMedia + " a 0.63");
    g.CambiaSeparacion(s, 0, "-1");
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), kMedia + " a 0.63");
    // An area no bar of the list can give at a centimetre still shows a spacing.
    s.AsMuro = 500;
    g.Recalcula(s, G::MuroInteriorVertical);
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), kMedia + " a 0.01");
}

TEST(GruposBarras, TheBarAndTheRequiredAreaBehindEachDescription) {
    ProjectState s = Checked();
    G g;
    g.PreseleccionaBarras(s);
    DistribuyeRefuerzo(s, g, "");
    // Each description's spacing is its bar's area over its group's required area, capped at
    // 0.30, cut down to the centimetre: its bars give at least that area.
    for (int i = 0; i < G::kGrupos; ++i) {
        const double sep = std::min(G::AreaBarra(g.etiqueta(i)) / G::AreaRequerida(s, i), 0.30);
        const double mostrada = G::SeparacionDe(g.etiqueta(i));
        EXPECT_LE(mostrada, sep + 1e-9) << g.etiqueta(i);
        EXPECT_GT(mostrada, sep - 0.01) << g.etiqueta(i);
    }
    EXPECT_DOUBLE_EQ(G::AreaBarra(kMedia + " a 0.30"), 1.27);
    EXPECT_DOUBLE_EQ(G::AreaBarra("\xC3\xB8 1\" a 0.15"), 5.07);
    // A text that names no bar of the table gives no area.
    EXPECT_TRUE(std::isnan(G::AreaBarra("barra rara a 0.19")));
    EXPECT_TRUE(std::isnan(G::AreaBarra(" a 0.30")));
}

TEST(GruposBarras, MissingAreasTakeTheirMinimumsAndKeepThem) {
    ProjectState s = Checked();
    G g;
    g.Carga(s);
    s.AsMuro = 0;
    g.Selecciona(s, G::MuroInteriorVertical, 2);
    EXPECT_FLOAT_EQ(s.AsMuro, 10);
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), kMedia + " a 0.12");
    s.AsTalon = -3;
    g.Recalcula(s, G::ZapataSuperior);
    EXPECT_FLOAT_EQ(s.AsTalon, 12.5f);
    s.AsRep1 = 0;
    s.AsRep2 = 0;
    g.Recalcula(s, G::MuroInteriorHorizontal);
    EXPECT_FLOAT_EQ(s.AsRep1, 2);
    EXPECT_FLOAT_EQ(s.AsRep2, 2.5f);
}

TEST(GruposBarras, SpacingBoxRecomputesItsGroupsOnly) {
    ProjectState s = Checked();
    G g;
    g.Carga(s);
    const std::string muro = g.etiqueta(G::MuroInteriorVertical);
    const int inferior = g.posicion(G::ZapataInferior);
    g.CambiaSeparacion(s, 2, "0.10");
    for (int i : {G::ZapataSuperior, G::ZapataInferior, G::ZapataLongitudinal})
        EXPECT_EQ(g.etiqueta(i).substr(g.etiqueta(i).size() - 4), "0.10");
    EXPECT_EQ(g.posicion(G::ZapataInferior), inferior);
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), muro);
}

TEST(GruposBarras, PreselectionFromTheComputedAreasOncePerProject) {
    ProjectState s = Checked();
    G g;
    s.AsMuro = 5;
    s.AsTalon = 7.9f;
    s.AsPunta = 12;
    g.PreseleccionaBarras(s);
    EXPECT_EQ(g.posicion(G::MuroInteriorVertical), 2);
    EXPECT_EQ(g.posicion(G::MuroExteriorHorizontal), 3);
    EXPECT_EQ(g.posicion(G::ZapataSuperior), 2);
    EXPECT_EQ(g.posicion(G::ZapataInferior), 1);
    EXPECT_EQ(g.posicion(G::ZapataLongitudinal), 2);
    EXPECT_EQ(s.BarrasIniciadas, 1);
    // Once done, the user's bars stay.
    g.Selecciona(s, G::ZapataInferior, 0);
    g.PreseleccionaBarras(s);
    EXPECT_EQ(g.posicion(G::ZapataInferior), 0);
    // Large areas: 1-inch bars, secondary bars kept.
    G h;
    s.BarrasIniciadas = 0;
    s.AsMuro = 20;
    h.Carga(s);
    h.Selecciona(s, G::MuroInteriorHorizontal, 1);
    h.PreseleccionaBarras(s);
    EXPECT_EQ(h.posicion(G::MuroInteriorVertical), 0);
    EXPECT_EQ(h.posicion(G::MuroInteriorHorizontal), 1);
}

TEST(EspacioLibre, TheClearSpacingIsAtLeastTheBarAndTwoAndAHalfCentimetres) {
    // 3/8": 0.95 + 2.5 = 3.45 cm centre to centre; 1": twice its 2.54 cm.
    EXPECT_TRUE(CabeBarra(0.95, 0.0345));
    EXPECT_FALSE(CabeBarra(0.95, 0.0344));
    EXPECT_TRUE(CabeBarra(2.54, 0.0508));
    EXPECT_FALSE(CabeBarra(2.54, 0.0507));
    // At whole centimetres, as descriptions show them: the closest each bar may go.
    const double cerca[4] = {0.06, 0.05, 0.04, 0.04};
    for (int b = 0; b < 4; ++b) {
        EXPECT_TRUE(CabeBarra(kBarras[b].diametro, cerca[b])) << kBarras[b].texto;
        EXPECT_FALSE(CabeBarra(kBarras[b].diametro, cerca[b] - 0.01)) << kBarras[b].texto;
    }
    EXPECT_TRUE(G::SinEspacio(kMedia + " a 0.03"));
    EXPECT_FALSE(G::SinEspacio(kMedia + " a 0.04"));
    EXPECT_FALSE(G::SinEspacio("barra a 0.01"));  // no bar: the area check judges it
}

TEST(EspacioLibre, EachGroupKeepsItsBitUpToDate) {
    ProjectState s = Checked();
    G g;
    g.Carga(s);
    s.AsMuro = 40;  // 0.71 / 40 = 0.017: 3/8" at 0.01
    g.Selecciona(s, G::MuroInteriorVertical, 3);
    g.Selecciona(s, G::ZapataSuperior, 3);
    s.AsTalon = 30;
    g.Recalcula(s, G::ZapataSuperior);
    EXPECT_EQ(s.BarrasSinEspacio, (1 << G::MuroInteriorVertical) | (1 << G::ZapataSuperior));
    EXPECT_EQ(EvaluaFallas(s).barras, s.BarrasSinEspacio);
    g.Selecciona(s, G::MuroInteriorVertical, 0);  // 1" at 0.12
    EXPECT_EQ(s.BarrasSinEspacio, 1 << G::ZapataSuperior);
}

TEST(EspacioLibre, SpacingBoxesTakeANumberFromFiveToFiftyCentimetres) {
    std::string n;
    for (const char* bien : {"0.05", "0.5", " 0.50 ", "0,25", ".3"}) EXPECT_TRUE(LeeSeparacion(bien, n)) << bien;
    EXPECT_EQ(n, ".3");
    ASSERT_TRUE(LeeSeparacion(" 0,25", n));
    EXPECT_EQ(n, "0.25");
    for (const char* mal : {"", "abc", "0.049", "0.501", "0.25 m", "0,2,5", "0.2,5", "nan"})
        EXPECT_FALSE(LeeSeparacion(mal, n)) << mal;
}

TEST(GruposBarras, PreselectionTakesALargerBarThatCanBePlaced) {
    // A 1.50 m thick stem needs 21.75 cm2/m of secondary steel: 3/8" bars at 0.03 leave 2.05 cm
    // between them; 1/2" bars at 0.05 leave 3.73 cm.
    ProjectState s = Checked();
    s.Ancho = s.EspTope = 150;
    s.AsMuro = 5;
    G g;
    g.PreseleccionaBarras(s);
    DistribuyeRefuerzo(s, g, "");
    for (int i : {G::MuroInteriorHorizontal, G::MuroExteriorVertical, G::MuroExteriorHorizontal})
        EXPECT_EQ(g.etiqueta(i), kMedia + " a 0.05") << i;
    EXPECT_EQ(s.BarrasSinEspacio, 0);
    // No bar of the list fits 500 cm2/m: the rule's bar stays, and the group fails.
    ProjectState t = Checked();
    t.AsMuro = 500;
    G h;
    h.PreseleccionaBarras(t);
    DistribuyeRefuerzo(t, h, "");
    EXPECT_EQ(h.posicion(G::MuroInteriorVertical), 0);
    EXPECT_EQ(t.BarrasSinEspacio, 1 << G::MuroInteriorVertical);
}

TEST(DistribuyeRefuerzo, DefaultWallColumns) {
    ProjectState s = Checked();
    G g;
    g.PreseleccionaBarras(s);
    const ColumnasRefuerzo c = DistribuyeRefuerzo(s, g, "Muro 1");
    EXPECT_FLOAT_EQ(s.AsRep1, 2.25f);
    EXPECT_NEAR(s.AsRep2, 2.7, 1e-5);
    EXPECT_EQ(c.area[0], "3.75");
    EXPECT_EQ(c.area[1], "2.25");
    EXPECT_EQ(c.area[3], "2.25");
    EXPECT_EQ(c.area[4], "4.50");
    EXPECT_EQ(c.area[5], "4.50");
    EXPECT_EQ(c.area[6], "2.70");
    EXPECT_EQ(c.momMuro, "0.15");
    EXPECT_EQ(c.momTalon, "0.13");
    EXPECT_EQ(c.momPunta, "0.15");
    EXPECT_EQ(c.titulo, "Muro 1");
    EXPECT_EQ(c.llave, g.etiqueta(G::MuroExteriorVertical));
    EXPECT_EQ(c.llaveBarras, "2 \xC3\xB8 3/8");
}

TEST(DistribuyeRefuerzo, ThinCrestNeverGivesAnEndlessSpacing) {
    ProjectState s = Checked();
    s.Ancho = 5;  // AsRep1 = 0
    G g;
    g.PreseleccionaBarras(s);
    DistribuyeRefuerzo(s, g, "");
    EXPECT_GT(s.AsRep1, 0);
    for (int i = 0; i < G::kGrupos; ++i) {
        const double sep = G::SeparacionDe(g.etiqueta(i));
        EXPECT_GT(sep, 0) << i;
        EXPECT_LE(sep, 0.30) << i;
    }
}

}  // namespace
}  // namespace tarelvo::test
