// Getting pages out: printing a range to a PDF file, what goes wrong doing it, and rendering a
// page to an image for the preview.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "report/devices.h"
#include "report/page_painter.h"
#include "report/page_printer.h"
#include "hostile_targets.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

PageDocument TresPaginas(PageSetup setup) {
    PageDocument doc(setup);
    doc.startDoc();
    doc.paragraph("uno");
    doc.newPage();
    doc.paragraph("dos");
    doc.newPage();
    doc.paragraph("tres");
    doc.endDoc();
    return doc;
}

QByteArray Lee(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PageOutput, PrintsAPageRangeToAPdfFileOnItsPaper) {
    QTemporaryDir dir;
    PageSetup setup = SetupA4();
    setup.orientation = 1;
    setup.pdfPath = dir.filePath("informe.pdf");
    const PageDocument doc = TresPaginas(setup);
    EXPECT_EQ(PrintPages(doc, 2, 3), "");
    const QByteArray pdf = Lee(setup.pdfPath);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QString texto = QString::fromLatin1(pdf);
    EXPECT_EQ(texto.count(QRegularExpression("/Type\\s*/Page[^s]")), 2);
    // A4 lying on its side, in points.
    const QRegularExpressionMatch caja =
        QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)").match(texto);
    ASSERT_TRUE(caja.hasMatch());
    EXPECT_NEAR(caja.captured(1).toDouble(), 841.9, 1);
    EXPECT_NEAR(caja.captured(2).toDouble(), 595.3, 1);

    // Ledger, defined wider than tall, comes out upright in portrait as it was composed.
    setup.paper = 4;
    setup.orientation = 0;
    EXPECT_EQ(PrintPages(TresPaginas(setup), 1, 1), "");
    const QRegularExpressionMatch ledger =
        QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)")
            .match(QString::fromLatin1(Lee(setup.pdfPath)));
    ASSERT_TRUE(ledger.hasMatch());
    EXPECT_NEAR(ledger.captured(1).toDouble(), 792, 1);
    EXPECT_NEAR(ledger.captured(2).toDouble(), 1224, 1);

    // A range reaching past the end prints what there is.
    EXPECT_EQ(PrintPages(doc, 3, 99), "");
    EXPECT_EQ(QString::fromLatin1(Lee(setup.pdfPath)).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
}

TEST(PageOutput, FailuresComeBackAsMessagesNotAsSuccess) {
    QTemporaryDir dir;
    PageSetup setup = SetupA4();
    setup.pdfPath = dir.filePath("no/existe/informe.pdf");
    EXPECT_NE(PrintPages(TresPaginas(setup), 1, 3), "");

    setup.pdfPath = dir.filePath("informe.pdf");
    const PageDocument doc = TresPaginas(setup);
    EXPECT_NE(PrintPages(doc, 3, 2), "");
    EXPECT_NE(PrintPages(doc, 5, 9), "");
    EXPECT_FALSE(QFile::exists(setup.pdfPath));

    setup.device = "Impresora que no existe";
    EXPECT_NE(PrintPages(TresPaginas(setup), 1, 3), "");

    PageDocument abierto(SetupA4());
    abierto.startDoc();
    abierto.paragraph("sin terminar");
    EXPECT_NE(PrintPages(abierto, 1, 1), "");
    EXPECT_NE(PrintPages(PageDocument(SetupA4()), 1, 1), "");
}

TEST(PageOutput, APdfThatDoesNotFitIsReportedAndTheOldOneStays) {
    // The PDF writer itself says nothing of failed writes: this was reported as success, with
    // the old file cut to its first blocks.
    prueba::DiscoPequeno disco(512 * 1024);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string viejo = "%PDF- " + std::string(20000, 'v');
    ASSERT_TRUE(prueba::Escribe(disco / "informe.pdf", viejo));
    disco.Llena();
    PageSetup setup = SetupA4();
    setup.pdfPath = QString::fromStdString(disco / "informe.pdf");
    const QString error = PrintPages(TresPaginas(setup), 1, 3);
    EXPECT_TRUE(error.contains("El Disco Esta Lleno")) << error.toStdString();
    EXPECT_TRUE(error.contains(setup.pdfPath)) << error.toStdString();
    EXPECT_EQ(prueba::Contenido(disco / "informe.pdf"), viejo);
    EXPECT_EQ(disco.Nombres(), (std::set<std::string>{"informe.pdf", "relleno"}));
}

TEST(PageOutput, RendersAPageToAnImageAtTheAskedResolution) {
    const PageDocument doc = TresPaginas(SetupA4());
    const QImage image = RenderPageImage(doc, 0, 60);
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(image.width(), 11906 * 60 / 1440.0, 1);
    EXPECT_NEAR(image.height(), 16838 * 60 / 1440.0, 1);
    // The word "uno" leaves ink at the top-left margin corner and nowhere near the middle.
    auto tinta = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_GT(tinta(60, 60, 90, 72), 0);
    EXPECT_EQ(tinta(200, 300, 300, 400), 0);
    EXPECT_TRUE(RenderPageImage(doc, 3, 60).isNull());
    EXPECT_TRUE(RenderPageImage(doc, -1, 60).isNull());
}

}  // namespace
}  // namespace tarelvo::test
