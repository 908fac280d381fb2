// The report window's controls: paging and zooming, the style rows and their dialog, the
// header and footer panel, the print range, printing to a PDF file, and rebuilds asked for
// while one is under way.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "hostile_targets.h"
#include "report/devices.h"
#include "ui/report/murprev.h"
#include "ui/report/murprev_updown.h"
#include "ui/report/preview_widget.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

struct Ventana {
    Muro muro;
    bool preparaOk = true;
    MurPrev w{muro.estado, [this](MurPrevFuente& f) {
                  const ReportInputs in = muro.Entradas();
                  f.titulo = "Muro M1";
                  f.barras = in.barras;
                  return preparaOk;
              }};
    QStringList mensajes;
    QString archivo;           // what the save dialog answers; empty: cancelled
    int dialogosFuente = 0;
    bool fuenteOk = false;     // what the font dialog answers
    TextStyle fuenteElegida;

    Ventana() {
        w.setMessagePresenter([this](QWidget*, const QString& t) { mensajes << t; });
        w.setFileChooser([this](QWidget*, const QString&) { return archivo; });
        w.setFontChooser([this](QWidget*, TextStyle& s) {
            ++dialogosFuente;
            if (fuenteOk) s = fuenteElegida;
            return fuenteOk;
        });
        w.Activa();
        // The same pages on every machine: the data, the results and the drawing.
        w.cmbDevice->setCurrentIndex(w.cmbDevice->findText(kPdfDevice));
        w.cmbPaperSizes->setCurrentIndex(w.cmbPaperSizes->findData(kPaperA4));
        w.Check5->setChecked(false);
        w.Check6->setChecked(false);
    }
    std::vector<bool> Habilitados(const std::array<QPushButton*, 4>& b) const {
        return {b[0]->isEnabled(), b[1]->isEnabled(), b[2]->isEnabled(), b[3]->isEnabled()};
    }
};

const std::vector<bool> kNinguno{false, false, false, false};
const std::vector<bool> kAtras{true, true, false, false};
const std::vector<bool> kAdelante{false, false, true, true};
const std::vector<bool> kTodos{true, true, true, true};

TEST(MurPrevControls, PageButtonsMoveThroughThePagesTheyCanReach) {
    Ventana v;
    ASSERT_EQ(v.w.documento().pageCount(), 3);
    EXPECT_EQ(v.w.lblPage->text(), "1");
    EXPECT_EQ(v.Habilitados(v.w.cmdPage), kAdelante);
    v.w.cmdPage[2]->click();
    EXPECT_EQ(v.w.Vp->page(), 2);
    EXPECT_EQ(v.Habilitados(v.w.cmdPage), kTodos);
    v.w.cmdPage[3]->click();
    EXPECT_EQ(v.w.lblPage->text(), "3");
    EXPECT_EQ(v.Habilitados(v.w.cmdPage), kAtras);
    v.w.cmdPage[1]->click();
    EXPECT_EQ(v.w.Vp->page(), 2);
    v.w.cmdPage[0]->click();
    EXPECT_EQ(v.w.Vp->page(), 1);

    // Only "Datos": one page, nowhere to go.
    v.w.cmdPage[3]->click();
    v.w.Check4->setChecked(false);
    ASSERT_EQ(v.w.documento().pageCount(), 1);
    EXPECT_EQ(v.w.lblPage->text(), "1");
    EXPECT_EQ(v.Habilitados(v.w.cmdPage), kNinguno);
}

