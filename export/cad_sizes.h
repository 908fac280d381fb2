// The sizes of the texts and dimensions in the DXF for current CAD programs. They follow the
// wall: the drawing is meant to be plotted to fit a sheet, and its texts must then be as tall
// as a drawing's texts usually are on paper.
#pragma once

namespace tarelvo {

// Every text on the plotted sheet is 2.5 mm tall, the usual height of dimension and callout
// texts, when the drawing is plotted as large as fits on the sheet below.
constexpr double kAlturaTextoPapel = 0.0025;
// That sheet: A4 less a margin of 10 mm on each side, in metres of paper, either way round.
constexpr double kHojaLargo = 0.277;
constexpr double kHojaCorto = 0.190;

struct TamanosCad {
    double escala = 1;    // drawing metres per metre of paper: the 25 of 1:25
    bool apaisada = true;  // the sheet lies on its long side
    double texto = 0;     // every text's height, DIMTXT
    double flecha = 0;    // DIMASZ: length of an arrow head
    double hueco = 0;     // DIMGAP: from the dimension line to its text
    double prolonga = 0;  // DIMEXE: extension lines past the dimension line
    double separa = 0;    // DIMEXO: extension lines start this far from their origin
};

// The sizes for a drawing `ancho` by `alto` metres (both positive): the scale at which it fits
// the sheet in its better orientation, the text height kAlturaTextoPapel at that scale
// rounded up to 5 mm, and the dimension sizes in the proportions the CAD script
// (cad_launch.h) gives a 0.03 text: arrow 0.03, gap 0.02, extension 0.07. DIMEXO keeps the
// script's 0.0625 m: it is measured from the drawing's own origin points, which stand at
// fixed distances from the concrete.
TamanosCad TamanosParaDibujo(double ancho, double alto);
// The dimension sizes, in the script's proportions, for texts `texto` high.
void TamanosDeTexto(TamanosCad& t, double texto);

// A generous width of a text of `caracteres` characters at height `altura`, for the extents of
// the drawing: the widest common letters take about 0.8 of the height.
inline double AnchoTexto(double caracteres, double altura) { return caracteres * 0.8 * altura; }

}  // namespace tarelvo
