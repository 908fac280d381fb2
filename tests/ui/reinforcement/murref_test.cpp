// The reinforcement form and its schematic.
#include <QComboBox>
#include <QLineEdit>
#include <cmath>

#include "../main/main_window_fixture.h"
#include "ui/files/confirm_dialog.h"
#include "ui/reinforcement/esquema_refuerzo.h"
#include "ui/reinforcement/murref.h"

namespace tarelvo::test {
namespace {

bool Visible(const EsquemaRefuerzo& e, const std::string& n) {
    return n.rfind("Line", 0) == 0 ? e.line(n).visible : e.marca(n).visible;
}

TEST(EsquemaRefuerzo, VisibilityFollowsTheStemShapeAndTheKey) {
    struct Caso {
        int forma;
        std::vector<const char*> shown, hidden;
    };
    const Caso casos[] = {
        {0, {"Line1", "Line3", "Line18", "Line20", "Line31", "Line32", "Label1", "Label2", "Line26"},
         {"Line7", "Line8", "Line11", "Line16", "Label4(0)", "Label5(0)", "Line27", "Label47"}},
        {1, {"Line3", "Line20", "Line32", "Label2", "Line7", "Line16", "Label5(0)", "Label5(10)"},
         {"Line1", "Line18", "Line31", "Label1", "Line8", "Line11", "Label4(0)"}},
        {2, {"Line1", "Line18", "Line31", "Label1", "Line8", "Line11", "Label4(0)", "Label4(10)"},
         {"Line3", "Line20", "Line32", "Label2", "Line7", "Line16", "Label5(0)"}}};
    for (const Caso& c : casos) {
        EsquemaRefuerzo e;
        e.MuestraEsquema(c.forma, false);
        e.UbicaEsquema(c.forma, 0.3, 0.3);
        for (const char* n : c.shown) EXPECT_TRUE(Visible(e, n)) << c.forma << " " << n;
        for (const char* n : c.hidden) EXPECT_FALSE(Visible(e, n)) << c.forma << " " << n;
    }
    EsquemaRefuerzo e;
    e.MuestraEsquema(0, true);
    for (const char* n : {"Line13", "Line17", "Line19", "Line21", "Line22", "Line23", "Line24",
                          "Line27", "Line28", "Line29", "LabelDent1", "LabelDent2", "Label46",
                          "Label47"})
        EXPECT_TRUE(Visible(e, n)) << n;
    EXPECT_FALSE(Visible(e, "Line26"));
}

TEST(EsquemaRefuerzo, ShortLinesMoveWithTheStemShape) {
    EsquemaRefuerzo e;
    e.MuestraEsquema(1, false);
    EXPECT_EQ(e.line("Line38").x1, 1710);
    EXPECT_EQ(e.line("Line40").x1, 1860);
    e.MuestraEsquema(2, false);
    EXPECT_EQ(e.line("Line38").x1, 1905);
    EXPECT_EQ(e.line("Line34").x1, 2625);
    EXPECT_EQ(e.line("Line36").y1, 1980);
}

TEST(EsquemaRefuerzo, FootingIsSplitInProportion) {
    EsquemaRefuerzo e;
    e.MuestraEsquema(0, false);
    e.UbicaEsquema(0, 0.5, 1.5);
    const double punta = e.line("Line4").x2 - e.puntaX();
    const double talon = e.talonX() - e.line("Line5").x1;
    EXPECT_NEAR(punta + talon, 2650, 1e-9);
    EXPECT_NEAR(talon / punta, 3, 1e-9);
    EXPECT_EQ(e.line("Line6").x1, e.puntaX());
    EXPECT_EQ(e.line("Line9").x1, e.talonX());
    // A toe far longer than the heel still fits the frame, in the same proportion.
    e.UbicaEsquema(0, 5, 0.5);
    EXPECT_GE(e.puntaX(), 0);
    EXPECT_NEAR((e.line("Line4").x2 - e.puntaX()) / (e.talonX() - e.line("Line5").x1), 10, 1e-9);
}

TEST(EsquemaRefuerzo, DotRowsRunAlongTheBatteredFace) {
    EsquemaRefuerzo e;
    e.MuestraEsquema(1, false);
    e.UbicaEsquema(1, 0.3, 0.3);
    const EsquemaRefuerzo::Linea& cara = e.line("Line7");
    const double pendiente = (cara.x2 - cara.x1) / (cara.y2 - cara.y1);
    for (int i = 0; i < EsquemaRefuerzo::kPuntos; ++i) {
        const auto& m = e.marca("Label5(" + std::to_string(i) + ")");
        const double y = m.top + m.height / 2;
        const double xCara = cara.x1 + pendiente * (y - cara.y1);
        EXPECT_NEAR(m.left + m.width / 2 - xCara, 100, 1) << i;  // the same offset all along
    }
}

class MurrefTest : public MainWindowTest {};

TEST_F(MurrefTest, RefuerzoReplacesTheMainWindow) {
    Type(w->Titulo, "Muro de prueba");
    w->Command7->click();
    Murref* r = w->murref();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(r->windowTitle(), "MURO DE CONTENCION -REFUERZO-");
    EXPECT_EQ(r->Label43->text(), "Muro de prueba");
    EXPECT_EQ(r->Area[0]->text(), "3.75");
    EXPECT_EQ(r->Area[6]->text(), "2.70");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(r->Resultado[i]->text().toStdString(), w->grupos().etiqueta(i)) << i;
    EXPECT_FALSE(r->Label47->isVisible());

    r->Geometria->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(r->isVisible());
}

TEST_F(MurrefTest, KeyLabelsShowWithTheKey) {
    Click(w->Option3, 0);
    w->Command7->click();
    Murref* r = w->murref();
    EXPECT_TRUE(r->Label47->isVisible());
    EXPECT_EQ(r->Label47->text(), QString::fromUtf8("2 ø 3/8"));
    EXPECT_EQ(r->Label46->text(), r->Resultado[2]->text());
}

TEST_F(MurrefTest, ListsAndSpacingBoxesRecomputeTheDescriptions) {
    w->Command7->click();
    Murref* r = w->murref();
    r->Combo[5]->setCurrentIndex(0);  // 1-inch bars at the bottom
    EXPECT_EQ(r->Resultado[5]->text(), QString::fromUtf8("ø 1\" a 0.30"));
    EXPECT_EQ(w->grupos().posicion(GruposBarras::ZapataInferior), 0);
    r->Separ[2]->setText("0.10");
    EXPECT_TRUE(r->Resultado[4]->text().endsWith("0.10"));
    EXPECT_TRUE(r->Resultado[6]->text().endsWith("0.10"));
    EXPECT_EQ(r->Combo[5]->currentIndex(), 0);
    r->Combo[0]->setEditText("barra");
    EXPECT_EQ(r->Resultado[0]->text(), "barra a 0.18");
}

QColor Texto(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

TEST_F(MurrefTest, FocusMarksTheGroupInDarkRed) {
    w->Command7->click();
    Murref* r = w->murref();
    r->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(r));
    r->Combo[0]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Texto(r->Resultado[0]), Murref::kRojoOscuro);
    EXPECT_TRUE(r->esquema().line("Line20").marcada);
    EXPECT_TRUE(r->esquema().line("Line21").marcada);  // goes with Line20, shown or not
    EXPECT_FALSE(r->esquema().line("Line11").marcada);        // hidden on a straight stem
    r->Combo[6]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Texto(r->Resultado[0]), Murref::kAzulOscuro);
    EXPECT_FALSE(r->esquema().line("Line20").marcada);
    EXPECT_EQ(Texto(r->Resultado[6]), Murref::kRojoOscuro);
    EXPECT_TRUE(r->esquema().marca("Label3").marcada);
    EXPECT_TRUE(r->esquema().marca("Label21").marcada);
}

TEST_F(MurrefTest, ClosingTheFormGoesBackToTheMainWindow) {
    w->Command7->click();
    EXPECT_FALSE(w->murref()->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->murref()->isVisible());
}

TEST_F(MurrefTest, TerminaAsksToExit) {
    int salidas = 0;
    w->setExitHandler([&] { ++salidas; });
    w->Command7->click();
    w->murref()->Termina->click();
    EXPECT_TRUE(w->saleForm()->isVisible());
    w->saleForm()->Command2->click();
    EXPECT_EQ(salidas, 1);
}

}  // namespace
}  // namespace tarelvo::test
