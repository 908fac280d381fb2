#include "ui/report/preview_widget.h"

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "report/page_document.h"
#include "report/page_painter.h"

namespace tarelvo {

namespace {
constexpr int kRim = 16;  // grey around the sheet, in pixels
}  // namespace

class PreviewWidget::Sheet : public QWidget {
public:
    explicit Sheet(PreviewWidget* owner) : QWidget(owner), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const PageDocument* doc = owner_->doc_;
        const QSize size = owner_->sheetPixels();
        if (!doc || size.isEmpty()) return;
        const int index = owner_->page_ - 1;
        if (index < 0 || index >= doc->pageCount()) return;
        const QRectF sheet(QPointF(kRim, kRim), QSizeF(size));
        p.fillRect(sheet.translated(4, 4), QColor(60, 60, 60));
        PaintPage(p, doc->pages()[static_cast<std::size_t>(index)],
                  QSizeF(doc->pageWidth(), doc->pageHeight()), sheet);
        p.setPen(QColor(110, 110, 110));
        p.drawRect(sheet.adjusted(0, 0, -1, -1));
    }

private:
    PreviewWidget* owner_;
};

PreviewWidget::PreviewWidget(QWidget* parent) : QScrollArea(parent), sheet_(new Sheet(this)) {
    setBackgroundRole(QPalette::Dark);
    setAlignment(Qt::AlignCenter);
    setWidget(sheet_);
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
    viewport()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
    resizeSheet();
}

void PreviewWidget::setDocument(const PageDocument* doc) {
    doc_ = doc;
    refresh();
}

int PreviewWidget::pageCount() const { return doc_ ? doc_->pageCount() : 0; }

void PreviewWidget::refresh() {
    const int last = std::max(1, pageCount());
    if (page_ > last) {
        page_ = last;
        emit pageChanged(page_);
    }
    resizeSheet();
    sheet_->update();
}

void PreviewWidget::setPage(int page) {
    page = std::clamp(page, 1, std::max(1, pageCount()));
    if (page == page_) return;
    page_ = page;
    resizeSheet();
    sheet_->update();
    // A new page is read from its top.
    verticalScrollBar()->setValue(0);
    emit pageChanged(page_);
}

void PreviewWidget::setZoom(int percent) {
    percent = std::clamp(percent, kZoomMin, kZoomMax);
    if (percent == zoom_) return;
    zoom_ = percent;
    resizeSheet();
    sheet_->update();
    emit zoomChanged(zoom_);
}

void PreviewWidget::setZoomStep(int step) { zoomStep_ = std::max(1, step); }

void PreviewWidget::setInputEnabled(bool on) {
    input_ = on;
    horizontalScrollBar()->setEnabled(on);
    verticalScrollBar()->setEnabled(on);
}

QSize PreviewWidget::sheetPixels() const {
    if (pageCount() == 0) return QSize();
    // 100 % is the paper's real size at the screen's resolution.
    const double scale = zoom_ / 100.0 * logicalDpiX() / 1440.0;
    const auto px = [scale](double twips) {
        const double v = twips * scale;
        return std::isfinite(v) ? static_cast<int>(std::clamp(std::lround(v), 1L, 100000L)) : 1;
    };
    return QSize(px(doc_->pageWidth()), px(doc_->pageHeight()));
}

void PreviewWidget::resizeSheet() {
    const QSize size = sheetPixels();
    sheet_->resize(size.isEmpty() ? QSize(1, 1) : size + QSize(2 * kRim, 2 * kRim));
}

bool PreviewWidget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel: {
        if (!input_) return true;
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier)) break;
        const int dir = wheel->angleDelta().y() > 0 ? 1 : wheel->angleDelta().y() < 0 ? -1 : 0;
        setZoom(zoom_ + dir * zoomStep_);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (!input_) return true;
        break;
    case QEvent::KeyPress: {
        if (!input_) return true;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_PageUp) setPage(page_ - 1);
        else if (key->key() == Qt::Key_PageDown) setPage(page_ + 1);
        else if (key->key() == Qt::Key_Home && key->modifiers() & Qt::ControlModifier) setPage(1);
        else if (key->key() == Qt::Key_End && key->modifiers() & Qt::ControlModifier)
            setPage(pageCount());
        else break;
        return true;
    }
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace tarelvo
