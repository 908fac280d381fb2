// A spin button: an up arrow over a down arrow; each press emits up() or down().
#pragma once

#include <QWidget>

class QToolButton;

namespace tarelvo {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }
signals:
    void up();
    void down();

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace tarelvo
