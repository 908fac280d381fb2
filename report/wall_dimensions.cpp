// DrawMuro: dimension lines with their ticks, and their values placed once every line of the
// drawing is down.
#include <algorithm>

#include "common/number_text.h"
#include "report/wall_parts.h"

namespace tarelvo {

namespace {

// How far every end mark stands out from its dimension line, metres.
constexpr double kMarca = 0.025;

// A length as the drawing writes it, read back: to the centimetre.
double Centesimas(float v) { return numtext::read(numtext::format(v, "0.00")); }

QString Valor(double v) { return QString::fromStdString(numtext::format(v, "0.00")); }

struct Cotas {
    const GeometriaMuro& g;
    PageDocument& vp;
    std::vector<ValorCota> valores;

    // A value over the span from xa to xb of the line at y.
    void SobreLinea(double xa, double xb, double y, double valor) {
        valores.push_back({valor, false, xa, xb, y, kMarca * g.s});
    }
    // A value beside the span from ya to yb of the line at x.
    void JuntoALinea(double x, double ya, double yb, double valor) {
        valores.push_back({valor, true, ya, yb, x, kMarca * g.s});
    }
};

void Inferior(Cotas& c, const ProjectState& e) {
    const GeometriaMuro& g = c.g;
    PageDocument& vp = c.vp;
    const double s = g.s, y10 = g.y(10);
    const bool llave = e.ConDent != 0;
    const double yLinea = y10 + 0.275 * s;
    // The overall width goes on a second line, far enough below the first for its value to
    // stand clear of the marks that end the first line's spans, at any scale.
    const double ySegunda =
        std::max(y10 + 0.425 * s, yLinea + kMarca * s + vp.textHeight() + 0.01 * s);
    for (int i : {12, 7})
        vp.line(g.x(i), y10 + 0.25 * s, g.x(i), llave ? ySegunda + kMarca * s : y10 + 0.3 * s);
    vp.line(g.x(12), yLinea, g.x(7), yLinea);
    if (!llave) {
        c.SobreLinea(g.x(12), g.x(7), yLinea, g.muro.zapata);
        return;
    }
    // The key stands under the middle of the footing: the same length on either side of it,
    // from the widths as they are shown, so that the three add up to the footing's.
    vp.line(g.x(12), ySegunda, g.x(7), ySegunda);
    c.SobreLinea(g.x(12), g.x(7), ySegunda, g.muro.zapata);
    for (int i : {10, 9}) vp.line(g.x(i), y10 + 0.25 * s, g.x(i), y10 + 0.3 * s);
    const float anch = static_cast<float>(g.anchDent);
    const double lado = (Centesimas(g.muro.zapata) - Centesimas(anch)) / 2;
    c.SobreLinea(g.x(12), g.x(10), yLinea, lado);
    c.SobreLinea(g.x(10), g.x(9), yLinea, anch);
    c.SobreLinea(g.x(9), g.x(7), yLinea, lado);
}

void Laterales(Cotas& c, const ProjectState& e) {
    const GeometriaMuro& g = c.g;
    PageDocument& vp = c.vp;
    const double s = g.s;

    const double xi = g.x(12) - 0.125 * s;
    const double suelo = g.y(12) - e.Dsz * s;
    vp.line(xi, g.y(10), xi, suelo);
    c.JuntoALinea(xi, suelo, g.y(12), e.Dsz);
    auto marcaIzquierda = [&](double y) { vp.line(g.x(12) - 0.15 * s, y, g.x(12) - 0.1 * s, y); };
    if (e.ConDent) {
        marcaIzquierda(g.y(10));
        c.JuntoALinea(xi, g.y(12), g.y(10), static_cast<float>(g.altDent));
    }
    marcaIzquierda(g.y(12));

    const double xd = g.x(6) + 0.175 * s;
    for (int i : {7, 6, 1}) vp.line(g.x(6) + 0.15 * s, g.y(i), g.x(6) + 0.2 * s, g.y(i));
    vp.line(xd, g.y(7), xd, g.y(1));
    c.JuntoALinea(xd, g.y(6), g.y(7), e.AltZap);
    c.JuntoALinea(xd, g.y(1), g.y(6), e.Altura);
}

void Superior(Cotas& c, const ProjectState& e) {
    const GeometriaMuro& g = c.g;
    PageDocument& vp = c.vp;
    const double s = g.s;
    const double y = g.y(1) - 0.125 * s;
    auto marca = [&](double x) { vp.line(x, g.y(1) - 0.1 * s, x, g.y(1) - 0.15 * s); };
    for (int i : {12, 4, 1}) marca(g.x(i));
    vp.line(g.x(12), y, g.x(4), y);
    const float corona = g.muro.corona;
    c.SobreLinea(g.x(12), g.x(14), y, g.muro.punta);
    c.SobreLinea(g.x(1), g.x(2), y, corona);
    const float inclinado = g.muro.base - corona;
    if (e.FormaMuro == 1) {
        marca(g.x(14));
        c.SobreLinea(g.x(14), g.x(1), y, inclinado);
    } else if (e.FormaMuro == 2) {
        vp.line(g.x(4), y, g.x(5), y);
        marca(g.x(5));
        c.SobreLinea(g.x(4), g.x(5), y, inclinado);
    }
}

// The places a value may take, best first, as boxes; a turned value's box is its box on the
// page. Centred on its span, standing on its line or beside it; above the end marks; past
// either end of its span; on the far side of its line.
std::vector<QRectF> Lugares(const ValorCota& v, double w, double h, double holgura) {
    const double medio = (v.desde + v.hasta) / 2, m = v.marca + holgura;
    std::vector<QRectF> l;
    if (!v.vertical) {
        const double sobre = v.linea - h, alto = v.linea - m - h;
        l.emplace_back(medio - w / 2, sobre, w, h);
        l.emplace_back(medio - w / 2, alto, w, h);
        l.emplace_back(medio - w / 2, v.linea + m, w, h);
        for (double y : {sobre, alto}) {
            l.emplace_back(v.hasta + holgura, y, w, h);
            l.emplace_back(v.desde - holgura - w, y, w, h);
        }
        for (int k = 1; k <= 4; ++k) {
            l.emplace_back(medio - w / 2, alto - k * h, w, h);
            l.emplace_back(medio - w / 2, v.linea + m + k * h, w, h);
        }
        return l;
    }
    // Turned: the box is h across and w down.
    for (double x : {v.linea - h, v.linea + m, v.linea - m - h}) {
        l.emplace_back(x, medio - w / 2, h, w);
        l.emplace_back(x, v.hasta + holgura, h, w);
        l.emplace_back(x, v.desde - holgura - w, h, w);
    }
    for (int k = 1; k <= 4; ++k) l.emplace_back(v.linea + m + k * h, medio - w / 2, h, w);
    return l;
}

}  // namespace

std::vector<ValorCota> DibujaCotas(PageDocument& vp, const GeometriaMuro& g,
                                   const ProjectState& e) {
    vp.brush.style = 1;
    vp.pen.width = 10;
    Cotas c{g, vp, {}};
    Inferior(c, e);
    Laterales(c, e);
    Superior(c, e);
    return c.valores;
}

void ColocaValores(PageDocument& vp, EspacioLibre& espacio, const std::vector<ValorCota>& valores,
                   double holgura) {
    for (const ValorCota& v : valores) {
        const QString t = Valor(v.valor);
        const double w = vp.textWidth(t), h = vp.textHeight(t);
        const std::vector<QRectF> lugares = Lugares(v, w, h, holgura);
        const QRectF caja = lugares[static_cast<std::size_t>(espacio.Elige(lugares, 0))];
        vp.textAngle = v.vertical ? 900 : 0;
        // A turned text starts at the bottom of its box and reads upward.
        vp.textAt(caja.left(), v.vertical ? caja.bottom() : caja.top(), t);
        espacio.Ocupa(caja);
    }
    vp.textAngle = 0;
}

}  // namespace tarelvo
