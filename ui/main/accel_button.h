// A push button whose accelerator key (Alt+H, Alt+C, ...) moves the focus to it before it
// acts, as a click does, so that the field being left runs its leaving rules first.
#pragma once

#include <QPushButton>

namespace tarelvo {

class AccelButton : public QPushButton {
    Q_OBJECT
public:
    AccelButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    bool event(QEvent* e) override;
};

}  // namespace tarelvo
