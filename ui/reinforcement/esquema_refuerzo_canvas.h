// Paints the reinforcement schematic: outline and bars as lines, bars in section as dots, in
// dark red for the group that has the focus.
#pragma once

#include <QWidget>

namespace tarelvo {

class EsquemaRefuerzo;

class EsquemaRefuerzoCanvas : public QWidget {
public:
    EsquemaRefuerzoCanvas(const EsquemaRefuerzo& esquema, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const EsquemaRefuerzo& esquema_;
};

}  // namespace tarelvo
