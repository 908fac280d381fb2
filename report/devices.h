// The devices a report can print to: the system's printers and a PDF file, which every machine
// has even when no printer is installed.
#pragma once

#include <QStringList>

namespace tarelvo {

// The name of the PDF file device in the device list.
extern const QString kPdfDevice;

// The printers' names, then kPdfDevice.
QStringList DeviceNames();

// The system's default printer, or kPdfDevice when there is none.
QString DefaultDevice();

// Whether the device takes the paper code (1 to 68, or 256 for a size of the user's own). The
// PDF device takes every code that has a paper; an unknown device takes none.
bool DeviceSupportsPaper(const QString& device, int code);

// The default printer's default paper when it has a code; otherwise Letter where the locale
// measures in US units and A4 everywhere else.
int DefaultPaperCode();

}  // namespace tarelvo
