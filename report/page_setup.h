// The page setup of a report: where it prints, on which paper, which way round, and the
// margins and page border. Lengths are twips.
#pragma once

#include <QSizeF>
#include <QString>

#include "report/paper_codes.h"

namespace tarelvo {

enum class PageBorder { None = 0, Bottom = 1, Top = 2, TopAndBottom = 3, Box = 4 };

struct PageSetup {
    QString device;            // a printer's name, or kPdfDevice
    QString pdfPath;           // the file the PDF device writes
    int paper = kPaperLetter;  // paper code
    QSizeF customPaper{12240, 15840};  // the paper of code 256
    int orientation = 0;       // 0 portrait, 1 landscape
    double left = 1440, top = 1440, right = 1440, bottom = 1440;
    int border = 0;            // PageBorder, 0 to 4
};

// The page as it is composed: portrait upright, landscape with the long side across. A paper
// code without a paper counts as Letter.
QSizeF PageSizeTwips(const PageSetup& setup);
double PageWidth(const PageSetup& setup);
double PageHeight(const PageSetup& setup);

// The setup a new report starts from: the system's default printer (or the PDF device when
// there is none), its default paper, portrait, margins of one inch, no border.
PageSetup DefaultPageSetup();

}  // namespace tarelvo
