// UpDown1 and UpDown2 of the report window: a pair of arrows bound to a text box, stepping the
// whole number in the box by one within the control's limits.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tarelvo {

class MurPrevUpDown : public QWidget {
    Q_OBJECT
public:
    MurPrevUpDown(QLineEdit* buddy, QWidget* parent = nullptr);

    int minimum() const { return min_; }
    int maximum() const { return max_; }
    void setMinimum(int v) { min_ = v; }
    void setMaximum(int v) { max_ = v; }
    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

    // The number in the buddy box as a whole page number (0 when there is none).
    static int Numero(const QString& text);

signals:
    // The arrows wrote a new number into the box.
    void changed();

private:
    void step(int delta);

    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 1, max_ = 1;
};

}  // namespace tarelvo
