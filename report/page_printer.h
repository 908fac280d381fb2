// Printing a range of composed pages to the document's device, without a dialog.
#pragma once

#include <QString>

namespace tarelvo {

class PageDocument;

// Prints pages `first` to `last` (from 1; clamped to the pages there are) to the device of
// the document's setup: a printer, or the PDF device, which writes setup.pdfPath. Returns an
// error text for the user, empty when the pages went out.
QString PrintPages(const PageDocument& doc, int first, int last);

}  // namespace tarelvo
