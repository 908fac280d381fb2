// "&Opciones" through its widgets: typed values with "," or ".", refusals over the open dialog,
// OK applies and re-checks, Cancel changes nothing; the options are inputs of the project for
// the stale results, the unsaved mark, "&Nuevo" and the project file.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>

#include "../main/main_window_fixture.h"
#include "common/number_text.h"
#include "engine/method_options.h"
#include "ui/files/confirm_dialog.h"
#include "ui/options/opciones_dialog.h"

namespace tarelvo::test {
namespace {

class OpcionesTest : public MainWindowTest {
protected:
    OpcionesDialog* Abre() {
        w->Command12->click();
        QApplication::processEvents();
        OpcionesDialog* d = w->opciones();
        EXPECT_TRUE(d && d->isVisible());
        return d;
    }
};

TEST_F(OpcionesTest, TheButtonOpensTheDialogWithTheProjectsOptions) {
    EXPECT_EQ(w->Command12->text(), "&Opciones");
    EXPECT_EQ(w->Command12->objectName(), "Command12");
    // Its accelerator is no other command's.
    QSet<QChar> letras;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        const int i = b->text().indexOf(QLatin1Char('&'));
        if (i < 0 || i + 1 >= b->text().size()) continue;
        const QChar letra = b->text().at(i + 1).toLower();
        EXPECT_FALSE(letras.contains(letra)) << b->text().toStdString();
        letras.insert(letra);
    }
    OpcionesDialog* d = Abre();
    EXPECT_TRUE(d->isModal() || d->windowModality() == Qt::WindowModal);
    for (const OpcionCalculo& o : OpcionesCalculo())
        EXPECT_NE(d->findChild<QWidget*>(QString::fromLatin1(o.nombre)), nullptr) << o.nombre;
    EXPECT_EQ(d->FsMinVuelco->text(), "1.50");
    EXPECT_EQ(d->FsMinDeslizSismo->text(), "1.10");
    EXPECT_EQ(d->GammaC->text(), "2.40");
    EXPECT_EQ(d->Friccion->currentText(), "tan φ");
    EXPECT_EQ(d->PasivaFrente->currentText(), "Según la opción PRESION PASIVA");
    EXPECT_EQ(d->ReglaCapacidad->currentText(), "3 con cohesión, 2 sin cohesión");
    EXPECT_FALSE(d->Mu->isEnabled());
    EXPECT_FALSE(d->FsCapacidad->isEnabled());
    EXPECT_EQ(d->HwMaximo->text(), "Máximo para este muro: 1.25 m");
    d->Friccion->setCurrentIndex(2);
    EXPECT_TRUE(d->Mu->isEnabled());
    // Every control says what it is for.
    for (QWidget* c : std::initializer_list<QWidget*>{d->FsMinVuelco, d->Friccion, d->Mu,
                                                      d->PasivaFrente, d->GammaC, d->Hw})
        EXPECT_FALSE(c->toolTip().isEmpty()) << c->objectName().toStdString();
}

TEST_F(OpcionesTest, OkTakesTypedValuesAndChecksTheWall) {
    const float fsAntes = s.FsDesliz;
    OpcionesDialog* d = Abre();
    d->FsMinDesliz->setText("2,5");
    d->Friccion->setCurrentIndex(2);
    d->Mu->setText("0.45");
    d->PasivaFrente->setCurrentIndex(1);
    d->GammaC->setText(" 2.2 ");
    d->ReglaCapacidad->setCurrentIndex(1);
    d->FsCapacidad->setText("2,5");
    d->OK->click();
    QApplication::processEvents();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
    EXPECT_EQ(s.FsMinDesliz, 2.5f);
    EXPECT_EQ(s.Friccion, 2);
    EXPECT_EQ(s.Mu, 0.45f);
    EXPECT_EQ(s.PasivaFrente, 0);
    EXPECT_EQ(s.GammaC, 2.2f);
    EXPECT_EQ(s.FsCapacidad, 2.5f);
    // Checked at once: the new friction, the new minimum in the verdict and its warning.
    EXPECT_NE(s.FsDesliz, fsAntes);
    EXPECT_NEAR(s.FuerzaFric, s.SumaV * 0.45, 1e-5);
    EXPECT_TRUE(w->ResultadosVigentes());
    EXPECT_EQ(w->Panel3D1->text(), "NO CUMPLE");
    EXPECT_NE(w->Label33->text().indexOf("menor que 2.50"), -1) << w->Label33->text().toStdString();
    EXPECT_TRUE(w->isWindowModified());

    // Shown again as they are now.
    d = Abre();
    EXPECT_EQ(d->Mu->text(), "0.45");
    EXPECT_EQ(d->FsCapacidad->text(), "2.50");
    EXPECT_EQ(d->PasivaFrente->currentIndex(), 1);
}

TEST_F(OpcionesTest, RefusalsKeepTheDialogAndCancelChangesNothing) {
    const ProjectState antes = s;
    OpcionesDialog* d = Abre();
    const std::pair<QLineEdit*, const char*> malos[] = {
        {d->FsMinVuelco, "0.9"}, {d->GammaC, "abc"}, {d->Kh, "0.6"}, {d->Kv, "2,5.1"},
        {d->Hw, "1.3"}};
    for (const auto& [caja, texto] : malos) {
        d->Carga(s);
        messages.clear();
        caja->setText(QString::fromLatin1(texto));
        d->OK->click();
        QApplication::processEvents();
        ASSERT_EQ(messages.size(), 1u) << texto;
        EXPECT_NE(messages[0].text.indexOf(caja->objectName()), -1)
            << messages[0].text.toStdString();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(ValoresOpciones(s), ValoresOpciones(antes));
    }
    EXPECT_NE(messages[0].text.indexOf("1.25 m"), -1);  // the wall's virtual back
    d->Carga(s);
    d->Kh->setText("0.2");
    d->Cancela->click();
    QApplication::processEvents();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(ValoresOpciones(s), ValoresOpciones(antes));
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
}

TEST_F(OpcionesTest, OptionsAreInputsOfTheProject) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("opciones.mur");
    w->setFileChooser([&](QWidget*, bool, const QString&) { return ruta; });
    OpcionesDialog* d = Abre();
    d->Kh->setText("0.15");
    d->Hw->setText("0,5");
    d->OK->click();
    QApplication::processEvents();
    EXPECT_TRUE(w->isWindowModified());
    // The re-check shows the earthquake case's factors in the panel's last row.
    EXPECT_TRUE(w->FsVuelcoSismo->isVisibleTo(w.get()) && w->EtqDeslizSismo->isVisibleTo(w.get()));
    EXPECT_EQ(w->FsDeslizSismo->text().toStdString(), numtext::format(s.FsDeslizSismo, "0.00"));
    ASSERT_TRUE(w->SalvaArchivo());
    EXPECT_FALSE(w->isWindowModified());

    // "&Nuevo" puts the usual method back.
    saveAnswer = QMessageBox::No;
    w->Command5->click();
    QApplication::processEvents();
    if (w->nuevo()->isVisible()) emit w->nuevo()->aceptado();
    QApplication::processEvents();
    EXPECT_TRUE(OpcionesPorDefecto(s));
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_FALSE(w->FsVuelcoSismo->isVisibleTo(w.get()) || w->EtqVuelcoSismo->isVisibleTo(w.get()));

    // The file gives them back.
    w->setFileChooser([&](QWidget*, bool, const QString&) { return ruta; });
    w->Command4->click();
    QApplication::processEvents();
    EXPECT_EQ(s.Kh, 0.15f);
    EXPECT_EQ(s.Hw, 0.5f);
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_TRUE(w->ResultadosVigentes());
}

}  // namespace
}  // namespace tarelvo::test
