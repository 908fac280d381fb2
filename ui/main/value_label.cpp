#include "ui/main/value_label.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace tarelvo {

ValueLabel::ValueLabel(const QString& caption, QWidget* parent)
    : QLineEdit(caption, parent), caption_(caption) {}

void ValueLabel::setCaption(const QString& caption) {
    if (text() != caption) setText(caption);
    if (caption == caption_) return;
    caption_ = caption;
    emit captionChanged();
}

void ValueLabel::Ofrece() {
    if (text() != caption_) emit tecleado();
}

void ValueLabel::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            // A value typed and not yet offered goes first, so the step starts from it.
            Ofrece();
            emit paso(e->key() == Qt::Key_Up, e->modifiers() & Qt::ShiftModifier);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Ofrece();
            return;
        default:
            QLineEdit::keyPressEvent(e);
    }
}

// Switching to another window (a message box) does not offer the text; leaving the box does.
void ValueLabel::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        Ofrece();
}

}  // namespace tarelvo
