#include "ui/report/murprev_sheet_icon.h"

#include <QPainter>

namespace tarelvo {

MurPrevSheetIcon::MurPrevSheetIcon(bool landscape, QWidget* parent)
    : QWidget(parent), landscape_(landscape) {
    setFixedSize(sizeHint());
}

void MurPrevSheetIcon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Letter proportions, 11 by 8.5, turned as the orientation says.
    const double longSide = 34, shortSide = 34 * 8.5 / 11;
    const QSizeF size = landscape_ ? QSizeF(longSide, shortSide) : QSizeF(shortSide, longSide);
    QRectF sheet(QPointF(0, 0), size);
    sheet.moveCenter(QRectF(rect()).center());
    p.fillRect(sheet.translated(2, 2), QColor(128, 128, 128));
    p.fillRect(sheet, Qt::white);
    // The corner folded over, top right.
    const double fold = 7;
    QPolygonF outline;
    outline << sheet.topLeft() << QPointF(sheet.right() - fold, sheet.top())
            << QPointF(sheet.right(), sheet.top() + fold) << sheet.bottomRight()
            << sheet.bottomLeft();
    p.setPen(QPen(Qt::black, 1));
    p.drawPolygon(outline);
    p.drawPolyline(QPolygonF() << QPointF(sheet.right() - fold, sheet.top())
                               << QPointF(sheet.right() - fold, sheet.top() + fold)
                               << QPointF(sheet.right(), sheet.top() + fold));
    p.setPen(QPen(QColor(0, 0, 128), 1));
    const double left = sheet.left() + 4, right = sheet.right() - 4;
    int n = 0;
    for (double y = sheet.top() + fold + 3; y < sheet.bottom() - 3; y += 3, ++n)
        p.drawLine(QPointF(left, y), QPointF(n % 4 == 3 ? (left + right) / 2 : right, y));
}

}  // namespace tarelvo
