// The wall's construction drawing as a list of what is drawn, in metres of wall (x to the
// right from the toe's end, y up from the footing's underside), built once and drawn as it is
// by the report page and by the DXF for current CAD programs: lines, filled dots and texts,
// each on the layer it shows.
#pragma once

#include <string>
#include <vector>

namespace tarelvo {

enum class CapaLamina { Concreto, Terreno, Cotas, Acero, Textos, Rotulo, Planilla };

struct TrazoLamina {
    CapaLamina capa;
    double x1, y1, x2, y2;
};

// A bar seen end-on.
struct PuntoLamina {
    CapaLamina capa;
    double x, y, radio;
};

// The box a text fills: (x, y) is its lower-left corner; `alto` the height of its line,
// `ancho` a width no font the drawing is shown in exceeds. A vertical text reads upward and
// fills x .. x + alto, y .. y + ancho, its letters' tops toward x.
struct TextoLamina {
    CapaLamina capa;
    double x, y, alto, ancho;
    bool vertical;
    std::string texto;  // UTF-8
};

struct CajaLamina {
    double x0, y0, x1, y1;
    double ancho() const { return x1 - x0; }
    double alto() const { return y1 - y0; }
};

struct Lamina {
    int escala = 0;          // the 50 of 1:50
    double altoTexto = 0;    // metres of wall: 2.5 mm of paper at the scale
    CajaLamina marco{0, 0, 0, 0};  // everything but the bar schedule
    std::vector<TrazoLamina> trazos;
    std::vector<PuntoLamina> puntos;
    std::vector<TextoLamina> textos;
};

// A generous width of a text, from its characters (not its bytes) and its line height.
double AnchoTextoLamina(const std::string& utf8, double alto);

}  // namespace tarelvo

namespace tarelvo {
// Where a CAD text sits in its line: its capitals 0.7 of the line high, its base line 0.22 of
// the line above the line's bottom, leaving room under it for descenders.
constexpr double kMayusculaLinea = 0.7;
constexpr double kBaseLinea = 0.22;
}  // namespace tarelvo
