// RefuerDxf: the bars of the footing and the stem as lines, the bars in section as dots.
#include <cmath>

#include "export/drawing_values.h"
#include "export/wall_drawing.h"

namespace tarelvo {

using namespace dibujo;

namespace {

const Num kSemicirculo = S(1.0f);  // bulge of each half of a dot

void Punto(DestinoDibujo& w, double x, double y) { w.barDot(x, D(y), kSemicirculo); }

// A row of stem dots from the foot of the stem upwards; `siguienteX` gives the x of the dot at
// height y (the face may lean). Records the highest dot at or below the middle of the bar; the
// first dot stands in when none is, so the callout always has a dot to point at.
template <typename SiguienteX>
void FilaMuro(DestinoDibujo& w, const FilaBarras& fila, double x, double y, double mitad, SiguienteX siguienteX,
              float& marcaX, float& marcaY) {
    marcaX = static_cast<float>(x);
    marcaY = static_cast<float>(y);
    for (int i = 0; i < fila.n; ++i) {
        Punto(w, x, y);
        if (y <= mitad) {
            marcaX = static_cast<float>(x);
            marcaY = static_cast<float>(y);
        }
        y += fila.paso;
        x = siguienteX(x, y);
    }
}

}  // namespace

void RefuerDxf(DestinoDibujo& w, const EntradaDibujo& e, VariablesDibujo& v) {
    const double altZap = Lee(e.altZap);
    const double altura = Lee(e.altura);
    const double origenX = Dbl(v.OrigenX);
    const double origenY = Dbl(v.OrigenY);
    const double zapataY1 = Dbl(v.ZapataY1);
    const double muroY2 = Dbl(v.MuroY2);
    const double talon = Dbl(v.TalonX);
    const double talud = Talud(e);
    w.capa(Capa::Acero);

    // Footing: bottom and top bars, and the two rows of distribution bars along the wall.
    w.line(D(origenX + kRecub), D(origenY + kRecub), D(talon - kRecub), D(origenY + kRecub));
    const FilaBarras reparto = FilaLongitudinal(e);
    w.line(D(Dbl(v.PuntaX0) + kRecub), D(zapataY1 - kRecub), D(talon - kRecub), D(zapataY1 - kRecub));
    double x = origenX + kPunto;
    for (int i = 1; i <= reparto.n; ++i) {
        x = origenX + kPunto + (i - 1) * reparto.paso;
        Punto(w, x, origenY + kPunto);
    }
    v.TransX = static_cast<float>(x);
    v.TransY1 = static_cast<float>(origenY + kPunto);
    for (int i = 1; i <= reparto.n; ++i) Punto(w, origenX + kPunto + (i - 1) * reparto.paso, zapataY1 - kPunto);
    v.TransY2 = static_cast<float>(zapataY1 - kPunto);

    const double mitad = zapataY1 + ((muroY2 - kRecub) - zapataY1) / 2;

    // Front face: the vertical bar follows an inclined face down to the bottom bar.
    const double xe = FrenteInclinado(e) ? Dbl(v.MuroX2) - talud * (altZap + altura) + kRecub
                                         : Dbl(v.MuroX1) + kRecub;
    w.line(D(xe), D(origenY + kRecub), D(Dbl(v.MuroX2) + kRecub), D(muroY2 - kRecub));
    FilaMuro(
        w, FilaExterior(e), Dbl(v.MuroX1) + kPunto, zapataY1 + 0.025, mitad,
        [&](double xActual, double y) {
            return FrenteInclinado(e) ? Dbl(v.MuroX2) - talud * (muroY2 - y) + kPunto : xActual;
        },
        v.ExtX, v.ExtY);

    // Back face.
    const double xi = DorsoInclinado(e) ? Dbl(v.MuroX3) + talud * (altZap + altura) - kRecub
                                        : Dbl(v.MuroX4) - kRecub;
    w.line(D(xi), D(origenY + kRecub), D(Dbl(v.MuroX3) - kRecub), D(muroY2 - kRecub));
    FilaMuro(
        w, FilaInterior(e), Dbl(v.MuroX4) - kPunto, zapataY1 + 0.025, mitad,
        [&](double xActual, double y) {
            return DorsoInclinado(e) ? Dbl(v.MuroX3) + talud * (muroY2 - y) - kPunto : xActual;
        },
        v.IntX, v.IntY);

    if (e.ConDent == 0) return;
    // Shear key: a U of bars, kept clear of the stem bars that come down beside it.
    const double anchDent = Lee(e.anchDent);
    double xL = Dbl(v.BaseXm) - anchDent / 2 + kRecub;
    const double yK = origenY - Lee(e.altDent) + kRecub;
    double xR = Dbl(v.BaseXm) + anchDent / 2 - kRecub;
    if (std::fabs(xL - xe) < 0.01) xL += 0.01;
    if (std::fabs(xR - xi) < 0.01) xR -= 0.01;
    w.line(D(xL), D(yK), D(xL), D(zapataY1 - 0.05));
    w.line(D(xL), D(yK), D(xR), D(yK));
    w.line(D(xR), D(yK), D(xR), D(zapataY1 - 0.05));
    Punto(w, xL + kRadioPunto, yK + kRadioPunto);
    Punto(w, xR - kRadioPunto, yK + kRadioPunto);
}

}  // namespace tarelvo
