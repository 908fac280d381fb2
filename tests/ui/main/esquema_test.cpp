// The schematic's element model, and the window keeping it in step with the wall.
#include <gtest/gtest.h>

#include <cmath>

#include "main_window_fixture.h"
#include "ui/main/esquema.h"
#include "ui/main/twips_scaler.h"

namespace tarelvo::test {
namespace {

bool Visible(const Esquema& e, const char* n) { return e.line(n).visible; }

TEST(Esquema, EachWallTypeShowsItsOutline) {
    Esquema e;
    struct Caso {
        int tipo;
        std::vector<const char*> shown, hidden;
        double centro;
    };
    const Caso casos[] = {
        {0, {"Line69", "Line70", "Line54", "Line53", "Line78", "Line79"},
         {"Line61", "Line60", "Line58", "Line59"}, 2400},
        {1, {"Line61", "Line70", "Line53", "Line59", "Line79"},
         {"Line69", "Line60", "Line54", "Line78", "Line58"}, 2310},
        {2, {"Line69", "Line60", "Line54", "Line58", "Line78"},
         {"Line61", "Line70", "Line53", "Line79", "Line59"}, 2490}};
    for (const Caso& c : casos) {
        EXPECT_EQ(e.TipoMuro(c.tipo), c.centro);
        for (const char* n : c.shown) EXPECT_TRUE(Visible(e, n)) << c.tipo << " " << n;
        for (const char* n : c.hidden) EXPECT_FALSE(Visible(e, n)) << c.tipo << " " << n;
    }
}

TEST(Esquema, FrontGroundFollowsTheFoundationDepth) {
    Esquema e;
    EXPECT_EQ(e.SueloFrontal(0.50, 0.25, 1.00), 2220);
    EXPECT_EQ(e.line("Line63").y2, 2220);
    EXPECT_EQ(e.line("Line64").y1, 2220);
    EXPECT_EQ(e.line("Line85(1)").y1, 2220);
    EXPECT_EQ(e.line("Line85(1)").y2, 2280);
    // On the footing top when the depth is the footing's own thickness.
    EXPECT_EQ(e.SueloFrontal(0.25, 0.25, 1.00), Esquema::kTopeZapata);
    // A small depth that would draw the ground at or below the footing top sits just above.
    EXPECT_EQ(e.SueloFrontal(0.26, 0.25, 4.00), std::floor(0.95 * (3000 - 1560 * 0.26 / 4)));
    // The depth field is centred on its dimension, between two hatching levels.
    e.SueloFrontal(0.50, 0.25, 1.00);
    EXPECT_EQ(e.DszTop(), 3000 - ((3000 - 2220) / 2.0 + 143));
    e.SueloFrontal(1.25, 0.25, 1.00);
    EXPECT_EQ(e.DszTop(), e.line("Line16").y1);
}

TEST(Esquema, FootingTopAlignmentNeverLeavesTheGroundBelowIt) {
    Esquema e;
    e.line("Line63").y1 = e.line("Line63").y2 = 2900;
    e.DimenZap();
    EXPECT_EQ(e.sueloY(), 2760);
    EXPECT_EQ(e.line("Line64").y1, 2760);
    EXPECT_EQ(e.line("Line69").y1, 2760);
    EXPECT_EQ(e.line("Line61").y2, 2760);
}

// The hatching shown lies strictly below the top of the wedge, and each line's left end is on
// the wedge's sloping side.
void ExpectWedge(const Esquema& e, double arriba, double fondo, double ancho) {
    const LineaEsquema& lado = e.line("Line92");
    EXPECT_EQ(lado.y1, arriba);
    EXPECT_EQ(lado.y2, fondo);
    EXPECT_EQ(lado.x2, 1860 - ancho);
    int shown = 0;
    for (const char* n : {"Line24", "Line23", "Line22", "Line17", "Line16", "Line14", "Line12",
                          "Line11", "Line34", "Line33", "Line29", "Line90", "Line91"}) {
        const LineaEsquema& l = e.line(n);
        if (!l.visible) {
            EXPECT_TRUE(l.y1 <= arriba || l.y1 > fondo || std::string(n) == "Line90" ||
                        std::string(n) == "Line91")
                << n;
            continue;
        }
        ++shown;
        EXPECT_GT(l.y1, arriba) << n;
        EXPECT_LE(l.y1, fondo) << n;
        EXPECT_EQ(l.x2, 1860) << n;
        EXPECT_NEAR(l.x1, 1860 - ancho * (l.y1 - arriba) / (fondo - arriba), 1e-9) << n;
    }
    EXPECT_GT(shown, 0);
}

TEST(Esquema, PassiveWedge) {
    Esquema e;
    e.SueloFrontal(0.50, 0.25, 1.00);
    e.CunaPasiva(true, false);
    ExpectWedge(e, 2220, 3000, 240);
    EXPECT_TRUE(Visible(e, "Line11"));
    EXPECT_FALSE(Visible(e, "Line17"));  // above the ground
    EXPECT_FALSE(Visible(e, "Line90"));

    e.CunaPasiva(true, true);  // down to the key bottom
    ExpectWedge(e, 2220, 3180, 360);
    EXPECT_TRUE(Visible(e, "Line90"));
    EXPECT_TRUE(Visible(e, "Line91"));

    e.CunaPasiva(false, false);  // only the footing's own thickness
    ExpectWedge(e, 2760, 3000, 240);
    EXPECT_FALSE(Visible(e, "Line11"));
    EXPECT_TRUE(Visible(e, "Line33"));
    e.CunaPasiva(false, true);
    ExpectWedge(e, 2760, 3180, 360);

    // Ground on the footing top: nothing above the footing is hatched.
    e.SueloFrontal(0.25, 0.25, 1.00);
    e.CunaPasiva(true, false);
    for (const char* n : {"Line24", "Line16", "Line11", "Line34"}) EXPECT_FALSE(Visible(e, n));
    EXPECT_TRUE(Visible(e, "Line33"));
}

TEST(Esquema, ShearKeyLines) {
    Esquema e;
    e.Dentellon(true);
    for (const char* n : {"Line13", "Line15", "Line35", "Line36", "Line37"}) EXPECT_TRUE(Visible(e, n));
    EXPECT_FALSE(Visible(e, "Line94"));
    e.Dentellon(false);
    for (const char* n : {"Line13", "Line15", "Line35", "Line36", "Line37"}) EXPECT_FALSE(Visible(e, n));
    EXPECT_TRUE(Visible(e, "Line94"));
}

TEST(Esquema, SlopeLineHasAFixedLength) {
    Esquema e;
    const double largo = (4500 - 2770) / 1.75;
    for (double beta : {5.0, 20.0, 33.5, 45.0}) {
        e.Talud(beta);
        const LineaEsquema& l = e.line("Line83");
        EXPECT_TRUE(l.visible);
        EXPECT_NEAR(l.x1, 2730 + largo * std::cos(beta / 57.295779513), 1e-9);
        EXPECT_NEAR(l.y1, 1200 - largo * std::sin(beta / 57.295779513), 1e-9);
        EXPECT_EQ(l.y2, 1200);
        EXPECT_NEAR(std::hypot(l.x1 - 2730, l.y1 - l.y2), largo, 1e-6);
    }
    e.Talud(0);
    EXPECT_FALSE(Visible(e, "Line83"));
}

TEST(Esquema, DimensionBoxesAreCentredOnTheStemBase) {
    for (int forma : {0, 1, 2}) {
        Esquema e;
        e.TipoMuro(forma);
        const Esquema::Cotas c = e.AlineaCotas(forma, 400);
        // The stem base as the outline shows it.
        const double izquierda = forma == 1 ? 2445 : 2550;
        const double derecha = forma == 2 ? 2835 : 2730;
        EXPECT_NEAR(c.centroLeft + 200, (izquierda + derecha) / 2, 1e-9) << forma;
        EXPECT_EQ(c.puntaLeft, c.centroLeft - 510);
        EXPECT_EQ(c.talonLeft, c.centroLeft + 510);
        // The other dimension lines end where the outline ends.
        EXPECT_EQ(e.line("Line52").x1, e.line("Line68").x1);
        EXPECT_EQ(e.line("Line52").x2, e.line("Line68").x2);
        EXPECT_EQ(e.line("Line51").x1, 2550);
        EXPECT_EQ(e.line("Line50").x1, 2730);
        EXPECT_EQ(e.line("Line59").x1, 2445);
        EXPECT_EQ(e.line("Line58").x1, 2835);
        EXPECT_EQ(c.anchoLeft, 2550 - 165);
        EXPECT_EQ(c.anchDentLeft, 2730 - 305);
        EXPECT_EQ(e.line("Line83").x2, 2760);
    }
}

TEST_F(MainWindowTest, SchematicFollowsTheWindow) {
    const Esquema& e = w->esquema();
    EXPECT_EQ(e.sueloY(), 2220);
    EXPECT_FALSE(e.line("Line83").visible);
    EXPECT_TRUE(e.line("Line94").visible);

    Click(w->Option1, 1);
    EXPECT_TRUE(e.line("Line61").visible);
    EXPECT_FALSE(e.line("Line69").visible);
    // The check re-aligned the boxes: centred on the battered stem's base.
    const QRect centro = w->scaler()->designRect(w->Centro);
    EXPECT_NEAR(centro.left() + centro.width() / 2.0, (2445 + 2730) / 2.0, 1);
    EXPECT_EQ(w->scaler()->designRect(w->Talon).left() - centro.left(), 510);

    Click(w->Option3, 0);
    EXPECT_TRUE(e.line("Line35").visible);
    EXPECT_FALSE(e.line("Line94").visible);
    Click(w->Option2, 0);
    EXPECT_EQ(e.line("Line92").y2, Esquema::kFondoDentellon);

    TypeAndLeave(w->Dsz, "0.25");
    w->Command8->click();
    EXPECT_EQ(e.sueloY(), Esquema::kTopeZapata);

    Press(w->Spin17, true, 10);
    EXPECT_TRUE(e.line("Line83").visible);
    EXPECT_EQ(w->scaler()->designRect(Find("Label44")).top(), 450);
    Press(w->Spin17, false, 10);
    EXPECT_FALSE(e.line("Line83").visible);
    EXPECT_EQ(w->scaler()->designRect(Find("Label39")).top(), 990);
}

}  // namespace
}  // namespace tarelvo::test
