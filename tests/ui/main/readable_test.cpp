// Every text of the main window can be read: nothing cut at the smallest size the window
// allows, at its usual size, nor on a large screen.
#include <QTemporaryDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>

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
    for (QLabel* l : {w->FsVuelcoSismo, w->FsDeslizSismo}) l->setText(QStringLiteral("147.04"));
    for (QLabel* l : {w->FsVuelcoSismo, w->FsDeslizSismo, w->EtqVuelcoSismo, w->EtqDeslizSismo})
        l->show();
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


// The frame of failed checks lies clear of every value and of the schematic's lines, and each of
// its lines can be scrolled to; the stale caption fits the status panel.
TEST_F(MainWindowTest, FourFailedChecksAndTheStaleCaptionCanBeReadAtMinimumAndUsualSizes) {
    // A tall thin wall on a long heel, on soft soil with little admissible pressure: it slides,
    // overloads the soil, and needs too much steel in the stem and the heel.
    Click(w->Option5, 2);
    TypeAndLeave(w->Phi2, "15");
    TypeAndLeave(w->Altura, "3");
    TypeAndLeave(w->Punta, "0,2");
    TypeAndLeave(w->Talon, "2,5");
    TypeAndLeave(w->Ancho, "0,1");
    Press(w->Spin22, true, 6);
    w->Command8->click();
    const QStringList lineas = w->Label33->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lineas.size(), 5) << w->Label33->text().toStdString();
    ASSERT_EQ(lineas.last(), "RECALCULE!");
    TypeAndLeave(w->Altura, "3,5");
    ASSERT_EQ(w->Panel3D1->text(), "DATOS MODIFICADOS");

    auto* marco = static_cast<QScrollArea*>(w->MarcoAvisos);
    const Esquema& esquema = w->esquema();
    for (QSize tam : {w->minimumSize(), w->comfortableSize()}) {
        SCOPED_TRACE(testing::Message() << tam.width() << "x" << tam.height());
        w->resize(tam);
        QApplication::processEvents();
        ASSERT_TRUE(marco->isVisible());
        EXPECT_EQ(TextosCortados(w.get()).join(QLatin1Char('\n')).toStdString(), "");
        // Every wrapped line within reach of the scroll bar, none cut at the side.
        const QWidget* vista = marco->viewport();
        EXPECT_LE(w->Label33->width(), vista->width());
        EXPECT_GE(w->Label33->height(), w->Label33->heightForWidth(w->Label33->width()));
        EXPECT_EQ(marco->verticalScrollBar()->maximum(),
                  std::max(0, w->Label33->height() - vista->height()));
        // Clear of every field and label the schematic shows, and of its lines.
        const QRect r = marco->geometry();
        for (QWidget* otro : w->Frame3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (otro == marco || otro->objectName() == "Esquema" || !otro->isVisible()) continue;
            EXPECT_FALSE(r.intersects(otro->geometry())) << otro->objectName().toStdString();
        }
        const double sx = w->Frame3->width() / 5745.0, sy = w->Frame3->height() / 7380.0;
        const QRectF enDiseno(r.left() / sx, r.top() / sy, r.width() / sx, r.height() / sy);
        for (const std::string& n : esquema.names()) {
            const LineaEsquema& l = esquema.line(n);
            if (!l.visible) continue;
            const QRectF caja = QRectF(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2)).normalized();
            EXPECT_FALSE(enDiseno.intersects(caja.adjusted(-1, -1, 1, 1))) << n;
        }
    }
}

}  // namespace
}  // namespace tarelvo::test
