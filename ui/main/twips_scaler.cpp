#include "ui/main/twips_scaler.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tarelvo {

TwipsScaler::TwipsScaler(QWidget* form, QSize designSize)
    : QObject(form), form_(form), design_(designSize) {
    form->installEventFilter(this);
}

void TwipsScaler::place(QWidget* w, int left, int top, int width, int height, double pointSize) {
    if (pointSize <= 0) pointSize = w->font().pointSizeF() > 0 ? w->font().pointSizeF() : 8;
    entries_.insert(w, {QRect(left, top, width, height), pointSize});
    // A widget destroyed before the form must not leave a dangling entry.
    connect(w, &QObject::destroyed, this, [this, w] { entries_.remove(w); });
    applyTo(w);
}

void TwipsScaler::move(QWidget* w, int left, int top) {
    auto it = entries_.find(w);
    if (it == entries_.end()) return;
    it->rect.moveTo(left, top);
    applyTo(w);
}

void TwipsScaler::setLeft(QWidget* w, int left) { move(w, left, designRect(w).top()); }
void TwipsScaler::setTop(QWidget* w, int top) { move(w, designRect(w).left(), top); }

QRect TwipsScaler::designRect(QWidget* w) const {
    auto it = entries_.find(w);
    return it == entries_.end() ? QRect() : it->rect;
}

double TwipsScaler::scaleX() const {
    return design_.width() > 0 ? static_cast<double>(form_->width()) / design_.width() : 1.0 / 15;
}

double TwipsScaler::scaleY() const {
    return design_.height() > 0 ? static_cast<double>(form_->height()) / design_.height()
                                : 1.0 / 15;
}

void TwipsScaler::applyTo(QWidget* w) {
    auto it = entries_.find(w);
    if (it == entries_.end()) return;
    const double sx = scaleX(), sy = scaleY();
    const QRect& r = it->rect;
    // Edges rounded separately, so neighbouring controls stay flush.
    const int x1 = static_cast<int>(std::lround(r.left() * sx));
    const int y1 = static_cast<int>(std::lround(r.top() * sy));
    const int x2 = static_cast<int>(std::lround((r.left() + r.width()) * sx));
    const int y2 = static_cast<int>(std::lround((r.top() + r.height()) * sy));
    w->setGeometry(x1, y1, std::max(1, x2 - x1), std::max(1, y2 - y1));
    // One point is 20 twips.
    QFont f = w->font();
    const int px = std::max(1, static_cast<int>(std::lround(it->pointSize * 20 * std::min(sx, sy))));
    if (f.pixelSize() != px) {
        f.setPixelSize(px);
        w->setFont(f);
    }
}

void TwipsScaler::apply() {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) applyTo(it.key());
}

bool TwipsScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Resize) apply();
    return QObject::eventFilter(watched, event);
}

}  // namespace tarelvo