TEST(MurPrevControls, FourPartsToChooseAllCheckedAtFirst) {
    Muro muro;
    MurPrev w{muro.estado, [&](MurPrevFuente& f) {
                  f.barras = muro.Entradas().barras;
                  return true;
              }};
    w.Activa();
    w.cmbDevice->setCurrentIndex(w.cmbDevice->findText(kPdfDevice));
    w.cmbPaperSizes->setCurrentIndex(w.cmbPaperSizes->findData(kPaperA4));
    const std::pair<const char*, const char*> casillas[] = {
        {"Check3", "Datos"}, {"Check4", "Refuerzo"}, {"Check5", "Memoria"}, {"Check6", "Diagramas"}};
    for (const auto& [nombre, texto] : casillas) {
        auto* c = w.findChild<QCheckBox*>(nombre);
        ASSERT_NE(c, nullptr) << nombre;
        EXPECT_EQ(c->text(), texto);
        EXPECT_TRUE(c->isChecked()) << nombre;
        EXPECT_EQ(c->parentWidget(), w.Frame2);
    }
    // All four: data, results, the Memoria's pages, diagrams, drawing.
    const int todas = w.documento().pageCount();
    EXPECT_GE(todas, 6);
    EXPECT_NE(PaginaDe(w.documento(), "Diagramas"), -1);
    w.Check6->setChecked(false);
    EXPECT_EQ(w.documento().pageCount(), todas - 1);
    EXPECT_EQ(PaginaDe(w.documento(), "Diagramas"), -1);
    w.Check5->setChecked(false);
    EXPECT_EQ(w.documento().pageCount(), 3);
    EXPECT_EQ(PaginaDe(w.documento(), "Conclusión"), -1);
    w.Check5->setChecked(true);
    EXPECT_EQ(PaginaDe(w.documento(), "Empuje del relleno"), 2);
}

TEST(MurPrevControls, ZoomButtonsStepByTheZoomTheyStartFrom) {
    Ventana v;
    struct Caso {
        int desde, boton, hasta;
    };
    for (const Caso& c : {Caso{100, 2, 120}, Caso{100, 1, 80}, Caso{60, 2, 70},
                          Caso{50, 1, 40}, Caso{30, 2, 35}, Caso{45, 1, 40}}) {
        v.w.Vp->setZoom(c.desde);
        v.w.cmdZoom[static_cast<std::size_t>(c.boton)]->click();
        EXPECT_EQ(v.w.Vp->zoom(), c.hasta) << c.desde;
        EXPECT_EQ(v.w.lblZoom->text(), QString::number(c.hasta));
    }
    v.w.cmdZoom[0]->click();
    EXPECT_EQ(v.w.Vp->zoom(), v.w.Vp->zoomMin());
    EXPECT_EQ(v.Habilitados(v.w.cmdZoom), kAdelante);
    v.w.Vp->setZoom(v.w.Vp->zoomMin() + 2);
    v.w.cmdZoom[1]->click();  // a step past the minimum stops at it
    EXPECT_EQ(v.w.Vp->zoom(), v.w.Vp->zoomMin());
    v.w.cmdZoom[3]->click();
    EXPECT_EQ(v.w.Vp->zoom(), v.w.Vp->zoomMax());
    EXPECT_EQ(v.Habilitados(v.w.cmdZoom), kAtras);
}

