// Printing a range of composed pages to the document's device, without a dialog.
#pragma once

#include <QString>

namespace tarelvo {

class PageDocument;

// Prints pages `first` to `last` (from 1; clamped to the pages there are) to the device of
// the document's setup: a printer, or the PDF device, which saves setup.pdfPath through the
// safe save (files/safe_save.h) once the whole document is made. Returns an error text for the
// user, empty when the pages went out (for a PDF: when all of the file is on the disk).
QString PrintPages(const PageDocument& doc, int first, int last);

}  // namespace tarelvo
