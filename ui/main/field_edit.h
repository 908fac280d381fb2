// A text field with the notifications the editing rules need: every change of its text
// (typed or set), entering and leaving the keyboard focus.
#pragma once

#include <QLineEdit>

namespace tarelvo {

class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr);
    // Sets the text; the change handler runs only when the text really changes.
    void setFieldText(const QString& text) {
        if (text != this->text()) setText(text);
        if (!hasFocus()) anterior_ = text;
    }
    // The text the field held when the engineer entered it, or that the program last set
    // while it was not being edited: what a refused entry goes back to.
    QString anterior() const { return anterior_; }
    void recuerda() { anterior_ = text(); }
signals:
    void entered();
    void left();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QString anterior_;
};

}  // namespace tarelvo
