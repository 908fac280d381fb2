// The command buttons, the results panel they lead to, faults and hints.
#include <QComboBox>
#include <cmath>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "ui/export/autocad_form.h"
#include "ui/report/murprev.h"
#include "main_window_fixture.h"

namespace tarelvo::test {
namespace {

void MoveOver(QWidget* target) {
    QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

TEST_F(MainWindowTest, CheckWithALowHeightChangesNothingElse) {
    Type(w->Altura, "0.80");
    w->Command8->click();
    EXPECT_FLOAT_EQ(s.Altura, 1.0f);  // below 1.0 the height check stops at once
    EXPECT_FLOAT_EQ(s.AlturaAnt, 1.0f);
    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
}

TEST_F(MainWindowTest, LoweringTheWallKeepsItsFootingAndSaysSo) {
    Type(w->Altura, "3.00");
    w->Command8->click();
    EXPECT_FLOAT_EQ(s.AlturaAnt, 3.0f);
    // Raising the height never designs: the wall is simply checked and found unstable.
    EXPECT_EQ(w->Panel3D1->text(), "MURO INESTABLE");
    EXPECT_EQ(w->Punta->text(), "0.30");
    EXPECT_TRUE(w->Command8->isEnabled());
    w->Command1->click();
    ASSERT_TRUE(w->Command8->isEnabled());

    const QString punta = w->Punta->text(), talon = w->Talon->text(), altZap = w->AltZap->text();
    TypeAndLeave(w->Altura, "2.00");
    w->Command8->click();
    EXPECT_FLOAT_EQ(s.AlturaAnt, 2.0f);
    // A check never designs: the footing stays as "&Calculo" left it, and the hint says so.
    EXPECT_EQ(w->Punta->text(), punta);
    EXPECT_EQ(w->Talon->text(), talon);
    EXPECT_EQ(w->AltZap->text(), altZap);
    EXPECT_EQ(w->Text1->toPlainText(),
              QString::fromUtf8("La zapata fue diseñada para H = 3.00 m: use &Calculo para "
                                "rediseñarla"));
    // A footing typed by hand is the engineer's own: no hint.
    w->Text1->clear();
    TypeAndLeave(w->Talon, "1.50");
    w->Command8->click();
    EXPECT_TRUE(w->Text1->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, FootingDesignWritesItsFieldsThenChecks) {
    w->Combo1->setCurrentIndex(w->Combo1->findText("180"));
    Click(w->Option5, 2);
    Press(w->Spin3, true);
    TypeAndLeave(w->Altura, "3.00");
    w->Command8->click();
    ASSERT_EQ(w->Panel3D1->text(), "MURO INESTABLE");
    EXPECT_EQ(ForeColor(w->Panel3D1), MuroCont1::kRed);
    EXPECT_TRUE(w->Command1->isEnabled());
    EXPECT_TRUE(w->Command8->isEnabled());
    EXPECT_TRUE(w->Label18->text().isEmpty());

    w->Command1->click();
    EXPECT_EQ(w->Punta->text(), "0.60");
    EXPECT_EQ(w->Talon->text(), "1.60");
    EXPECT_EQ(w->AltZap->text(), "0.25");
    EXPECT_EQ(w->Label4->text(), "2.40");
    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    EXPECT_FALSE(w->Command1->isEnabled());
    EXPECT_TRUE(w->Command8->isEnabled());
}

TEST_F(MainWindowTest, UnstableWallShowsOnlyEccentricity) {
    Type(w->Altura, "4");
    w->Command8->click();
    ASSERT_EQ(w->Panel3D1->text(), "MURO INESTABLE");
    EXPECT_EQ(ForeColor(w->Label30), MuroCont1::kRed);
    EXPECT_FALSE(w->Label30->text().isEmpty());
    EXPECT_FALSE(w->Label31->text().isEmpty());
    for (QLabel* l : {w->Label18, w->Label25, w->Label27, w->Label28, w->Label10, w->Label32,
                      w->Label8, w->Label9})
        EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
    EXPECT_TRUE(w->Label33->isVisible());
    EXPECT_TRUE(w->Label33->text().startsWith(QString::fromUtf8(kAvisoExcent)));
    EXPECT_TRUE(w->Command1->isEnabled());
    EXPECT_TRUE(w->Command8->isEnabled());  // the wall can be fixed by hand and re-checked
    // A completed check leaves the failing wall printable and drawable.
    for (QPushButton* b : {w->Command6, w->Command7, w->Command9, w->Command11})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(MainWindowTest, FootingShearAndSoilPressureBothFail) {
    Click(w->Option5, 2);
    TypeAndLeave(w->Altura, "4");
    TypeAndLeave(w->Punta, "1.5");
    TypeAndLeave(w->Talon, "2.5");
    Press(w->Spin22, true, 16);
    ASSERT_EQ(w->Padm->caption(), "0.80");
    Press(w->Spin3, true, 3);  // the surcharge re-checks
    ASSERT_EQ(w->Panel3D1->text(), "NO CUMPLE");
    EXPECT_EQ(ForeColor(w->Panel3D1), MuroCont1::kRed);
    EXPECT_EQ(ForeColor(w->Label9), MuroCont1::kRed);
    EXPECT_EQ(ForeColor(w->Label10), MuroCont1::kRed);
    EXPECT_EQ(ForeColor(w->Label27), MuroCont1::kNavy);
    // Every failed check on its own line, the last one "RECALCULE!".
    EXPECT_TRUE(w->Label33->isVisible());
    const QStringList lineas = w->Label33->text().split(QLatin1Char('\n'));
    EXPECT_TRUE(lineas.contains(QString::fromUtf8(kAvisoCorteZapata)));
    EXPECT_TRUE(lineas.contains(QString::fromUtf8(kAvisoPresion)));
    EXPECT_EQ(lineas.last(), "RECALCULE!");
    EXPECT_TRUE(w->Command1->isEnabled());
    EXPECT_TRUE(w->Command8->isEnabled());
    for (QPushButton* b : {w->Command6, w->Command7, w->Command9, w->Command11})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(MainWindowTest, FactorsOfSafetyWarnInTheirOwnLabels) {
    // Soft soil under a tall wall on a long eccentric footing: stable, but it slides.
    Click(w->Option5, 2);
    TypeAndLeave(w->Phi2, "15");
    TypeAndLeave(w->Altura, "2.5");
    TypeAndLeave(w->Punta, "0.6");
    TypeAndLeave(w->Talon, "1.4");
    Press(w->Spin21, true, 3);
    Press(w->Spin3, true);  // the surcharge re-checks
    ASSERT_EQ(w->Panel3D1->text(), "NO CUMPLE");
    EXPECT_EQ(w->Label25->text(), "0.89");
    EXPECT_EQ(ForeColor(w->Label25), MuroCont1::kRed);
    EXPECT_EQ(ForeColor(w->Label18), MuroCont1::kNavy);
    EXPECT_TRUE(w->Label33->isVisible());
    EXPECT_TRUE(w->Label33->text().split(QLatin1Char('\n')).contains(QString::fromUtf8(kAvisoDesliz)));
    EXPECT_TRUE(w->Command1->isEnabled());
    EXPECT_TRUE(w->Command8->isEnabled());

    // "&Calculo" lengthens the footing until it holds, and the check after it agrees.
    w->Command1->click();
    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    EXPECT_FALSE(w->Label33->isVisible());
    EXPECT_GE(s.FsDesliz, 1.5f);
    EXPECT_EQ(ForeColor(w->Label25), MuroCont1::kNavy);
    EXPECT_GT(w->Talon->text().toDouble(), 1.4);
}

TEST_F(MainWindowTest, ACentredCheckShowsTheFootingItComputed) {
    ASSERT_TRUE(w->Option5->isSelected(3));
    TypeAndLeave(w->Punta, "0.50");
    w->Command8->click();
    EXPECT_EQ(w->Punta->text(), "0.40");
    EXPECT_EQ(w->Talon->text(), "0.40");
    EXPECT_EQ(w->Label4->text(), "1.00");
    EXPECT_FLOAT_EQ(s.Punta, 0.40f);
    EXPECT_FLOAT_EQ(s.Base, 1.0f);
    const QString excent = w->Label30->text(), presion = w->Label10->text();
    w->Command8->click();
    EXPECT_EQ(w->Label30->text(), excent);
    EXPECT_EQ(w->Label10->text(), presion);
    EXPECT_EQ(w->Punta->text(), "0.40");
}

TEST_F(MainWindowTest, AnAcceleratorLeavesTheFieldBeforeItsButtonActs) {
    // Typed into the footing thickness, then Alt+H straight away: the footing is raised to
    // its 0.25 minimum before the check, never checked at 7 cm.
    w->AltZap->setFocus();
    QApplication::processEvents();
    w->AltZap->selectAll();
    QTest::keyClicks(w->AltZap, "0.07");
    ASSERT_FLOAT_EQ(s.AltZap, 0.07f);
    QTest::keyClick(w.get(), Qt::Key_H, Qt::AltModifier);
    QTest::qWait(300);  // the button's pressed look lasts a moment before it acts
    EXPECT_EQ(w->AltZap->text(), "0.25");
    EXPECT_FLOAT_EQ(s.AltZap, 0.25f);
    EXPECT_FLOAT_EQ(s.PeraltZap, 0.18f);
    EXPECT_TRUE(w->Command8->hasFocus());
    EXPECT_TRUE(messages.empty());

    // The same through "&Calculo" after making the wall fail.
    TypeAndLeave(w->Altura, "3.00");
    w->Command8->click();
    ASSERT_TRUE(w->Command1->isEnabled());
    w->AltZap->setFocus();
    QApplication::processEvents();
    w->AltZap->selectAll();
    QTest::keyClicks(w->AltZap, "0.07");
    QTest::keyClick(w.get(), Qt::Key_C, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_GE(s.AltZap, 0.25f);
    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    EXPECT_TRUE(messages.empty());

    // "&Calculo" is disabled now: its Alt+C, and an Alt+X no command has, leave the field as
    // typed instead of writing their letters into it.
    ASSERT_FALSE(w->Command1->isEnabled());
    w->Ancho->setFocus();
    QApplication::processEvents();
    const QString ancho = w->Ancho->text();
    QTest::keyClick(w->Ancho, Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(w->Ancho, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(w->Ancho->text(), ancho);
    QTest::keyClick(w->Ancho, Qt::Key_5);
    EXPECT_NE(w->Ancho->text(), ancho);  // plain keys still type
}

TEST_F(MainWindowTest, EngineFaultIsShownAndTheWindowGoesOn) {
    TypeAndLeave(w->Phi2, "0");
    ASSERT_TRUE(messages.empty());
    w->Command8->click();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().title, "Tarelvo");
    EXPECT_TRUE(messages.back().text.contains("no tiene resistencia"));
    EXPECT_EQ(messages.back().icon, QMessageBox::Warning);
    EXPECT_EQ(w->Phi2->text(), "0.00");
    // Nothing is printed or drawn from a wall the engine could not finish.
    for (QPushButton* b : {w->Command6, w->Command7, w->Command9, w->Command11})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    // With some cohesion the same wall checks again.
    messages.clear();
    TypeAndLeave(w->Cohes, "2");
    w->Command8->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_NE(w->Panel3D1->text(), MuroCont1::kDatosModificados);
    EXPECT_TRUE(w->Command7->isEnabled());
}

TEST_F(MainWindowTest, HugeNumbersNeverShowAsInfinity) {
    Type(w->Ancho, "1e38");  // 1e40 cm: beyond a float
    EXPECT_TRUE(std::isfinite(s.Ancho));
    Type(w->Cohes1, "1e39");
    EXPECT_TRUE(std::isfinite(s.Cohes1));
    w->Command8->click();
    EXPECT_FALSE(messages.empty());
    for (QLabel* l : w->findChildren<QLabel*>()) {
        EXPECT_FALSE(l->text().contains("inf", Qt::CaseInsensitive)) << l->objectName().toStdString();
        EXPECT_FALSE(l->text().contains("nan", Qt::CaseInsensitive)) << l->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, HintsFollowTheMouse) {
    MoveOver(w->Command1);
    EXPECT_EQ(w->Text1->toPlainText(),
              QString::fromUtf8("Calcula la dimensión de la base adecuada a las solicitaciones "
                                "actuantes, cumpliendo con los requisitos de estabilidad y de "
                                "esfuerzos admisibles"));
    MoveOver(w->Spin1);  // no hint of its own
    EXPECT_TRUE(w->Text1->toPlainText().startsWith("Calcula"));
    MoveOver(w->Option1->button(2));
    EXPECT_TRUE(w->Text1->toPlainText().startsWith(QString::fromUtf8("Seleccione aquí")));
    MoveOver(w->Combo1);
    EXPECT_TRUE(w->Text1->toPlainText().contains("F'c"));
    MoveOver(w->Frame4);
    EXPECT_TRUE(w->Text1->toPlainText().isEmpty());

    w->Label30->hide();
    MoveOver(w.get());
    EXPECT_TRUE(w->Label30->isVisible());
}

TEST_F(MainWindowTest, AutoCadOpensItsFormBeside) {
    w->Command11->click();
    QWidget* form = nullptr;
    if (!form) form = w->autocad();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(MainWindowTest, PreviewDisablesTheMainWindowUntilItIsLeft) {
    w->Command6->click();
    MurPrev* p = w->murprev();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(p->windowTitle(), "Print Preview");
    // The window builds its pages once shown, from the event loop.
    for (int i = 0; i < 100 && p->documento().pageCount() == 0; ++i) QTest::qWait(20);
    // Data, results, the Memoria's pages, the diagrams and the drawing.
    EXPECT_GE(p->documento().pageCount(), 6);
    p->Salir();
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(p->isVisible());
}

TEST_F(MainWindowTest, AboutOpensBeside) {
    w->Command10->click();
    QWidget* about = w->findChild<QWidget*>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(w->isEnabled());
}

}  // namespace
}  // namespace tarelvo::test
