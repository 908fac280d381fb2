// The control bar: page and zoom buttons and their labels.
#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/report/murprev.h"
#include "ui/report/preview_widget.h"

namespace tarelvo {

namespace {
// Finer zoom steps at small zooms, where 20 % would be most of the page.
int PasoZoom(int zoom) { return zoom >= 100 ? 20 : zoom >= 50 ? 10 : 5; }
}  // namespace

void MurPrev::UpdateControlBar() {
    const int page = Vp->page(), zoom = Vp->zoom();
    lblPage->setText(QString::number(page));
    lblZoom->setText(QString::number(zoom));
    cmdPage[0]->setEnabled(page > 1);
    cmdPage[1]->setEnabled(page > 1);
    cmdPage[2]->setEnabled(page < vp_.pageCount());
    cmdPage[3]->setEnabled(page < vp_.pageCount());
    cmdZoom[0]->setEnabled(zoom > Vp->zoomMin());
    cmdZoom[1]->setEnabled(zoom > Vp->zoomMin());
    cmdZoom[2]->setEnabled(zoom < Vp->zoomMax());
    cmdZoom[3]->setEnabled(zoom < Vp->zoomMax());
    Vp->setZoomStep(PasoZoom(zoom));
}

void MurPrev::PaginaBoton(int index) {
    switch (index) {
    case 0: Vp->setPage(1); break;
    case 1: Vp->setPage(Vp->page() - 1); break;
    case 2: Vp->setPage(Vp->page() + 1); break;
    default: Vp->setPage(vp_.pageCount()); break;
    }
    UpdateControlBar();
}

void MurPrev::ZoomBoton(int index) {
    int zoom = Vp->zoom();
    switch (index) {
    case 0: zoom = Vp->zoomMin(); break;
    case 1: zoom -= Vp->zoomStep(); break;
    case 2: zoom += Vp->zoomStep(); break;
    default: zoom = Vp->zoomMax(); break;
    }
    Vp->setZoom(std::clamp(zoom, Vp->zoomMin(), Vp->zoomMax()));
    UpdateControlBar();
}

}  // namespace tarelvo
