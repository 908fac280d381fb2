// The room left on a page for texts still to be placed: what the page's display list already
// holds (lines, outlines, dots and texts) stands in their way, and so does each text placed
// since. A text goes in the first of its candidate places that is free.
#pragma once

#include <vector>

#include <QLineF>
#include <QRectF>

#include "report/display_list.h"

namespace tarelvo {

// The box a text covers on the page: its width by the height of a line of its font, turned
// with it when it reads upward (angle 900).
QRectF CajaTexto(const TextItem& t);

class EspacioLibre {
public:
    // Everything on `pagina` is in the way; nothing may leave `limites`.
    EspacioLibre(const Page& pagina, const QRectF& limites);

    // Within the limits, and crossing nothing once grown by `holgura` on every side. A box
    // that only touches a line, as a value standing on its dimension line does, is free.
    bool Libre(const QRectF& caja, double holgura = 0) const;
    // How many things a box crosses, and whether it leaves the limits, to choose the least
    // bad place when none is free.
    int Cruces(const QRectF& caja) const;
    // From now on the box, a placed text, is in the way.
    void Ocupa(const QRectF& caja) {
        cajas_.push_back(caja);
        textos_.push_back(caja);
    }
    // From now on the line is in the way.
    void Traza(const QLineF& linea) { lineas_.push_back(linea); }
    // A line that crosses no text.
    bool LineaLibre(const QLineF& linea) const;

    // The first candidate free with `holgura` around it, else the first free one, else the
    // one crossing least; -1 when there are none.
    int Elige(const std::vector<QRectF>& candidatos, double holgura) const;

private:
    std::vector<QLineF> lineas_;
    std::vector<QRectF> cajas_;   // texts and dots
    std::vector<QRectF> textos_;  // texts only
    QRectF limites_;
};

}  // namespace tarelvo
