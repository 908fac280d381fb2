#include "ui/main/field_edit.h"

namespace tarelvo {

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {}

void FieldEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    emit entered();
}

void FieldEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    emit left();
}

}  // namespace tarelvo
