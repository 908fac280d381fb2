// The box of a value set by spins (slope, axial load, surcharge, admissible pressure): its
// caption is the value the project holds, with a change notification; setting a different
// caption runs the connected handler, setting the same one runs nothing. The engineer may also
// reach it with Tab and type a value, which is offered when the box is left or Enter pressed;
// the up and down keys step it as its spins do (with Shift, by the finer step).
#pragma once

#include <QLineEdit>

namespace tarelvo {

class ValueLabel : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueLabel(const QString& caption, QWidget* parent = nullptr);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
signals:
    void captionChanged();
    // A typed text differs from the caption and is offered as the new value.
    void tecleado();
    // An arrow key: up or down, by the finer step when `fino`.
    void paso(bool arriba, bool fino);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Ofrece();
    QString caption_;
};

}  // namespace tarelvo