TEST(MurPrevControls, StyleRowsChangeOnlyWhenTheDialogIsConfirmed) {
    Ventana v;
    v.w.Command4->click();
    EXPECT_TRUE(v.w.Frame3->isVisibleTo(&v.w));
    EXPECT_FALSE(v.w.Frame5->isEnabled());
    EXPECT_FALSE(v.w.Vp->inputEnabled());

    const QString color = v.w.Picture1[3]->palette().color(QPalette::Window).name();
    v.w.Command5[3]->click();
    EXPECT_EQ(v.dialogosFuente, 1);
    EXPECT_EQ(v.w.Command5[3]->text(), "Arial");
    EXPECT_EQ(v.w.Text3[3]->text(), "12");
    EXPECT_EQ(v.w.Text4[3]->text(), "Bold");
    EXPECT_EQ(v.w.Picture1[3]->palette().color(QPalette::Window).name(), color);

    // The size box, the style box and the swatch open the same dialog.
    v.fuenteOk = true;
    v.fuenteElegida.font = PageFont{"Courier", 14.5, false, true, true, false};
    v.fuenteElegida.color = QColor(0, 128, 0);
    QMouseEvent suelta(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2),
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(v.w.Picture1[3], &suelta);
    EXPECT_EQ(v.dialogosFuente, 2);
    EXPECT_EQ(v.w.Command5[3]->text(), "Courier");
    EXPECT_EQ(v.w.Text3[3]->text(), "14.5");
    EXPECT_EQ(v.w.Text4[3]->text(), "Regular");
    EXPECT_TRUE(v.w.Text4[3]->font().italic());
    EXPECT_TRUE(v.w.Text4[3]->font().underline());
    EXPECT_EQ(v.w.Picture1[3]->palette().color(QPalette::Window), QColor(0, 128, 0));

    // "OK" brings the pages back with the subtitles in the new style.
    v.w.Command7->click();
    EXPECT_FALSE(v.w.Frame3->isVisibleTo(&v.w));
    EXPECT_TRUE(v.w.Frame5->isEnabled());
    const TextItem* t = Busca(v.w.documento(), 0, "Datos generales");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->font.family, "Courier");
    EXPECT_EQ(t->color, QColor(0, 128, 0));
}

TEST(MurPrevControls, HeaderAndFooterPanelStoresTheTextsAndReturnsToThePage) {
    Ventana v;
    EXPECT_EQ(v.w.Text5[0]->toPlainText(), "&T||&D");
    EXPECT_EQ(v.w.Text5[1]->toPlainText(), "&A||Página &P de &N");
    EXPECT_TRUE(v.w.Text6->toPlainText().startsWith("Para separar el texto"));
    v.w.cmdPage[2]->click();
    v.w.Command6->click();
    EXPECT_TRUE(v.w.Frame4->isVisibleTo(&v.w));
    EXPECT_FALSE(v.w.Frame1[1]->isVisibleTo(&v.w));
    EXPECT_FALSE(v.w.Frame2->isEnabled());
    v.w.Text5[0]->setPlainText("Proyecto K1|Muro M1");
    v.w.Text5[1]->setPlainText("Hoja %d");
    v.w.Command8->click();
    EXPECT_EQ(v.muro.estado.Encabezado, "Proyecto K1|Muro M1");
    EXPECT_EQ(v.muro.estado.PiePagina, "Hoja %d");
    EXPECT_EQ(v.w.Vp->page(), 2);
    EXPECT_NE(Busca(v.w.documento(), 1, "Hoja 2"), nullptr);
    EXPECT_NE(Busca(v.w.documento(), 2, "Muro M1"), nullptr);

    // Shown again, the window offers the stored texts, not the title.
    v.w.Text5[0]->setPlainText("sin confirmar");
    v.w.Activa();
    EXPECT_EQ(v.w.Text5[0]->toPlainText(), "Proyecto K1|Muro M1");
}

