#include "ui/main/esquema_canvas.h"

#include <QPainter>

#include "ui/main/esquema.h"

namespace tarelvo {

EsquemaCanvas::EsquemaCanvas(const Esquema& esquema, QSize designSize, QWidget* parent)
    : QWidget(parent), esquema_(esquema), design_(designSize) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EsquemaCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    const double sx = static_cast<double>(width()) / design_.width();
    const double sy = static_cast<double>(height()) / design_.height();
    for (const std::string& n : esquema_.names()) {
        const LineaEsquema& l = esquema_.line(n);
        if (!l.visible) continue;
        p.drawLine(QPointF(l.x1 * sx, l.y1 * sy), QPointF(l.x2 * sx, l.y2 * sy));
    }
}

}  // namespace tarelvo
