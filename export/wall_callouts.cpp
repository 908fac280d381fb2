// TextoDxf: the callouts that tie each bar description to its bar: a ring on a dot or a leader
// from a bar line, and the description beside it.
#include "engine/bar_groups.h"
#include "export/drawing_values.h"
#include "export/wall_drawing.h"

namespace tarelvo {

using namespace dibujo;

namespace {

constexpr double kAnchoLetra = 0.03;  // estimated width of one character of a text

// The number of characters of a description, as the drawing writes it (one byte each).
double Caracteres(const std::string& texto) { return static_cast<double>(toWindows1252(texto).size()); }

// A group's callout: its description and the direction its bars run, as the report draws it.
std::string Llamada(const EntradaDibujo& e, EntradaDibujo::Barra grupo) {
    return GruposBarras::Llamada(grupo, e.barras[grupo]);
}

}  // namespace

void TextoDxf(DestinoDibujo& w, const EntradaDibujo& e, const VariablesDibujo& v) {
    const double transX = Dbl(v.TransX);
    const double origenY = Dbl(v.OrigenY);
    const double zapataY1 = Dbl(v.ZapataY1);
    const double talon = Dbl(v.TalonX);
    w.capa(Capa::Textos);

    // The distribution bars along the wall: both rows tied by one line, the text beyond the heel.
    const float mT = Medio(v.TransY1, v.TransY2);
    w.circle(S(v.TransX), S(v.TransY1));
    w.circle(S(v.TransX), S(v.TransY2));
    w.line(S(v.TransX), D(Dbl(v.TransY1) + kRecub), S(v.TransX), D(Dbl(v.TransY2) - kRecub));
    w.line(S(v.TransX), S(mT), D(talon + 0.1), S(mT));
    w.text(D(talon + 0.13), S(mT), Llamada(e, EntradaDibujo::Longitudinal));

    // Bottom and top footing bars: leaders half a spacing before the last distribution dot. With a
    // single dot, which stands at the toe end, they go half-way along the room of the row.
    const FilaBarras reparto = FilaLongitudinal(e);
    const double xb = reparto.n >= 2 ? transX - reparto.separacion / 2 : transX + reparto.separacion / 2;
    w.line(D(xb), D(origenY + kRecub), D(xb), D(origenY - 0.06));
    w.line(D(xb), D(origenY - 0.06), D(xb + 0.1), D(origenY - 0.06));
    w.text(D(xb + 0.13), D(origenY - 0.06), Llamada(e, EntradaDibujo::ZapataInferior));
    w.line(D(xb), D(zapataY1 - kRecub), D(xb), D(zapataY1 + 0.06));
    w.line(D(xb), D(zapataY1 + 0.06), D(xb + 0.1), D(zapataY1 + 0.06));
    w.text(D(xb + 0.13), D(zapataY1 + 0.06), Llamada(e, EntradaDibujo::ZapataSuperior));

    // Back face: the horizontal bars by their marked dot, the vertical bar 0.65 of a spacing
    // higher, between two dots.
    const double intX = Dbl(v.IntX);
    const double sI = FilaInterior(e).separacion;
    w.circle(S(v.IntX), S(v.IntY));
    w.line(D(intX + kRecub), S(v.IntY), D(intX + 0.13), S(v.IntY));
    w.text(D(intX + 0.16), S(v.IntY), Llamada(e, EntradaDibujo::InteriorHorizontal));
    const double yv = Dbl(v.IntY) + 0.65 * sI;
    const double xv = DorsoInclinado(e) ? intX - 0.0325 * sI : intX;
    w.line(D(xv + kRadioPunto), D(yv), D(xv + 0.13), D(yv));
    w.text(D(xv + 0.16), D(yv), Llamada(e, EntradaDibujo::InteriorVertical));

    // Front face: the same, mirrored; the texts end at their leaders.
    const double extX = Dbl(v.ExtX);
    const double sE = FilaExterior(e).separacion;
    const std::string horizontal = Llamada(e, EntradaDibujo::ExteriorHorizontal);
    w.circle(S(v.ExtX), S(v.ExtY));
    w.line(D(extX - kRecub), S(v.ExtY), D(extX - 0.13), S(v.ExtY));
    w.textRight(D(extX - (Caracteres(horizontal) - 2) * kAnchoLetra - 0.16), S(v.ExtY), D(extX - 0.16),
                S(v.ExtY), horizontal);
    const double yw = Dbl(v.ExtY) + 0.65 * sE;
    const double xw = FrenteInclinado(e) ? extX + 0.0325 * sE : extX;
    const std::string vertical = Llamada(e, EntradaDibujo::ExteriorVertical);
    w.line(D(xw - kRadioPunto), D(yw), D(xw - 0.13), D(yw));
    w.textRight(D(xw - (Caracteres(vertical) - 2) * kAnchoLetra - 0.16), D(yw), D(xw - 0.16), D(yw), vertical);
}

}  // namespace tarelvo
