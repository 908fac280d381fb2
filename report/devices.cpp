#include "report/devices.h"

#include <QLocale>
#include <QPrinterInfo>

#include "report/paper_codes.h"

namespace tarelvo {

const QString kPdfDevice = QStringLiteral("Archivo PDF");

QStringList DeviceNames() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.removeAll(kPdfDevice);
    names.append(kPdfDevice);
    return names;
}

QString DefaultDevice() {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? kPdfDevice : name;
}

bool DeviceSupportsPaper(const QString& device, int code) {
    const std::optional<QPageSize> size = PaperPageSize(code, QSizeF(12240, 15840));
    if (!size) return false;
    if (device == kPdfDevice) return true;
    const QPrinterInfo printer = QPrinterInfo::printerInfo(device);
    if (printer.isNull()) return false;
    if (code == kPaperCustom) return printer.supportsCustomPageSizes();
    for (const QPageSize& p : printer.supportedPageSizes())
        if (p.isEquivalentTo(*size)) return true;
    return false;
}

int DefaultPaperCode() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        const int code = PaperCodeOf(printer.defaultPageSize());
        if (code != 0) return code;
    }
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? kPaperLetter
                                                                                : kPaperA4;
}

}  // namespace tarelvo
