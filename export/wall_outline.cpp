// GeomDxf and DimensDxf: the concrete outline, the ground in front of the toe, and the
// dimensions.
#include "export/drawing_values.h"
#include "export/wall_drawing.h"

namespace tarelvo {

using namespace dibujo;

void GeomDxf(DestinoDibujo& w, const EntradaDibujo& e, VariablesDibujo& v) {
    const double altura = Lee(e.altura);
    v.MuroX1 = static_cast<float>(Dbl(v.PuntaX0) + Lee(e.punta));
    const double inclinacion = Inclinacion(e);
    v.MuroX2 = FrenteInclinado(e) ? static_cast<float>(Dbl(v.MuroX1) + inclinacion) : v.MuroX1;
    v.MuroY2 = static_cast<float>(Dbl(v.ZapataY1) + altura);
    v.MuroX3 = static_cast<float>(Dbl(v.MuroX2) + Lee(e.ancho));
    v.MuroX4 = DorsoInclinado(e) ? static_cast<float>(Dbl(v.MuroX3) + inclinacion) : v.MuroX3;
    v.TalonX = static_cast<float>(Dbl(v.MuroX4) + Lee(e.talon));
    v.BaseXm = Medio(v.OrigenX, v.TalonX);

    // Without a key the two halves of the underside meet in the middle.
    Num kL = S(v.BaseXm), kR = S(v.BaseXm);
    if (e.ConDent != 0) {
        const double anchDent = Lee(e.anchDent);
        kL = D(Dbl(v.BaseXm) - anchDent / 2);
        kR = D(Dbl(v.BaseXm) + anchDent / 2);
    }
    w.capa(Capa::Concreto);
    w.line(S(v.OrigenX), S(v.OrigenY), S(v.PuntaX0), S(v.ZapataY1));
    w.line(S(v.PuntaX0), S(v.ZapataY1), S(v.MuroX1), S(v.ZapataY1));
    w.line(S(v.MuroX1), S(v.ZapataY1), S(v.MuroX2), S(v.MuroY2));
    w.line(S(v.MuroX2), S(v.MuroY2), S(v.MuroX3), S(v.MuroY2));
    w.line(S(v.MuroX3), S(v.MuroY2), S(v.MuroX4), S(v.ZapataY1));
    w.line(S(v.MuroX4), S(v.ZapataY1), S(v.TalonX), S(v.ZapataY1));
    w.line(S(v.TalonX), S(v.ZapataY1), S(v.TalonX), S(v.OrigenY));
    w.line(S(v.TalonX), S(v.OrigenY), kR, S(v.OrigenY));
    w.line(kL, S(v.OrigenY), S(v.OrigenX), S(v.OrigenY));
    if (e.ConDent != 0) {
        const Num fondo = D(Dbl(v.OrigenY) - Lee(e.altDent));
        w.line(kL, fondo, kL, S(v.OrigenY));
        w.line(kL, fondo, kR, fondo);
        w.line(kR, fondo, kR, S(v.OrigenY));
    }

    // Ground mark: the ground line, four ticks, three short strokes, four ticks.
    w.capa(Capa::Terreno);
    const double g = Dbl(v.OrigenY) + Lee(e.dsz);
    const double x0 = Dbl(v.OrigenX) - 0.55;
    w.line(D(x0), D(g), D(x0 + 0.35), D(g));
    for (const double dx : {0.08, 0.10, 0.12, 0.14}) w.line(D(x0 + dx), D(g - 0.05), D(x0 + dx), D(g));
    for (const double dy : {0.06, 0.04, 0.02}) w.line(D(x0 + 0.16), D(g - dy), D(x0 + 0.20), D(g - dy));
    for (const double dx : {0.225, 0.245, 0.265, 0.285}) w.line(D(x0 + dx), D(g - 0.05), D(x0 + dx), D(g));
}

void DimensDxf(DestinoDibujo& w, const EntradaDibujo& e, const VariablesDibujo& v) {
    const bool llave = e.ConDent != 0;
    const double altDent = llave ? Lee(e.altDent) : 0.0;
    const double talon = Dbl(v.TalonX);
    const double origenY = Dbl(v.OrigenY);
    const double zapataY1 = Dbl(v.ZapataY1);
    const double muroY2 = Dbl(v.MuroY2);
    const double dsz = Lee(e.dsz);
    w.capa(Capa::Cotas);

    // Footing thickness and stem height, to the right of the heel.
    w.dimension(DimAxis::Vertical, D(talon + 0.65), S(Medio(v.OrigenY, v.ZapataY1)), D(talon + 0.4),
                S(v.OrigenY), D(talon + 0.4), S(v.ZapataY1));
    w.dimension(DimAxis::Vertical, D(talon + 0.65), S(Medio(v.ZapataY1, v.MuroY2)), D(talon + 0.4),
                S(v.ZapataY1), D(talon + 0.4), S(v.MuroY2));
    // Stem top thickness, above the stem.
    w.dimension(DimAxis::Horizontal, S(Medio(v.MuroX2, v.MuroX3)), D(muroY2 + 0.2), S(v.MuroX2),
                D(muroY2 + 0.05), S(v.MuroX3), D(muroY2 + 0.05));
    // Footing width, below the footing and below the key when there is one.
    w.dimension(DimAxis::Horizontal, S(Medio(v.OrigenX, v.TalonX)), D(origenY - 0.4 - altDent),
                S(v.OrigenX), D(origenY - 0.05 - altDent), S(v.TalonX), D(origenY - 0.05 - altDent));
    // Toe and heel lengths, on the footing.
    w.dimension(DimAxis::Horizontal, S(Medio(v.PuntaX0, v.MuroX1)), D(zapataY1 + 0.2), S(v.PuntaX0),
                D(zapataY1 + 0.05), S(v.MuroX1), D(zapataY1 + 0.05));
    w.dimension(DimAxis::Horizontal, S(Medio(v.MuroX4, v.TalonX)), D(zapataY1 + 0.2), S(v.MuroX4),
                D(zapataY1 + 0.05), S(v.TalonX), D(zapataY1 + 0.05));
    // Depth of the ground in front, left of the ground mark.
    const double x0 = Dbl(v.OrigenX) - 0.55;
    w.dimension(DimAxis::Vertical, D(x0), D(origenY + dsz / 2), D(x0 + 0.25), S(v.OrigenY),
                D(Dbl(v.OrigenX) - 0.3), D(origenY + dsz));
    if (!llave) return;

    const double anchDent = Lee(e.anchDent);
    w.dimension(DimAxis::Vertical, D(talon + 0.65), D(origenY - altDent / 2), D(talon + 0.4), S(v.OrigenY),
                D(talon + 0.4), D(origenY - altDent));
    const float m = Medio(v.OrigenX, v.TalonX);
    w.dimension(DimAxis::Horizontal, S(m), D(origenY - 0.2 - altDent), D(Dbl(m) - anchDent / 2),
                D(origenY - 0.05 - altDent), D(Dbl(m) + anchDent / 2), D(origenY - 0.05 - altDent));
}

}  // namespace tarelvo