// At the window's smallest size each side panel holds its controls apart, above the panels
// under it.
TEST(MurPrevControls, SidePanelsFitTheSmallestWindow) {
    Ventana v;
    v.w.show();
    v.w.resize(v.w.minimumSize());
    QCoreApplication::processEvents();
    for (QPushButton* abre : {v.w.Command4, v.w.Command6}) {
        abre->click();
        QCoreApplication::processEvents();
        QGroupBox* panel = abre == v.w.Command4 ? v.w.Frame3 : v.w.Frame4;
        SCOPED_TRACE(panel->title().toStdString());
        ASSERT_TRUE(panel->isVisible());
        EXPECT_LE(panel->geometry().bottom(), v.w.Frame1[2]->geometry().top());
        std::vector<QWidget*> hijos;
        for (QWidget* h : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (h->isVisible()) hijos.push_back(h);
        for (std::size_t i = 0; i < hijos.size(); ++i) {
            EXPECT_TRUE(panel->rect().contains(hijos[i]->geometry()))
                << hijos[i]->objectName().toStdString();
            for (std::size_t j = i + 1; j < hijos.size(); ++j)
                EXPECT_FALSE(hijos[i]->geometry().intersects(hijos[j]->geometry()))
                    << hijos[i]->objectName().toStdString() << " "
                    << hijos[j]->objectName().toStdString();
        }
        (abre == v.w.Command4 ? v.w.Command7 : v.w.Command8)->click();
    }
}

TEST(MurPrevControls, PrintRangeOptionsFillTheBoxesAndLimitTheArrows) {
    Ventana v;
    EXPECT_TRUE(v.w.Option1[0]->isChecked());
    EXPECT_EQ(v.w.Text1->text(), "1");
    EXPECT_EQ(v.w.Text2->text(), "3");
    EXPECT_FALSE(v.w.UpDown1->isEnabled());
    EXPECT_FALSE(v.w.Text2->isEnabled());

    v.w.cmdPage[2]->click();
    v.w.Option1[1]->click();
    EXPECT_EQ(v.w.Text1->text(), "2");
    EXPECT_EQ(v.w.Text2->text(), "2");
    v.w.cmdPage[3]->click();  // the current page follows the shown one
    EXPECT_EQ(v.w.Text1->text(), "3");
    EXPECT_EQ(v.w.Text2->text(), "3");

    v.w.Text1->clear();
    v.w.Text2->clear();
    v.w.Option1[2]->click();
    EXPECT_TRUE(v.w.UpDown2->isEnabled());
    EXPECT_EQ(v.w.Text1->text(), "1");
    EXPECT_EQ(v.w.Text2->text(), "3");
    v.w.UpDown2->upArrow()->click();
    EXPECT_EQ(v.w.Text2->text(), "3");  // no page 4
    v.w.UpDown1->upArrow()->click();
    v.w.UpDown1->upArrow()->click();
    EXPECT_EQ(v.w.Text1->text(), "3");
    v.w.UpDown2->downArrow()->click();
    EXPECT_EQ(v.w.Text2->text(), "3");  // not before the first page printed
    // A rebuild keeps typed pages under "Pagi&nas:".
    v.w.Check3->toggle();
    EXPECT_EQ(v.w.Text1->text(), "3");
}

int PaginasPdf(const QByteArray& pdf) {
    return QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]"));
}

TEST(MurPrevControls, PrintsTheChosenPagesToThePdfFileAskedFor) {
    Ventana v;
    QTemporaryDir dir;
    v.w.cmdPage[2]->click();
    v.w.Option1[2]->click();
    v.w.Text1->setText("2");
    v.w.Text2->setText("3");

    v.archivo.clear();  // cancelled: nothing is written, nothing is said
    v.w.Command1->click();
    EXPECT_TRUE(v.w.documento().setup.pdfPath.isEmpty());
    EXPECT_TRUE(v.mensajes.isEmpty());

    v.archivo = dir.filePath("informe");
    v.w.Command1->click();
    EXPECT_TRUE(v.mensajes.isEmpty()) << v.mensajes.join("\n").toStdString();
    const QString ruta = dir.filePath("informe.pdf");
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_EQ(PaginasPdf(pdf), 2);
    const QRegularExpressionMatch caja =
        QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)")
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(caja.hasMatch());
    EXPECT_NEAR(caja.captured(1).toDouble(), 595.3, 1);
    EXPECT_NEAR(caja.captured(2).toDouble(), 841.9, 1);
    EXPECT_EQ(v.w.Vp->page(), 2);

    // Which pages they are, read back from the file where the tool for it is installed.
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (!pdftotext.isEmpty()) {
        QProcess p;
        p.start(pdftotext, {"-layout", ruta, "-"});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QStringList hojas = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
        ASSERT_GE(hojas.size(), 2);
        EXPECT_TRUE(hojas[0].contains("Página 2 de"));
        EXPECT_TRUE(hojas[0].contains("Resultados del analisis") ||
                    hojas[1].contains("Resultados del analisis"));
        EXPECT_TRUE(hojas[1].contains("Página 3 de"));
        EXPECT_FALSE(hojas[0].contains("Datos generales"));
    }

    // A file that cannot be written is said so.
    v.archivo = dir.filePath("no/existe.pdf");
    v.w.Command1->click();
    ASSERT_EQ(v.mensajes.size(), 1);
    EXPECT_TRUE(v.mensajes[0].contains("existe.pdf"));
}

