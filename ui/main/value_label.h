// A label whose caption the program sets, with a change notification: setting a different
// caption runs the connected handler; setting the same caption runs nothing.
#pragma once

#include <QLabel>

namespace tarelvo {

class ValueLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QString caption() const { return text(); }
    void setCaption(const QString& caption) {
        if (caption == text()) return;
        setText(caption);
        emit captionChanged();
    }
signals:
    void captionChanged();
};

}  // namespace tarelvo
