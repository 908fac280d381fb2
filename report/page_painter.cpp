#include "report/page_painter.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include <QPainter>

#include "report/page_document.h"
#include "report/text_metrics.h"

namespace tarelvo {

namespace {

QPen ToPen(const PagePen& p) {
    static const Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                           Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    QPen pen(p.color);
    pen.setWidthF(std::isfinite(p.width) && p.width > 0 ? p.width : 0);
    pen.setStyle(p.style >= 0 && p.style <= 5 ? kStyles[p.style] : Qt::SolidLine);
    return pen;
}

QBrush ToBrush(const PageBrush& b) {
    static const Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                              Qt::FDiagPattern, Qt::BDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
    if (b.style == 0) return QBrush(b.color);
    if (b.style >= 2 && b.style <= 7) return QBrush(b.color, kHatches[b.style - 2]);
    return Qt::NoBrush;
}

struct ItemPainter {
    QPainter& p;

    void operator()(const TextItem& t) const {
        const QFont f = TwipsFont(t.font);
        p.save();
        p.setFont(f);
        p.setPen(t.color);
        p.translate(t.x, t.y);
        if (t.angle != 0) p.rotate(-t.angle / 10.0);
        p.drawText(QPointF(0, Ascent(t.font)), t.text);
        p.restore();
    }
    void operator()(const LineItem& l) const {
        p.setPen(ToPen(l.pen));
        p.drawLine(l.from, l.to);
    }
    void operator()(const CircleItem& c) const {
        p.setPen(ToPen(c.pen));
        p.setBrush(ToBrush(c.brush));
        p.drawEllipse(c.centre, c.radius, c.radius);
    }
    void operator()(const PolygonItem& g) const {
        p.setPen(ToPen(g.pen));
        p.setBrush(ToBrush(g.brush));
        p.drawPolygon(g.points);
    }
};

}  // namespace

void PaintPageItems(QPainter& painter, const Page& page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const ItemPainter paint{painter};
    for (const PageItem& item : page.items) std::visit(paint, item);
    painter.restore();
}

void PaintPage(QPainter& painter, const Page& page, const QSizeF& pageTwips,
               const QRectF& target) {
    if (!(pageTwips.width() > 0 && pageTwips.height() > 0) || target.isEmpty()) return;
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.translate(target.topLeft());
    painter.scale(target.width() / pageTwips.width(), target.height() / pageTwips.height());
    painter.setClipRect(QRectF(QPointF(0, 0), pageTwips));
    PaintPageItems(painter, page);
    painter.restore();
}

QImage RenderPageImage(const PageDocument& doc, int index, double dpi) {
    if (index < 0 || index >= doc.pageCount() || !(dpi > 0)) return QImage();
    const QSizeF twips(doc.pageWidth(), doc.pageHeight());
    const QSize pixels(std::max(1, static_cast<int>(std::lround(twips.width() * dpi / 1440))),
                       std::max(1, static_cast<int>(std::lround(twips.height() * dpi / 1440))));
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    PaintPage(painter, doc.pages()[static_cast<std::size_t>(index)], twips,
              QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

}  // namespace tarelvo

