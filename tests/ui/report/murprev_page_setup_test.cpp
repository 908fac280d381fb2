// The report window's page setup: margins as inch texts, margins that stay over rebuilds,
// the border list, the paper list and the orientation.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>

#include "report/devices.h"
#include "ui/report/murprev.h"
#include "ui/report/murprev_sheet_icon.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

struct Ventana {
    Muro muro;
    MurPrev w{muro.estado, [this](MurPrevFuente& f) {
                  const ReportInputs in = muro.Entradas();
                  f.titulo = "Muro M1";
                  f.barras = in.barras;
                  return true;
              }};
    Ventana() {
        w.setMessagePresenter([this](QWidget*, const QString& t) { mensajes << t; });
        w.Activa();
    }
    // Types a text into a margin box and presses Enter.
    void Margen(int i, const QString& text) {
        w.txtMargin[static_cast<std::size_t>(i)]->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(w.txtMargin[static_cast<std::size_t>(i)], &enter);
    }
    QString Texto(int i) const { return w.txtMargin[static_cast<std::size_t>(i)]->text(); }
    void Reconstruye() { w.Check3->toggle(); }
    QStringList mensajes;
};

TEST(MurPrevSetup, ToInchesWritesUpToTwoDecimalsAndTheInchMark) {
    EXPECT_EQ(ToInches(1440), "1\"");
    EXPECT_EQ(ToInches(1584), "1.1\"");
    EXPECT_EQ(ToInches(720), "0.5\"");
    EXPECT_EQ(ToInches(0), "0\"");
    EXPECT_EQ(ToInches(1440 * 0.85 * 0.85), "0.72\"");
}

TEST(MurPrevSetup, TypedMarginsAreStoredInTwipsAndShownBack) {
    Ventana v;
    const int antes = v.w.construcciones();
    v.Margen(0, "1.5");
    EXPECT_EQ(v.w.construcciones(), antes + 1);
    EXPECT_DOUBLE_EQ(v.w.documento().setup.top, 2160);
    EXPECT_EQ(v.Texto(0), "1.5\"");

    // The decimal comma, and the inch mark the box shows.
    v.Margen(3, "1,5");
    EXPECT_EQ(v.Texto(3), "1.5\"");
    EXPECT_DOUBLE_EQ(v.w.documento().setup.right, 2160);
    v.Margen(2, " 0,8\" ");
    EXPECT_DOUBLE_EQ(v.w.documento().setup.bottom, 1152);

    v.Margen(1, "-2");
    EXPECT_DOUBLE_EQ(v.w.documento().setup.left, 0);
    EXPECT_EQ(v.Texto(1), "0\"");
    // What is no number is refused in Spanish, and the box shows the margin in force again.
    v.Margen(1, "1.5");
    const int sinCambio = v.w.construcciones();
    for (const char* texto : {"ninguno", "1.5 pulgadas", "1,5.2", ""}) {
        v.mensajes.clear();
        v.Margen(1, QString::fromUtf8(texto));
        EXPECT_EQ(v.Texto(1), "1.5\"") << texto;
        ASSERT_EQ(v.mensajes.size(), 1u) << texto;
        EXPECT_TRUE(v.mensajes[0].contains(QString::fromUtf8("el margen izquierdo"))) << texto;
    }
    EXPECT_EQ(v.mensajes[0], QString::fromUtf8("Falta el valor del margen izquierdo"));
    EXPECT_EQ(v.w.construcciones(), sinCambio);
    EXPECT_DOUBLE_EQ(v.w.documento().setup.left, 2160);

    // A number too large for twips stays a margin on the paper.
    v.Margen(0, "1e308");
    const double top = v.w.documento().setup.top;
    EXPECT_TRUE(std::isfinite(top));
    EXPECT_LE(top, v.w.documento().pageHeight());
    EXPECT_FALSE(v.Texto(0).contains("inf"));
    EXPECT_GE(v.w.documento().pageCount(), 1);
}

