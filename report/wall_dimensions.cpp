// DrawMuro: dimension lines with their ticks and values.
#include "common/number_text.h"
#include "report/wall_parts.h"

namespace tarelvo {

namespace {

QString Valor(float v) { return QString::fromStdString(numtext::format(v, "0.00")); }

// A value centred over the span from xa to xb, standing on the line at y.
void SobreLinea(PageDocument& vp, double xa, double xb, double y, float valor) {
    const QString t = Valor(valor);
    vp.textAt(xa + (xb - xa) / 2 - vp.textWidth(t) / 2, y - vp.textHeight(t), t);
}

// A value turned to read upward, just left of the line at x and centred on y.
void JuntoALinea(PageDocument& vp, double x, double yCentro, float valor) {
    const QString t = Valor(valor);
    vp.textAt(x - vp.textHeight(t), yCentro + vp.textWidth(t) / 2, t);
}

void Inferior(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e) {
    const double s = g.s, y10 = g.y(10);
    const bool llave = e.ConDent != 0;
    const double yLinea = y10 + 0.275 * s;
    for (int i : {12, 7}) vp.line(g.x(i), y10 + 0.25 * s, g.x(i), y10 + (llave ? 0.45 : 0.3) * s);
    vp.line(g.x(12), yLinea, g.x(7), yLinea);
    if (!llave) {
        SobreLinea(vp, g.x(12), g.x(7), yLinea, g.muro.zapata);
        return;
    }
    const double ySegunda = y10 + 0.425 * s;
    vp.line(g.x(12), ySegunda, g.x(7), ySegunda);
    SobreLinea(vp, g.x(12), g.x(7), ySegunda, g.muro.zapata);
    for (int i : {10, 9}) vp.line(g.x(i), y10 + 0.25 * s, g.x(i), y10 + 0.3 * s);
    const float anch = static_cast<float>(g.anchDent);
    SobreLinea(vp, g.x(12), g.x(10), yLinea, g.muro.punta);
    SobreLinea(vp, g.x(10), g.x(9), yLinea, anch);
    SobreLinea(vp, g.x(9), g.x(7), yLinea, g.muro.zapata - g.muro.punta - anch);
}

void Laterales(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e) {
    const double s = g.s;
    vp.textAngle = 900;

    const double xi = g.x(12) - 0.125 * s;
    vp.line(xi, g.y(10), xi, g.y(12) - e.Dsz * s);
    JuntoALinea(vp, xi, g.y(12) - e.Dsz * s / 2, e.Dsz);
    auto marcaIzquierda = [&](double y) { vp.line(g.x(12) - 0.15 * s, y, g.x(12) - 0.1 * s, y); };
    if (e.ConDent) {
        marcaIzquierda(g.y(10));
        JuntoALinea(vp, xi, g.y(12) + g.altDent * s / 2, static_cast<float>(g.altDent));
    }
    marcaIzquierda(g.y(12));

    const double xd = g.x(6) + 0.175 * s;
    for (int i : {7, 6, 1}) vp.line(g.x(6) + 0.15 * s, g.y(i), g.x(6) + 0.2 * s, g.y(i));
    vp.line(xd, g.y(7), xd, g.y(1));
    JuntoALinea(vp, xd, g.y(7) - e.AltZap * s / 2, e.AltZap);
    JuntoALinea(vp, xd, g.y(6) - e.Altura * s / 2, e.Altura);

    vp.textAngle = 0;
}

void Superior(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e) {
    const double s = g.s;
    const double y = g.y(1) - 0.125 * s;
    auto marca = [&](double x) { vp.line(x, g.y(1) - 0.1 * s, x, g.y(1) - 0.15 * s); };
    for (int i : {12, 4, 1}) marca(g.x(i));
    vp.line(g.x(12), y, g.x(4), y);
    const float corona = g.muro.corona;
    SobreLinea(vp, g.x(12), g.x(14), y, g.muro.punta);
    SobreLinea(vp, g.x(1), g.x(2), y, corona);
    const float inclinado = g.muro.base - corona;
    if (e.FormaMuro == 1) {
        marca(g.x(14));
        SobreLinea(vp, g.x(14), g.x(1), y, inclinado);
    } else if (e.FormaMuro == 2) {
        vp.line(g.x(4), y, g.x(5), y);
        marca(g.x(5));
        SobreLinea(vp, g.x(4), g.x(5), y, inclinado);
    }
}

}  // namespace

void DibujaCotas(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e) {
    vp.brush.style = 1;
    vp.pen.width = 10;
    Inferior(vp, g, e);
    Laterales(vp, g, e);
    Superior(vp, g, e);
}

}  // namespace tarelvo
