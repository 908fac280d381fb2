#include "texts_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tarelvo::test {

namespace {

bool Visible(const QWidget* w, const QWidget* ventana) {
    return w->isVisibleTo(ventana) && w->width() > 0;
}

// The part of a control that its frames let show, in the control's own coordinates.
QRect ParteVisible(const QWidget* w, const QWidget* ventana) {
    QRect r = w->rect();
    QPoint desde;
    for (const QWidget* p = w; p && p != ventana; p = p->parentWidget()) {
        r.translate(p->pos());
        desde += p->pos();
        if (p->parentWidget()) r &= p->parentWidget()->rect();
    }
    return r.translated(-desde);
}

}  // namespace

QStringList TextosCortados(QWidget* ventana) {
    QStringList cortados;
    auto revisa = [&](const QWidget* w, const QString& texto, int disponible) {
        if (texto.isEmpty()) return;
        const int necesario = w->fontMetrics().horizontalAdvance(texto);
        if (necesario > disponible)
            cortados << QStringLiteral("%1 \"%2\" (%3 > %4)")
                            .arg(w->objectName(), texto)
                            .arg(necesario)
                            .arg(disponible);
    };
    // Controls cut by the edge of the frame that holds them.
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!Visible(w, ventana) || w->objectName().isEmpty() ||
            w->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QFrame*>(w->parentWidget()) == nullptr)
            continue;
        // A drawing that fills its frame may round one pixel past it; it holds no text.
        if (w->size() == w->parentWidget()->size() || w->geometry().contains(w->parentWidget()->rect()))
            continue;
        const QRect v = ParteVisible(w, ventana);
        if (v != w->rect())
            cortados << QStringLiteral("%1 cortado por su marco (%2x%3 de %4x%5)")
                            .arg(w->objectName())
                            .arg(v.width())
                            .arg(v.height())
                            .arg(w->width())
                            .arg(w->height());
    }
    for (QLabel* l : ventana->findChildren<QLabel*>()) {
        if (!Visible(l, ventana) || l->wordWrap() || l->text().contains(QLatin1Char('\n')) ||
            l->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const int margen = 2 * l->margin() + (l->indent() > 0 ? l->indent() : 0);
        revisa(l, QString(l->text()).remove(QLatin1Char('&')), l->contentsRect().width() - margen);
    }
    for (QLineEdit* e : ventana->findChildren<QLineEdit*>()) {
        if (!Visible(e, ventana) || qobject_cast<QComboBox*>(e->parentWidget())) continue;
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
        const QMargins m = e->textMargins();
        // Qt keeps two pixels clear on each side of a line edit's text.
        revisa(e, e->text(), r.width() - m.left() - m.right() - 4);
    }
    for (QAbstractButton* b : ventana->findChildren<QAbstractButton*>()) {
        if (!Visible(b, ventana) || b->text().isEmpty()) continue;
        // The room the style leaves for the caption, beside the indicator of an option.
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        QStyle::SubElement zona = QStyle::SE_PushButtonContents;
        if (qobject_cast<QRadioButton*>(b)) zona = QStyle::SE_RadioButtonContents;
        if (qobject_cast<QCheckBox*>(b)) zona = QStyle::SE_CheckBoxContents;
        const QRect r = b->style()->subElementRect(zona, &opt, b);
        revisa(b, QString(b->text()).remove(QLatin1Char('&')), r.width());
    }
    return cortados;
}

}  // namespace tarelvo::test
