// Paints the schematic's visible lines over the frame that holds it, scaled from twips to the
// frame's current size.
#pragma once

#include <QWidget>

namespace tarelvo {

class Esquema;

class EsquemaCanvas : public QWidget {
public:
    EsquemaCanvas(const Esquema& esquema, QSize designSize, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Esquema& esquema_;
    QSize design_;
};

}  // namespace tarelvo
