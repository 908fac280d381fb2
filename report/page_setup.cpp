#include "report/page_setup.h"

#include "report/devices.h"

namespace tarelvo {

QSizeF PageSizeTwips(const PageSetup& setup) {
    QSizeF size = PaperTwips(setup.paper, setup.customPaper).value_or(QSizeF(12240, 15840));
    // Portrait stands the paper upright, landscape lays its long side across, whatever shape
    // the code gives it (Ledger is defined wider than tall).
    const bool ancho = size.width() > size.height();
    if (ancho != (setup.orientation == 1)) size.transpose();
    return size;
}

double PageWidth(const PageSetup& setup) { return PageSizeTwips(setup).width(); }
double PageHeight(const PageSetup& setup) { return PageSizeTwips(setup).height(); }

PageSetup DefaultPageSetup() {
    PageSetup s;
    s.device = DefaultDevice();
    s.paper = DefaultPaperCode();
    return s;
}

}  // namespace tarelvo
