// A stem thickened for shear is one wall everywhere: the schematic's captions and width label,
// the report built from the window, and the drawing the window exports.
#include <QFontMetrics>

#include "common/number_text.h"
#include "ui/export/autocad_form.h"
#include "ui/report/murprev.h"
#include "tests/export/dxf_records.h"
#include "tests/export/test_platform.h"
#include "main_window_fixture.h"

namespace tarelvo::test {
namespace {

QString Metros(double v) { return QString::fromStdString(numtext::format(v, "0.00")); }

// The value on the row of a report table whose caption is `caption`: the cell text nearest to
// the right of the caption on its line.
QString FilaDelReporte(const PageDocument& doc, const QString& caption) {
    for (const Page& p : doc.pages()) {
        const TextItem* c = nullptr;
        for (const PageItem& i : p.items)
            if (const auto* t = std::get_if<TextItem>(&i); t && t->text == caption) c = t;
        if (!c) continue;
        const TextItem* valor = nullptr;
        for (const PageItem& i : p.items) {
            const auto* t = std::get_if<TextItem>(&i);
            if (t && t != c && std::abs(t->y - c->y) < 1 && t->x > c->x &&
                (!valor || t->x < valor->x))
                valor = t;
        }
        return valor ? valor->text : QString();
    }
    return QStringLiteral("<sin fila>");
}

bool TieneTexto(const Page& p, const QString& text) {
    for (const PageItem& i : p.items)
        if (const auto* t = std::get_if<TextItem>(&i); t && t->text == text) return true;
    return false;
}

class AnalysedWallTest : public MainWindowTest {
protected:
    // A wall 6 m high: the footing designed, then checked, as "&Calculo" does.
    void DisenaMuroAlto() {
        Type(w->Altura, "6");
        w->Command8->click();
        w->Command1->click();
        ASSERT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    }
    // The caption shows its text whole, inside its own box.
    static void CabeEntero(const QLabel* l) {
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
            << l->objectName().toStdString() << " '" << l->text().toStdString() << "'";
    }
};

TEST_F(AnalysedWallTest, AStraightStemThickenedForShearShowsItsSizeBesideTheTypedOne) {
    DisenaMuroAlto();
    ASSERT_GT(s.EspTope, s.Ancho + 5);  // sized for shear well past the typed minimum
    // The typed stem stays in its fields and in the state's input.
    EXPECT_EQ(w->Ancho->text(), "0.20");
    EXPECT_EQ(w->Centro->text(), "0.20");
    EXPECT_FLOAT_EQ(s.Ancho, 20);

    EXPECT_EQ(Metros(s.EspTope / 100.0), "0.32");
    EXPECT_TRUE(w->EspTopeUsado->isVisible());
    EXPECT_EQ(w->EspTopeUsado->text(), "usado 0.32");
    EXPECT_TRUE(w->EspBaseUsado->isVisible());
    EXPECT_EQ(w->EspBaseUsado->text(), "usado 0.32");
    EXPECT_EQ(w->Label4->text(), Metros(s.Base));
    EXPECT_EQ(w->Label4->text(), "4.58");

    // Each caption reads whole, at the window's first size and grown, beside its own box and
    // clear of the boxes and labels around it.
    for (const QLabel* l : {w->EspTopeUsado, w->EspBaseUsado}) CabeEntero(l);
    w->resize(1600, 1160);
    QApplication::processEvents();
    for (const QLabel* l : {w->EspTopeUsado, w->EspBaseUsado}) CabeEntero(l);
    const QRect tope = w->EspTopeUsado->geometry(), base = w->EspBaseUsado->geometry();
    EXPECT_LE(tope.bottom(), w->Ancho->geometry().top());
    EXPECT_LT(std::abs(tope.center().x() - w->Ancho->geometry().center().x()), 3);
    EXPECT_GE(base.top(), w->Centro->geometry().bottom());
    EXPECT_LT(std::abs(base.center().x() - w->Centro->geometry().center().x()), 3);
    for (const QWidget* v : {static_cast<QWidget*>(w->Label4), static_cast<QWidget*>(w->Punta),
                             static_cast<QWidget*>(w->Talon), static_cast<QWidget*>(w->Centro)})
        EXPECT_FALSE(base.intersects(v->geometry())) << v->objectName().toStdString();
    // A sloping backfill raises the surcharge value to the stem top's level.
    Press(w->Spin17, true);
    ASSERT_TRUE(w->Label22->isVisible());
    for (const QWidget* v : {static_cast<QWidget*>(w->Label44), static_cast<QWidget*>(w->Label33),
                             static_cast<QWidget*>(w->Label39)})
        EXPECT_FALSE(tope.intersects(v->geometry())) << v->objectName().toStdString();

    // A check run again, and "Centrica" clicked (which writes the centred toe and heel into
    // their fields after its check), leave the analysed width in the label.
    w->Command8->click();
    EXPECT_EQ(w->Label4->text(), Metros(s.Base));
    Click(w->Option5, 2);
    TypeAndLeave(w->Punta, "1.50");
    Click(w->Option5, 3);
    ASSERT_NE(w->Punta->text(), "1.50");
    EXPECT_EQ(w->Label4->text(), Metros(s.Base));
}

TEST_F(AnalysedWallTest, AnInclinedStemShowsOnlyTheTopItsShearThickened) {
    Type(w->Altura, "12");
    w->Command8->click();
    Click(w->Option1, 1);
    w->Command1->click();
    // Its stem shear and its bars fail, but the resultant is in the middle third.
    ASSERT_EQ(w->Panel3D1->text(), "NO CUMPLE");
    // The base is the typed Centro; the top grew past the minimum.
    EXPECT_EQ(w->Centro->text(), "0.80");
    EXPECT_FLOAT_EQ(s.EspBase, 80);
    ASSERT_GT(s.EspTope, s.Ancho + 5);
    EXPECT_TRUE(w->EspTopeUsado->isVisible());
    EXPECT_EQ(w->EspTopeUsado->text(), "usado " + Metros(s.EspTope / 100.0));
    EXPECT_FALSE(w->EspBaseUsado->isVisible());
    EXPECT_EQ(w->Label4->text(), Metros(s.Base));

    // Back to a low straight wall: the captions go.
    TypeAndLeave(w->Altura, "1.00");
    Click(w->Option1, 0);
    EXPECT_LE(s.EspTope, s.Ancho);
    EXPECT_FALSE(w->EspTopeUsado->isVisible());
    EXPECT_FALSE(w->EspBaseUsado->isVisible());
    EXPECT_EQ(w->Label4->text(), Metros(s.Base));
}

TEST_F(AnalysedWallTest, TheReportAndTheDrawingShowTheWallOnTheScreen) {
    DisenaMuroAlto();
    const QString usado = w->EspTopeUsado->text().mid(6);
    const QString zapata = w->Label4->text();
    ASSERT_EQ(usado, "0.32");
    ASSERT_EQ(zapata, "4.58");

    w->Command6->click();
    MurPrev* prev = w->murprev();
    ASSERT_NE(prev, nullptr);
    for (int i = 0; i < 100 && prev->documento().pageCount() == 0; ++i) QTest::qWait(20);
    const PageDocument& doc = prev->documento();
    ASSERT_GE(doc.pageCount(), 6);
    EXPECT_EQ(FilaDelReporte(doc, "Espesor del muro en la corona"), usado);
    EXPECT_EQ(FilaDelReporte(doc, "Espesor del muro en la base"), usado);
    EXPECT_EQ(FilaDelReporte(doc, "Longitud total de la zapata"), zapata);
    EXPECT_EQ(FilaDelReporte(doc, "Longitud de la punta"), w->Punta->text());
    // The drawing page dimensions the stem top and the footing as they stand on screen.
    EXPECT_TRUE(TieneTexto(doc.pages().back(), usado));
    EXPECT_TRUE(TieneTexto(doc.pages().back(), zapata));
    prev->Salir();

    w->Command11->click();
    Autocad* forma = w->autocad();
    ASSERT_NE(forma, nullptr);
    prueba::ScratchFolder raiz;
    const auto trabajo = raiz.path / "trabajo";
    prueba::fs::create_directories(trabajo);
    forma->setPlataforma(std::make_shared<prueba::PlataformaPrueba>(raiz.str()));
    forma->setCarpeta(QString::fromStdString(trabajo.string()));
    forma->Text2->setText(QStringLiteral("C:\\ACAD\\ACAD.EXE"));
    forma->Command2Click();
    ASSERT_TRUE(messages.empty()) << messages.back().text.toStdString();
    const std::string dxf =
        prueba::ReadAll(trabajo / (forma->Text1->text().toStdString() + ".dxf"));
    const auto lineas = prueba::Registros(dxf, "LINE");
    ASSERT_GT(lineas.size(), 6u);
    // Outline from the toe: ..., the stem top from x2 to x3, ..., the heel ending at TalonX.
    const double corona = lineas[3].numero(11) - lineas[3].numero(10);
    const double ancho = lineas[5].numero(11) - 2.0;
    const double punta = lineas[1].numero(11) - lineas[1].numero(10);
    EXPECT_EQ(Metros(corona), usado);
    EXPECT_NEAR(corona, s.EspTope / 100.0, 1e-4);
    EXPECT_EQ(Metros(ancho), zapata);
    EXPECT_NEAR(ancho, s.Base, 1e-4);
    EXPECT_EQ(Metros(punta), w->Punta->text());
}

}  // namespace
}  // namespace tarelvo::test
