// imgOrient(0) and imgOrient(1) of the report window: a small sheet with lines of text,
// standing upright for portrait or lying on its side for landscape.
#pragma once

#include <QWidget>

namespace tarelvo {

class MurPrevSheetIcon : public QWidget {
public:
    MurPrevSheetIcon(bool landscape, QWidget* parent = nullptr);
    bool landscape() const { return landscape_; }
    QSize sizeHint() const override { return QSize(40, 40); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool landscape_;
};

}  // namespace tarelvo
