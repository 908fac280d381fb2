// The bar groups and the reinforcement layout step.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/reinforcement_layout.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

using G = GruposBarras;
const std::string kMedia = "\xC3\xB8 1/2\"";     // ø 1/2"
const std::string kTresOctavos = "\xC3\xB8 3/8\"";

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
    EXPECT_EQ(g.posicion(G::ZapataTransversal), 3);
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
    // A typed text is computed with the smallest bar, as its spacing was.
    EXPECT_DOUBLE_EQ(G::AreaBarra("barra rara a 0.19"), kAreaOtra);
    EXPECT_DOUBLE_EQ(G::AreaBarra(" a 0.30"), kAreaOtra);
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
    for (int i : {G::ZapataSuperior, G::ZapataInferior, G::ZapataTransversal})
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
    EXPECT_EQ(g.posicion(G::ZapataTransversal), 2);
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

TEST(GruposBarras, TypedTextIsNoBar) {
    ProjectState s = Checked();
    G g;
    g.Carga(s);
    g.Escribe(s, G::MuroInteriorVertical, "barra rara");
    EXPECT_EQ(g.posicion(G::MuroInteriorVertical), -1);
    // The smallest bar's area: 0.71 / 3.75 = 0.189.
    EXPECT_EQ(g.etiqueta(G::MuroInteriorVertical), "barra rara a 0.18");
    g.Escribe(s, G::MuroInteriorVertical, kTresOctavos);
    EXPECT_EQ(g.posicion(G::MuroInteriorVertical), 3);
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