TEST(MurPrevControls, APdfThatDoesNotFitIsSaidAndTheOldOneStays) {
    prueba::DiscoPequeno disco(512 * 1024);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    Ventana v;
    const std::string viejo = "%PDF- el informe de ayer";
    ASSERT_TRUE(prueba::Escribe(disco / "informe.pdf", viejo));
    disco.Llena();
    v.archivo = QString::fromStdString(disco / "informe.pdf");
    v.w.Command1->click();
    ASSERT_EQ(v.mensajes.size(), 1);
    EXPECT_TRUE(v.mensajes[0].contains("El Disco Esta Lleno")) << v.mensajes[0].toStdString();
    EXPECT_TRUE(v.mensajes[0].contains("informe.pdf"));
    EXPECT_EQ(prueba::Contenido(disco / "informe.pdf"), viejo);
    EXPECT_TRUE(v.w.isEnabled());
}

TEST(MurPrevControls, ARebuildAskedForDuringOneRunsAfterIt) {
    Ventana v;
    const int antes = v.w.construcciones();
    bool dentro = false;
    int durante = -1;
    // Runs while the rebuild lets queued events through.
    QTimer::singleShot(0, &v.w, [&] {
        dentro = v.w.construyendo();
        v.w.Check4->setChecked(false);
        durante = v.w.construcciones();
    });
    v.w.UpdatePreview();
    EXPECT_TRUE(dentro);
    EXPECT_EQ(durante, antes);
    EXPECT_EQ(v.w.construcciones(), antes + 2);
    EXPECT_FALSE(v.w.construyendo());
    EXPECT_EQ(v.w.documento().pageCount(), 1);  // the later choice is in the pages

    // Printing asked for meanwhile waits for the complete pages.
    QTemporaryDir dir;
    v.archivo = dir.filePath("durante.pdf");
    QTimer::singleShot(0, &v.w, [&] {
        v.w.Command1->click();
        EXPECT_FALSE(QFile::exists(v.archivo));
    });
    v.w.UpdatePreview();
    EXPECT_TRUE(QFile::exists(v.archivo));
    EXPECT_TRUE(v.mensajes.isEmpty());
}

TEST(MurPrevControls, LeavingGivesTheMainWindowBackAndAFaultedCheckBuildsNothing) {
    Ventana v;
    int salidas = 0;
    QObject::connect(&v.w, &MurPrev::salir, [&] { ++salidas; });
    v.w.show();
    v.w.Command2->click();
    EXPECT_FALSE(v.w.isVisible());
    EXPECT_EQ(salidas, 1);
    v.w.show();
    v.w.close();  // from the window's frame
    EXPECT_EQ(salidas, 2);
    QCoreApplication::processEvents();

    v.preparaOk = false;
    const int antes = v.w.construcciones();
    v.w.Activa();
    QCoreApplication::processEvents();
    EXPECT_EQ(v.w.construcciones(), antes);
    EXPECT_EQ(salidas, 3);

    // Without RefuerzoDisp the results part cannot be chosen and is not printed.
    v.preparaOk = true;
    v.muro.estado.RefuerzoDisp = 0;
    v.w.Activa();
    EXPECT_FALSE(v.w.Check4->isEnabled());
    EXPECT_EQ(v.w.documento().pageCount(), 1);
}

}  // namespace
}  // namespace tarelvo::test
