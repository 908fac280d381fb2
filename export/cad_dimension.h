// The graphics of one linear dimension as a CAD program builds them from its points and the
// dimension settings of the DXF for current CAD programs: the text aligned with the dimension
// line, between the extension lines, on the side of the line away from the points measured
// (outside the drawing, clear of the wall and its callouts); closed filled arrows, turned
// outside when the two do not fit between the extension lines, with the dimension line drawn
// through.
#pragma once

#include <string>
#include <vector>

#include "export/cad_sizes.h"
#include "export/drawing_target.h"

namespace tarelvo {

struct PuntoCad {
    double x = 0, y = 0;
};

struct GraficoCota {
    struct Tramo {
        PuntoCad a, b;
    };
    std::vector<Tramo> lineas;          // the dimension line, then the two extension lines
    std::vector<std::vector<PuntoCad>> flechas;  // two triangles: tip, then the corners of its base
    double medida = 0;                  // the distance measured along the axis
    std::string texto;                  // the measurement as the settings write it: "0.30"
    PuntoCad baseTexto;                 // middle of the text's base line
    double angulo = 0;                  // of the text and the dimension line: 0 or 90
    PuntoCad medioTexto;                // middle of the text
    PuntoCad definicion;                // the dimension line where the second extension line meets it
};

// The measurement's text: two decimals, "." as separator, leading and trailing zeros kept.
std::string TextoMedida(double medida);

// The dimension between the origins (x1, y1) and (x2, y2) along `eje`, whose line passes
// through (xd, yd).
GraficoCota GraficoDeCota(DimAxis eje, PuntoCad linea, PuntoCad origen1, PuntoCad origen2, const TamanosCad& t);

}  // namespace tarelvo
