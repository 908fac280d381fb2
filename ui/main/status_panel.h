// A raised status panel with a centred caption in a settable colour.
#pragma once

#include <QLabel>

namespace tarelvo {

class StatusPanel : public QLabel {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr) : QLabel(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(2);
        setAlignment(Qt::AlignCenter);
        setAutoFillBackground(true);
    }
};

}  // namespace tarelvo
