#include "ui/diagrams/diagramas_canvas.h"

#include <QPainter>

#include "report/page_document.h"
#include "report/page_painter.h"
#include "report/wall_diagrams.h"

namespace tarelvo {

namespace {
constexpr double kTwipsPorPixel = 15;
}

DiagramasCanvas::DiagramasCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Diagramas"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void DiagramasCanvas::setMuro(const ProjectState& s) {
    estado_ = s;
    diagramas_ = CalculaDiagramas(s);
    hayMuro_ = true;
    Compone();
    update();
}

void DiagramasCanvas::Compone() {
    pagina_ = Page{};
    if (!hayMuro_ || width() < 10 || height() < 10) return;
    PageDocument doc;
    doc.startDoc();
    const double m = 6 * kTwipsPorPixel;
    DibujaDiagramas(doc, estado_, diagramas_,
                    QRectF(m, m, width() * kTwipsPorPixel - 2 * m, height() * kTwipsPorPixel - 2 * m));
    pagina_ = doc.pages().front();
    doc.killDoc();
}

void DiagramasCanvas::resizeEvent(QResizeEvent*) { Compone(); }

void DiagramasCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(1 / kTwipsPorPixel, 1 / kTwipsPorPixel);
    PaintPageItems(p, pagina_);
}

}  // namespace tarelvo
