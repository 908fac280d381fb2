// Entries through the real widgets and keys: decimal commas, refused texts, upper limits, the
// spin boxes reached with Tab, results greyed while out of date, the title's mark and the
// dialogs' questions.
#include <QPlainTextEdit>

#include "engine/results_view.h"
#include "main_window_fixture.h"
#include "ui/files/confirm_dialog.h"

namespace tarelvo::test {
namespace {

void Teclea(QWidget* w, const QString& texto) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, texto);
}

TEST_F(MainWindowTest, ADecimalCommaIsAnalysedAsTyped) {
    Teclea(w->Altura, "2,5");
    // Alt+H leaves the field for "C&hequeo" before the check.
    QTest::keyClick(w.get(), Qt::Key_H, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(w->Altura->text(), "2.50");
    EXPECT_FLOAT_EQ(s.Altura, 2.5f);
    EXPECT_NE(w->Panel3D1->text(), MuroCont1::kDatosModificados);
    EXPECT_TRUE(messages.empty());
    // Decimals beyond two are kept and shown, never rounded away.
    TypeAndLeave(w->Gamma1, "1,875");
    EXPECT_EQ(w->Gamma1->text(), "1.875");
    EXPECT_FLOAT_EQ(s.Gamma1, 1.875f);
}

TEST_F(MainWindowTest, EmptyNonNumericAndTooLargeEntriesAreRefused) {
    struct Caso {
        FieldEdit* campo;
        const char* texto;
        const char* mensaje;
    };
    for (const Caso& c : {Caso{w->Phi1, "", "Falta el valor de φ del relleno"},
                          Caso{w->Altura, "abc", "El valor de H= no es un número: \"abc\""},
                          Caso{w->Altura, "99999", "El valor de H= no puede ser mayor que 15.00"},
                          Caso{w->Talon, "2,5.1", "no es un número"},
                          Caso{w->Ancho, "2.5",
                               "El valor del espesor del muro en el tope no puede ser mayor "
                               "que 2.00"}}) {
        messages.clear();
        const QString antes = c.campo->text();
        TypeAndLeave(c.campo, QString::fromUtf8(c.texto));
        ASSERT_EQ(messages.size(), 1u) << c.texto;
        EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(c.mensaje)))
            << messages[0].text.toStdString();
        EXPECT_EQ(c.campo->text(), antes) << c.texto;
    }
    EXPECT_FLOAT_EQ(s.Phi1, 30.0f);
    EXPECT_FLOAT_EQ(s.Altura, 1.0f);
    EXPECT_FLOAT_EQ(s.Ancho, 20.0f);
}

TEST_F(MainWindowTest, SpinBoxesAreReachedWithTabAndTyped) {
    // Tab goes from each spin box to the next.
    w->Beta->setFocus(Qt::TabFocusReason);
    for (ValueLabel* v : {w->Reac, w->Sobrec, w->Padm}) {
        QWidget* antes = QApplication::focusWidget();
        QTest::keyClick(antes, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), v) << v->objectName().toStdString();
    }
    Teclea(w->Reac, "2,5");
    QTest::keyClick(w->Reac, Qt::Key_Return);
    EXPECT_EQ(w->Reac->caption(), "2.50");
    EXPECT_FLOAT_EQ(s.Reac, 2.5f);
    EXPECT_FLOAT_EQ(s.Phi1, 30.0f);  // no other field took the keys
    QTest::keyClick(w->Reac, Qt::Key_Up);
    EXPECT_EQ(w->Reac->caption(), "3.50");
    QTest::keyClick(w->Reac, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(w->Reac->caption(), "3.45");
    // The spins' range, and the slope rule, apply to typed values too.
    for (const char* malo : {"100", "-1", "x"}) {
        messages.clear();
        Teclea(w->Padm, QString::fromLatin1(malo));
        QTest::keyClick(w->Padm, Qt::Key_Return);
        EXPECT_EQ(w->Padm->caption(), "0.00") << malo;
        EXPECT_EQ(w->Padm->text(), "0.00") << malo;
        EXPECT_EQ(messages.size(), 1u) << malo;
    }
    messages.clear();
    Teclea(w->Beta, "35");
    QTest::keyClick(w->Beta, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "ATENCION");
    EXPECT_EQ(w->Beta->text(), "30.00");
}

TEST_F(MainWindowTest, ChangedInputsGreyTheResultsUntilTheNextCheck) {
    ASSERT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    Type(w->Altura, "2.5");
    EXPECT_EQ(w->Panel3D1->text(), MuroCont1::kDatosModificados);
    EXPECT_EQ(ForeColor(w->Panel3D1), MuroCont1::kGris);
    EXPECT_EQ(ForeColor(w->Label18), MuroCont1::kGris);
    // Back to what was analysed: the results are current again.
    Type(w->Altura, "1.00");
    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    EXPECT_EQ(ForeColor(w->Label18), MuroCont1::kNavy);
    // The title is no analysed input.
    Type(w->Titulo, "Muro norte");
    EXPECT_TRUE(w->ResultadosVigentes());

    // "&Refuerzo" checks changed inputs first, as "C&hequeo" would.
    TypeAndLeave(w->Altura, "2.5");
    ASSERT_FALSE(w->ResultadosVigentes());
    w->Command7->click();
    EXPECT_TRUE(w->ResultadosVigentes());
    EXPECT_FLOAT_EQ(s.Altura, 2.5f);
    EXPECT_NE(w->Panel3D1->text(), MuroCont1::kDatosModificados);
}

TEST_F(MainWindowTest, TheTitleNamesTheProjectAndMarksChanges) {
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Sin título[*] — Tarelvo"));
    EXPECT_FALSE(w->isWindowModified());
    TypeAndLeave(w->Punta, "0.40");
    EXPECT_TRUE(w->isWindowModified());
    Type(w->Punta, "0.30");
    EXPECT_FALSE(w->isWindowModified());
}

TEST_F(MainWindowTest, ConfirmationsAreModalToTheirWindowAndAskedOnce) {
    w->Command5->click();
    ASSERT_TRUE(w->nuevo()->isVisible());
    EXPECT_EQ(w->nuevo()->parentWidget(), w.get());
    EXPECT_TRUE(w->nuevo()->isModal() || w->nuevo()->windowModality() == Qt::WindowModal);
    EXPECT_TRUE(w->nuevo()->isEnabled());
    w->nuevo()->Command1->click();
    EXPECT_FALSE(w->nuevo()->isVisible());

    // A changed project: the save question, answered "No", is the only one.
    TypeAndLeave(w->Punta, "0.40");
    saveAnswer = QMessageBox::No;
    w->Command5->click();
    EXPECT_EQ(saveQuestions, 1);
    EXPECT_FALSE(w->nuevo()->isVisible());
    EXPECT_EQ(w->Punta->text(), "0.30");  // the new project is in

    bool salio = false;
    w->setExitHandler([&] { salio = true; });
    TypeAndLeave(w->Punta, "0.40");
    w->Command3->click();
    EXPECT_EQ(saveQuestions, 2);
    EXPECT_FALSE(w->saleForm()->isVisible());
    EXPECT_TRUE(salio);
}

}  // namespace
}  // namespace tarelvo::test
