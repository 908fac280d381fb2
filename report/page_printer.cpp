#include "report/page_printer.h"

#include <algorithm>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "files/safe_save.h"
#include "report/devices.h"
#include "report/page_document.h"
#include "report/page_painter.h"

namespace tarelvo {

namespace {

bool PaintRange(QPagedPaintDevice& device, const PageDocument& doc, int first, int last,
                double dotsPerTwip) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.scale(dotsPerTwip, dotsPerTwip);
    for (int n = first; n <= last; ++n) {
        if (n > first && !device.newPage()) {
            painter.end();
            return false;
        }
        PaintPageItems(painter, doc.pages()[static_cast<std::size_t>(n - 1)]);
    }
    return painter.end();
}

// The page as the device should take it: the composed size, no margins. Qt lays a paper as
// its size defines it in portrait and turns it in landscape; a paper defined wider than tall
// (Ledger) is therefore turned for an upright page.
QPageLayout LayoutFor(const PageDocument& doc) {
    const QSizeF twips(doc.pageWidth(), doc.pageHeight());
    const bool ancha = twips.width() > twips.height();
    const QPageSize size =
        PaperPageSize(doc.setup.paper, doc.setup.customPaper)
            .value_or(QPageSize(twips / 20.0, QPageSize::Point, QString(),
                                QPageSize::ExactMatch));
    const QSizeF propia = size.size(QPageSize::Point);
    const bool propiaAncha = propia.width() > propia.height();
    return QPageLayout(size, ancha != propiaAncha ? QPageLayout::Landscape
                                                  : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

// A PDF document that was finished: its header, and its end-of-file mark last.
bool CompletePdf(const QByteArray& pdf) {
    return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
}

}  // namespace

QString PrintPages(const PageDocument& doc, int first, int last) {
    if (doc.pageCount() == 0 || doc.composing())
        return QStringLiteral("No hay páginas para imprimir.");
    first = std::max(first, 1);
    last = std::min(last, doc.pageCount());
    if (first > last) return QStringLiteral("No hay páginas para imprimir en ese rango.");

    const QString& device = doc.setup.device;
    if (device == kPdfDevice) {
        const QString& path = doc.setup.pdfPath;
        if (path.isEmpty()) return QStringLiteral("Falta el nombre del archivo PDF.");
        // The PDF writer does not report failed writes; the document is made in memory and
        // then saved as every file is, which does.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        bool painted = false;
        {
            QPdfWriter writer(&buffer);
            writer.setCreator(QStringLiteral("Tarelvo"));
            writer.setResolution(1440);
            writer.setPageLayout(LayoutFor(doc));
            painted = PaintRange(writer, doc, first, last, 1.0);
        }
        const QByteArray& pdf = buffer.data();
        if (!painted || !CompletePdf(pdf))
            return QStringLiteral("No se pudo escribir el archivo %1.").arg(path);
        const ResultadoArchivo saved = GuardaArchivoSeguro(
            QFile::encodeName(path).toStdString(),
            std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        if (!saved.ok) return QString::fromStdString(MensajeGuardado(path.toStdString(), saved));
        return QString();
    }

    const QPrinterInfo info = QPrinterInfo::printerInfo(device);
    if (info.isNull()) return QStringLiteral("La impresora %1 no está disponible.").arg(device);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(LayoutFor(doc));
    printer.setDocName(QStringLiteral("Tarelvo"));
    if (PaintRange(printer, doc, first, last, printer.resolution() / 1440.0)) return QString();
    return QStringLiteral("No se pudo imprimir en %1.").arg(device);
}

}  // namespace tarelvo