TEST(MurPrevSetup, MarginsShownAreTheMarginsPrintedAfterAnyNumberOfBuilds) {
    Ventana v;
    v.Margen(3, "1.25");
    v.Margen(2, "0.8");
    const PageSetup antes = v.w.documento().setup;
    const QString pie = QStringLiteral("Página 1 de %1").arg(v.w.documento().pageCount());
    ASSERT_NE(Busca(v.w.documento(), 0, pie), nullptr);
    const double pieY = Busca(v.w.documento(), 0, pie)->y;
    for (int i = 0; i < 5; ++i) v.Reconstruye();
    const PageSetup despues = v.w.documento().setup;
    EXPECT_DOUBLE_EQ(despues.right, 1800);
    EXPECT_DOUBLE_EQ(despues.bottom, 1152);
    EXPECT_DOUBLE_EQ(despues.top, antes.top);
    EXPECT_DOUBLE_EQ(despues.left, antes.left);
    const QString esperado[] = {"1\"", "1\"", "0.8\"", "1.25\""};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(v.Texto(i), esperado[i]) << i;
    // The footer stays where the bottom margin puts it.
    const QString pieDespues = QStringLiteral("Página 1 de %1").arg(v.w.documento().pageCount());
    ASSERT_NE(Busca(v.w.documento(), 0, pieDespues), nullptr);
    EXPECT_DOUBLE_EQ(Busca(v.w.documento(), 0, pieDespues)->y, pieY);
}

TEST(MurPrevSetup, ScrollArrowsStepTheMarginByATenthWithoutRunningOut) {
    Ventana v;
    QScrollBar* bar = v.w.scrlMargin[0];
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // up: wider
    EXPECT_EQ(v.Texto(0), "1.1\"");
    EXPECT_DOUBLE_EQ(v.w.documento().setup.top, 1584);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v.Texto(0), "0.9\"");
    // More clicks one way than the bar has steps from its middle.
    for (int i = 0; i < 55; ++i) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(v.Texto(0), "6.4\"");
    // Below nothing the margin stays at nothing.
    v.Margen(2, "0.05");
    v.w.scrlMargin[2]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v.Texto(2), "0\"");
    EXPECT_DOUBLE_EQ(v.w.documento().setup.bottom, 0);
}

TEST(MurPrevSetup, ABoxBorderComesBackAsTopAndBottom) {
    Ventana v;
    EXPECT_EQ(v.w.cmbBorders->currentText(), "Arriba y Abajo");
    const int antes = v.w.construcciones();
    v.w.cmbBorders->setCurrentIndex(4);  // "Alrededor"
    EXPECT_EQ(v.w.construcciones(), antes + 1);
    EXPECT_EQ(v.w.cmbBorders->currentText(), "Arriba y Abajo");
    EXPECT_EQ(v.w.documento().setup.border, 3);
    int horizontales = 0, verticales = 0;
    for (const LineItem* l : Items<LineItem>(v.w.documento(), 0)) {
        if (l->pen.width != 15) continue;
        (l->from.y() == l->to.y() ? horizontales : verticales) += 1;
    }
    EXPECT_EQ(horizontales, 2);
    EXPECT_EQ(verticales, 0);
}

TEST(MurPrevSetup, PaperListOffersTheDevicesPapersAndSetsThePage) {
    Ventana v;
    v.w.cmbDevice->setCurrentIndex(v.w.cmbDevice->findText(kPdfDevice));
    ASSERT_EQ(v.w.documento().setup.device, kPdfDevice);
    QComboBox* papel = v.w.cmbPaperSizes;
    EXPECT_EQ(papel->itemText(0), "Letter 8 1/2 x 11 in");
    EXPECT_EQ(papel->itemText(papel->count() - 1), "Custom");
    EXPECT_EQ(papel->itemData(papel->count() - 1).toInt(), 256);

    papel->setCurrentIndex(papel->findText("Legal 8 1/2 x 14 in"));
    EXPECT_EQ(v.w.documento().setup.paper, 5);
    EXPECT_DOUBLE_EQ(v.w.documento().pageHeight(), 14 * 1440);
    // Rebuilt, the list still shows the paper in use.
    EXPECT_EQ(papel->currentText(), "Legal 8 1/2 x 14 in");
}

TEST(MurPrevSetup, LandscapeTurnsThePagesAndTheirPicture) {
    Ventana v;
    EXPECT_TRUE(v.w.opOrient[0]->isChecked());
    EXPECT_TRUE(v.w.imgOrient[0]->isVisibleTo(&v.w));
    EXPECT_FALSE(v.w.imgOrient[1]->isVisibleTo(&v.w));
    v.w.opOrient[1]->click();
    EXPECT_EQ(v.w.documento().setup.orientation, 1);
    EXPECT_GT(v.w.documento().pageWidth(), v.w.documento().pageHeight());
    EXPECT_TRUE(v.w.imgOrient[1]->isVisibleTo(&v.w));
    EXPECT_FALSE(v.w.imgOrient[0]->isVisibleTo(&v.w));
}

}  // namespace
}  // namespace tarelvo::test
