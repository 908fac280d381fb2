// Places a form's controls at their design positions in twips and keeps the whole layout
// proportional when the form is resized: every registered control is moved and scaled, its
// font included.
#pragma once

#include <QHash>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarelvo {

class TwipsScaler : public QObject {
public:
    // `designSize` is the form's client area in twips.
    TwipsScaler(QWidget* form, QSize designSize);

    // Registers `w` at (left, top, width, height) twips inside its parent, with its font's
    // design size in points (0 keeps the widget's own font size as the design size).
    void place(QWidget* w, int left, int top, int width, int height, double pointSize = 0);
    // Moves a registered control to a new design position (keeps its size).
    void move(QWidget* w, int left, int top);
    void setLeft(QWidget* w, int left);
    void setTop(QWidget* w, int top);
    QRect designRect(QWidget* w) const;

    QSize designSize() const { return design_; }
    // Pixels per twip, horizontally and vertically, at the form's current size.
    double scaleX() const;
    double scaleY() const;
    // Lays every control out again for the form's current size.
    void apply();
    void applyTo(QWidget* w);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QRect rect;
        double pointSize;
    };
    QWidget* form_;
    QSize design_;
    QHash<QWidget*, Entry> entries_;
};

}  // namespace tarelvo
