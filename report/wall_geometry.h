// The wall's cross-section on the drawing page: the scale that fits it into the printable
// area, and its outline points, centred there.
#pragma once

#include <array>

#include <QPointF>
#include <QString>

#include "engine/analysed_wall.h"
#include "engine/project_state.h"
#include "report/page_setup.h"

namespace tarelvo {

struct GeometriaMuro {
    bool valida = false;  // false when the wall cannot be drawn: no positive scale, or a
                          // point that is not a finite number
    double s = 0;         // twips per metre, the same across and down
    double centroX = 0, centroY = 0;  // centre of the printable area
    // P0 .. P14, each held in single precision. P0 is the toe end at the level of the stem
    // top; P1 .. P14 run round the outline from the stem top's front face (P3 and P4 repeat
    // P2); P8 .. P11 outline the shear key, centred under the footing as the DXF drawing has
    // it, and fall on the middle of the underside when there is none.
    std::array<QPointF, 15> p{};
    double altDent = 0, anchDent = 0;  // the key's depth and width; 0 without a key
    // The stem and footing the analysis sized, metres: a stem thickened for shear at its own
    // thickness (drawing the typed minimum would lean the front face of a thickened straight
    // stem and put its bars outside the concrete), the footing as wide as Base.
    MuroAnalizado muro;

    double x(int i) const { return p[static_cast<std::size_t>(i)].x(); }
    double y(int i) const { return p[static_cast<std::size_t>(i)].y(); }
};

// From the project's lengths in metres (the stem thicknesses in centimetres) and the page's
// printable area.
GeometriaMuro CalculaGeometria(const ProjectState& e, const PageSetup& setup);

// The outline as the polygon text of the page component: the x and y of P1 to P14, each
// written with a leading blank (a minus sign in its place).
QString TextoPoligono(const GeometriaMuro& g);

}  // namespace tarelvo
