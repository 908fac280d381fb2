#include "ui/reinforcement/esquema_refuerzo_canvas.h"

#include <QPainter>

#include "ui/reinforcement/esquema_refuerzo.h"

namespace tarelvo {

namespace {
const QColor kRojoOscuro(128, 0, 0);
const char* const kDescripciones[] = {"Label17", "Label18", "Label19", "Label20", "Label23",
                                      "Label24", "Label25", "Label46", "Label47"};
}  // namespace

EsquemaRefuerzoCanvas::EsquemaRefuerzoCanvas(const EsquemaRefuerzo& esquema, QWidget* parent)
    : QWidget(parent), esquema_(esquema) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EsquemaRefuerzoCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double sx = width() / EsquemaRefuerzo::kAncho;
    const double sy = height() / EsquemaRefuerzo::kAlto;
    for (const std::string& n : esquema_.lineas()) {
        const EsquemaRefuerzo::Linea& l = esquema_.line(n);
        if (!l.visible) continue;
        p.setPen(QPen(l.marcada ? kRojoOscuro : Qt::black, 1));
        p.drawLine(QPointF(l.x1 * sx, l.y1 * sy), QPointF(l.x2 * sx, l.y2 * sy));
    }
    const double r = std::max(1.5, 22 * std::min(sx, sy));
    for (const std::string& n : esquema_.marcas()) {
        bool descripcion = false;
        for (const char* d : kDescripciones) descripcion = descripcion || n == d;
        const EsquemaRefuerzo::Marca& m = esquema_.marca(n);
        if (descripcion || !m.visible) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(m.marcada ? kRojoOscuro : Qt::black);
        auto punto = [&](double x, double y) { p.drawEllipse(QPointF(x * sx, y * sy), r, r); };
        if (m.height > 3 * m.width) {  // a column of dots along a face
            for (double y = m.top + m.width / 2; y <= m.top + m.height; y += 200)
                punto(m.left + m.width / 2, y);
        } else if (m.width > 3 * m.height) {  // a row of dots along the footing
            for (double x = m.left; x <= m.left + m.width; x += 200) punto(x, m.top + m.height / 2);
        } else {
            punto(m.left + m.width / 2, m.top + m.height / 2);
        }
    }
}

}  // namespace tarelvo
