// The reinforcement form and its schematic.
#include <QComboBox>
#include <QLineEdit>
#include <cmath>

#include "../main/main_window_fixture.h"
#include "engine/results_view.h"
#include "report/report_memoria.h"
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

QColor Texto(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

class MurrefTest : public MainWindowTest {
protected:
    // Types into a spacing box as the engineer does, and confirms it with Enter.
    static void Teclea(QLineEdit* caja, const QString& texto) {
        caja->setFocus();
        caja->selectAll();
        QTest::keyClicks(caja, texto);
        QTest::keyClick(caja, Qt::Key_Return);
    }
    // The row of a bar group in the report's steel table, from the form's descriptions.
    QStringList FilaAcero(int grupo) {
        std::array<std::string, GruposBarras::kGrupos> barras;
        for (int g = 0; g < GruposBarras::kGrupos; ++g) barras[g] = w->grupos().etiqueta(g);
        for (const TablaMemoria& t : TablasMemoria(w->state(), barras))
            for (const QStringList& f : t.filas)
                if (f.value(0) == QString::fromUtf8(GruposBarras::Nombre(grupo))) return f;
        return {};
    }
};

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
    Teclea(r->Separ[2], "0.10");
    EXPECT_TRUE(r->Resultado[4]->text().endsWith("0.10"));
    EXPECT_TRUE(r->Resultado[6]->text().endsWith("0.10"));
    EXPECT_EQ(r->Combo[5]->currentIndex(), 0);
    // The lists hold their four bars and nothing typed.
    for (QComboBox* c : r->Combo) {
        EXPECT_FALSE(c->isEditable());
        EXPECT_EQ(c->count(), 4);
    }
}

TEST_F(MurrefTest, SpacingBoxesTakeOnlyANumberFromFiveToFiftyCentimetres) {
    w->Command7->click();
    Murref* r = w->murref();
    r->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(r));
    const QString antes = r->Resultado[0]->text();
    for (const char* mal : {"abc", "0.01", "0.9"}) {
        messages.clear();
        Teclea(r->Separ[0], mal);
        ASSERT_EQ(messages.size(), 1u) << mal;
        EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(mal))) << mal;
        EXPECT_TRUE(messages[0].text.contains("0.05 a 0.50")) << mal;
        EXPECT_EQ(r->Separ[0]->text(), "0.30") << mal;
        EXPECT_EQ(w->grupos().separacion(0), "0.30") << mal;
        EXPECT_EQ(r->Resultado[0]->text(), antes) << mal;
    }
    messages.clear();
    // The default stem's 3/8" horizontal bars reach 0.31 m: the box caps them.
    Teclea(r->Separ[0], "0,25");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(r->Separ[0]->text(), "0.25");
    EXPECT_EQ(r->Resultado[1]->text(), QString::fromUtf8("ø 3/8\" a 0.25"));
    EXPECT_EQ(r->Resultado[2]->text(), QString::fromUtf8("ø 3/8\" a 0.30"));  // Separ2's
}

TEST_F(MurrefTest, ThePreselectionOfASixMetreWallAvoidsThreeEighthBarsThatCannotBePlaced) {
    // A 1.50 m thick stem needs 21.75 cm2/m of secondary steel: 3/8" bars would go at 0.03,
    // 2.05 cm apart.
    TypeAndLeave(w->Altura, "6");
    TypeAndLeave(w->Ancho, "1.50");
    w->Command7->click();
    Murref* r = w->murref();
    for (int g : {1, 2, 3}) {
        EXPECT_EQ(r->Resultado[g]->text(), QString::fromUtf8("ø 1/2\" a 0.05")) << g;
        EXPECT_EQ(Texto(r->Resultado[g]), Murref::kAzulOscuro) << g;
    }
    EXPECT_EQ(w->state().BarrasSinEspacio, 0);
}

TEST_F(MurrefTest, ABarThatCannotBePlacedIsRedFailsItsReportRowAndTheVerdict) {
    TypeAndLeave(w->Altura, "6");
    w->Command8->click();
    w->Command1->click();
    ASSERT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    w->Command7->click();
    Murref* r = w->murref();
    ASSERT_EQ(FilaAcero(0).last(), kCumple);
    // 3/8" bars for the 57.7 cm2/m of the stem's base: 0.01 m apart, touching.
    r->Combo[0]->setCurrentIndex(3);
    EXPECT_EQ(r->Resultado[0]->text(), QString::fromUtf8("ø 3/8\" a 0.01"));
    EXPECT_EQ(Texto(r->Resultado[0]), Murref::kRojo);
    EXPECT_FALSE(r->Resultado[0]->toolTip().isEmpty());
    EXPECT_EQ(FilaAcero(0).last(), kNoCumple);
    r->Geometria->click();
    EXPECT_EQ(w->Panel3D1->text(), "NO CUMPLE");
    EXPECT_TRUE(w->Label33->isVisible());
    EXPECT_TRUE(w->Label33->text().contains(QString::fromStdString(AvisoBarras(0))));
    // A bar that fits takes it all back.
    w->Command7->click();
    r->Combo[0]->setCurrentIndex(0);
    EXPECT_EQ(Texto(r->Resultado[0]), Murref::kAzulOscuro);
    EXPECT_EQ(FilaAcero(0).last(), kCumple);
    r->Geometria->click();
    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
}

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
