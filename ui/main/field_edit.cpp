#include "ui/main/field_edit.h"

#include <QFocusEvent>

namespace tarelvo {

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {}

// Switching to another window (a message box, another program) neither leaves nor enters a
// field: only moving the focus inside the window does.
static bool WithinWindow(const QFocusEvent* e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

void FieldEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (!WithinWindow(e)) return;
    anterior_ = text();
    emit entered();
}

void FieldEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (WithinWindow(e)) emit left();
}

}  // namespace tarelvo
