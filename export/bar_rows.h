// Rows of bars seen in section (the dots of the drawing): the spacing a bar description ends
// with, and how many dots a row holds and how far apart they stand.
#pragma once

#include <string_view>

namespace tarelvo {

// The spacing in metres that a bar description ends with ("ø 1/2\" a 0.25" gives 0.25): the
// number formed by its last four characters, read by its numeric prefix. A spacing of 10 m or
// more takes more than four characters, so when the character before the four is a digit the
// whole number at the end is read ("ø 1/2\" a 12.50" gives 12.5, not 2.5). A text that does not
// end in a number gives 0.
double EspaciadoDe(std::string_view descripcion);

// Most dots a row is drawn with; a finer spacing spreads these over the row.
constexpr int kMaxPuntosFila = 10000;

struct FilaBarras {
    int n = 1;              // dots, at least one
    double paso = 0;        // distance between neighbouring dots; 0 with a single dot
    double separacion = 0;  // spacing the callouts measure from the dots (see Fila)
};

// A row of bars every `espaciado` along `largo` (the program's Altura or Base), the dots
// spread over `largo` less `margen` (the covers at both ends):
//     n = integer part of (largo / espaciado) + 1,  paso = (largo - margen) / (n - 1).
// A spacing that is not a positive number, or a row shorter than its spacing, leaves room for
// one bar only: a single dot, and the callouts use the room of the row (largo - margen, never
// below 0) in place of the spacing. With two dots or more `separacion` is the spacing itself.
FilaBarras Fila(double largo, double espaciado, double margen);

}  // namespace tarelvo
