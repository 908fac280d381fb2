// Every text of the main window can be read: nothing cut at the smallest size the window
// allows, at its usual size, nor on a large screen.
#include <QTemporaryDir>
#include <QFile>

#include "../support/texts_fit.h"
#include "ui/export/autocad_form.h"
#include "main_window_fixture.h"
#include "ui/report/murprev.h"
#include "ui/reinforcement/murref.h"

namespace tarelvo::test {
namespace {

TEST_F(MainWindowTest, NothingIsCutAtTheMinimumUsualAndLargeSizes) {
    // Long values everywhere they can appear: a loaded project writes its angles "40.00".
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("largo.mur"));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Un muro largo\r\n 1  12.5  99.95  99.95  1  .5  .5 \r\n"
            " .35  12  .85  1.5  3.75  9.25  40  40  2.25  2.25  12.5 \r\n 6  1  0  99.95 \r\n");
    f.close();
    w->setFileChooser([&](QWidget*, bool, const QString&) { return ruta; });
    w->Command4->click();
    ASSERT_EQ(w->Phi1->text(), "40.00");
    const QSize usual = w->comfortableSize();
    for (QSize tam : {w->minimumSize(), usual, QSize(1900, 1380)}) {
        w->resize(tam);
        QApplication::processEvents();
        // Every state of the results panel: unstable, and stable with large numbers.
        for (const char* altura : {"12.00", "1.00"}) {
            TypeAndLeave(w->Altura, altura);
            w->Command8->click();
            w->Label30->show();
            w->Label31->show();
            EXPECT_EQ(TextosCortados(w.get()).join(QLatin1Char('\n')).toStdString(), "")
                << tam.width() << "x" << tam.height() << " " << altura;
        }
    }
    // Values as long as the panel can show.
    w->Label9->setText(QStringLiteral("147.04"));
    w->Label10->setText(QStringLiteral("147.04"));
    w->Panel3D1->setText(QStringLiteral("MURO INESTABLE"));
    for (QSize tam : {w->minimumSize(), usual}) {
        w->resize(tam);
        QApplication::processEvents();
        EXPECT_EQ(TextosCortados(w.get()).join(QLatin1Char('\n')).toStdString(), "")
            << tam.width();
    }
}

TEST_F(MainWindowTest, TheWindowDoesNotShrinkBelowItsMinimum) {
    EXPECT_GE(w->minimumWidth(), 700);
    EXPECT_GE(w->minimumHeight(), 500);
    w->resize(400, 300);
    QApplication::processEvents();
    EXPECT_GE(w->width(), w->minimumWidth());
}

TEST_F(MainWindowTest, TheDisabledBaseFieldLooksDisabled) {
    ASSERT_FALSE(w->Centro->isEnabled());  // "Muro Recto"
    const QColor deshabilitado = w->Centro->palette().color(QPalette::Disabled, QPalette::Base);
    const QColor editable = w->Altura->palette().color(QPalette::Active, QPalette::Base);
    EXPECT_EQ(editable, QColor(Qt::white));
    EXPECT_LT(deshabilitado.lightness(), editable.lightness() - 30);
    // What is painted: the disabled box darker than an editable one.
    const QImage img = w->grab().toImage();
    const QColor pintado = img.pixelColor(w->Centro->mapTo(w.get(), QPoint(w->Centro->width() - 6, w->Centro->height() / 2)));
    // An empty editable box: the title.
    const QColor otro = img.pixelColor(w->Titulo->mapTo(w.get(), QPoint(w->Titulo->width() / 2, w->Titulo->height() / 2)));
    EXPECT_LT(pintado.lightness(), otro.lightness()) << pintado.name().toStdString();
}

TEST_F(MainWindowTest, TheOtherWindowsAreReadableAtTheirMinimumAndUsualSizes) {
    w->Command7->click();  // "&Refuerzo"
    ASSERT_NE(w->murref(), nullptr);
    QWidget* refuerzo = static_cast<QWidget*>(w->murref());
    std::vector<QWidget*> ventanas{refuerzo};
    w->murref()->hide();
    w->show();
    w->Command6->click();  // "&Preview"
    ASSERT_NE(w->murprev(), nullptr);
    ventanas.push_back(static_cast<QWidget*>(w->murprev()));
    w->murprev()->hide();
    w->setEnabled(true);
    w->Command11->click();  // "AutoCad"
    ASSERT_NE(w->autocad(), nullptr);
    ventanas.push_back(static_cast<QWidget*>(w->autocad()));
    for (QWidget* v : ventanas) {
        SCOPED_TRACE(v->objectName().toStdString());
        v->show();
        const QSize usual = v->size();
        EXPECT_GE(v->minimumWidth(), 300);
        EXPECT_GE(v->minimumHeight(), 150);
        for (QSize tam : {v->minimumSize(), usual, QSize(1900, 1380)}) {
            v->resize(tam);
            QApplication::processEvents();
            EXPECT_EQ(TextosCortados(v).join(QLatin1Char('\n')).toStdString(), "")
                << tam.width() << "x" << tam.height();
        }
        v->hide();
    }
}

}  // namespace
}  // namespace tarelvo::test
