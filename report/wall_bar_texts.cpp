// DrawMuro: the blocks of text that name the bars of each face, the footing and the key. Each
// goes in the first free place of those near its bars, best first, so that no text runs over
// a line, a bar or another text at any size of wall.
#include <algorithm>
#include <optional>
#include <utility>

#include "report/wall_parts.h"

namespace tarelvo {

namespace {

enum Etiqueta { L17, L18, L19, L20, L23, L24, L25 };

// A group's callout: its description and the direction its bars run.
QString Texto(const BarrasMuro& barras, Etiqueta l) {
    return QString::fromStdString(GruposBarras::Llamada(l, barras[static_cast<std::size_t>(l)]));
}

struct Bloque {
    QStringList lineas;
    double ancho = 0;  // the widest line
    double alto = 0;   // from the top of the first line to the bottom of the last
    double paso = 0;   // from one line to the next
};

// A place for a block: x is its left edge, or its right edge when its lines end there; y is
// its top.
struct Lugar {
    double x, y;
    bool derecha;
};

struct Textos {
    PageDocument& vp;
    EspacioLibre& espacio;
    const GeometriaMuro& g;
    double holgura;

    Bloque Crea(const QStringList& lineas) const {
        Bloque b{lineas, 0, 0, 1.1 * vp.textHeight()};
        for (const QString& l : lineas) b.ancho = std::max(b.ancho, vp.textWidth(l));
        b.alto = (lineas.size() - 1) * b.paso + vp.textHeight();
        return b;
    }

    static QRectF Caja(const Bloque& b, const Lugar& l) {
        return QRectF(l.derecha ? l.x - b.ancho : l.x, l.y, b.ancho, b.alto);
    }

    // The block in the first free place of `lugares`, near its bars. When none is free, in
    // the free place of the page nearest the first of them, with a leader to `ancla`, a point
    // on its bars.
    void Coloca(const Bloque& b, const std::vector<Lugar>& lugares, QPointF ancla) {
        std::vector<QRectF> cajas;
        for (const Lugar& l : lugares) cajas.push_back(Caja(b, l));
        int i = espacio.Elige(cajas, holgura);
        if (i < 0) return;
        Lugar lugar = lugares[static_cast<std::size_t>(i)];
        QRectF caja = cajas[static_cast<std::size_t>(i)];
        if (!espacio.Libre(caja)) {
            if (const auto lejos = Lejos(b, cajas.front(), ancla)) {
                caja = *lejos;
                lugar = {caja.left(), caja.top(), false};
                const QLineF guia(Cerca(caja, ancla), ancla);
                vp.line(guia.x1(), guia.y1(), guia.x2(), guia.y2());
                espacio.Traza(guia);
            }
        }
        for (int k = 0; k < b.lineas.size(); ++k) {
            const QString& t = b.lineas[k];
            vp.textAt(lugar.derecha ? lugar.x - vp.textWidth(t) : lugar.x, lugar.y + k * b.paso, t);
        }
        espacio.Ocupa(caja);
    }

    // The point of a box nearest to p.
    static QPointF Cerca(const QRectF& r, QPointF p) {
        return {std::clamp(p.x(), r.left(), r.right()), std::clamp(p.y(), r.top(), r.bottom())};
    }

    // The free box of the block's size nearest to `preferida` whose leader to `ancla` crosses
    // no text, searched over the printable area.
    std::optional<QRectF> Lejos(const Bloque& b, const QRectF& preferida, QPointF ancla) const {
        const QRectF area(vp.flowLeft(), vp.flowTop(), vp.flowRight() - vp.flowLeft(),
                          vp.flowBottom() - vp.flowTop());
        const double dx = std::max(b.ancho / 8, 50.0), dy = std::max(b.paso / 2, 50.0);
        std::vector<std::pair<double, QRectF>> cajas;
        for (double y = area.top(); y + b.alto <= area.bottom(); y += dy)
            for (double x = area.left(); x + b.ancho <= area.right(); x += dx) {
                const QRectF r(x, y, b.ancho, b.alto);
                cajas.emplace_back(QLineF(r.center(), preferida.center()).length(), r);
            }
        std::sort(cajas.begin(), cajas.end(),
                  [](const auto& a, const auto& c) { return a.first < c.first; });
        for (const auto& [distancia, r] : cajas)
            if (espacio.Libre(r, holgura) && espacio.LineaLibre(QLineF(Cerca(r, ancla), ancla)))
                return r;
        return std::nullopt;
    }

    // Tops for a block of height `alto`: the preferred one, then alternately higher and lower
    // in half-line steps, all keeping the block between `arriba` and `abajo`.
    std::vector<double> Barrido(double preferida, double alto, double arriba, double abajo) const {
        const double paso = vp.textHeight() / 2;
        std::vector<double> tops{preferida};
        for (int k = 1; k < 400; ++k) {
            bool alguno = false;
            for (double t : {preferida - k * paso, preferida + k * paso}) {
                if (t < arriba || t + alto > abajo) continue;
                tops.push_back(t);
                alguno = true;
            }
            if (!alguno && (preferida - k * paso < arriba) && (preferida + k * paso + alto > abajo))
                break;
        }
        return tops;
    }

    // The back face's x at a height, leaning with it (P4 at the top, P5 at the foot).
    double Dorso(double y) const { return Sobre(g.x(4), g.y(4), g.x(5), g.y(5), y); }
    // The front face's x at a height (P1 at the top, P14 at the foot).
    double Frente(double y) const { return Sobre(g.x(1), g.y(1), g.x(14), g.y(14), y); }

    static double Sobre(double xa, double ya, double xb, double yb, double y) {
        if (!(yb > ya)) return xb;
        const double t = std::clamp((y - ya) / (yb - ya), 0.0, 1.0);
        return xa + (xb - xa) * t;
    }
};

}  // namespace

void DibujaTextosBarras(PageDocument& vp, EspacioLibre& espacio, const GeometriaMuro& g,
                        const ProjectState& e, const BarrasMuro& barras) {
    const double s = g.s;
    vp.textAngle = 0;
    const double h = vp.textHeight();
    const double holgura = std::max(0.02 * s, 40.0);
    Textos t{vp, espacio, g, holgura};
    // Beyond the dimension lines on either side, for a block that finds no room nearer.
    const double fueraDerecha = g.x(6) + 0.2 * s + 2 * holgura + h;
    const double fueraIzquierda = g.x(12) - 0.15 * s - 2 * holgura - h;
    const double arribaDibujo = g.y(1) - 0.3 * s, abajoDibujo = g.y(10) + 0.6 * s + 4 * h;

    // The key, beside it and below the footing, where nothing else has to go.
    if (e.ConDent) {
        // The bottom bars turn down into the key, where they stand vertical.
        const Bloque b = t.Crea({QStringLiteral("Dentellon"),
                                 QString::fromStdString(barras[L24]) + QStringLiteral(" (vert)"),
                                 Texto(barras, L25)});
        std::vector<Lugar> l;
        for (double top : t.Barrido(g.y(9) - 0.75 * g.altDent * s, b.alto, g.y(12) + holgura,
                                    g.y(10) + 0.25 * s)) {
            l.push_back({g.x(9) + holgura, top, false});
            l.push_back({g.x(10) - holgura, top, true});
        }
        for (double top : t.Barrido(g.y(10) + 0.6 * s, b.alto, g.y(10) + 0.45 * s, abajoDibujo)) {
            l.push_back({g.x(9) + holgura, top, false});
            l.push_back({g.x(10) - holgura, top, true});
        }
        for (double top : t.Barrido(g.y(9) - b.alto / 2, b.alto, arribaDibujo, abajoDibujo)) {
            l.push_back({fueraDerecha, top, false});
            l.push_back({fueraIzquierda, top, true});
        }
        t.Coloca(b, l, {g.x(9) - 0.03 * s, (g.y(12) + g.y(10)) / 2});
    }
    // The back face's bars, over the backfill beside it, halfway up.
    {
        const Bloque b = t.Crea({QStringLiteral("Muro"), Texto(barras, L17),
                                 Texto(barras, L18)});
        const double top = g.y(5) - e.Altura * s / 2 - b.alto / 2;
        std::vector<Lugar> l;
        for (double y : t.Barrido(top, b.alto, g.y(4) + holgura, g.y(5) - holgura))
            l.push_back({t.Dorso(y + b.alto) + holgura, y, false});
        // Over the stem's top, beside the line its back face would go on in.
        for (double y = g.y(4) - holgura - b.alto; y >= arribaDibujo; y -= h / 2)
            l.push_back({g.x(4) + holgura, y, false});
        for (double y : t.Barrido(top, b.alto, arribaDibujo, g.y(7)))
            l.push_back({fueraDerecha, y, false});
        const double y = g.y(5) - e.Altura * s / 2;
        t.Coloca(b, l, {t.Dorso(y) - 0.025 * s, y});
    }
    // The front face's bars, ending just before it, two thirds up.
    {
        const Bloque b = t.Crea({QStringLiteral("Muro"), Texto(barras, L19),
                                 Texto(barras, L20)});
        const double top = g.y(5) - 2 * e.Altura * s / 3 - b.paso;
        std::vector<Lugar> l;
        for (double y : t.Barrido(top, b.alto, g.y(1) + holgura, g.y(5) - holgura))
            l.push_back({t.Frente(y + b.alto) - holgura, y, true});
        for (double y = g.y(1) - holgura - b.alto; y >= arribaDibujo; y -= h / 2)
            l.push_back({g.x(1) - holgura, y, true});
        for (double y : t.Barrido(top, b.alto, arribaDibujo, g.y(7)))
            l.push_back({fueraIzquierda, y, true});
        const double y = g.y(5) - 2 * e.Altura * s / 3;
        t.Coloca(b, l, {t.Frente(y) + 0.025 * s, y});
    }
    // The footing's top bars, over the heel: ending at its end, or starting at the back face,
    // as low as they fit; else over the toe.
    {
        const Bloque b = t.Crea({QStringLiteral("Zapata"), Texto(barras, L23),
                                 Texto(barras, L25)});
        const double top = g.y(6) - 0.15 * h - b.alto;
        std::vector<Lugar> l;
        for (double y = top; y >= g.y(4); y -= h / 2) {
            l.push_back({g.x(6), y, true});
            l.push_back({t.Dorso(y + b.alto) + holgura, y, false});
        }
        // The top bars run over the toe too.
        for (double y = top; y >= g.y(1); y -= h / 2) {
            l.push_back({g.x(13), y, false});
            l.push_back({t.Frente(y + b.alto) - holgura, y, true});
        }
        for (double y : t.Barrido(g.y(6) - b.alto / 2, b.alto, arribaDibujo, abajoDibujo))
            l.push_back({fueraDerecha, y, false});
        t.Coloca(b, l, {(g.x(5) + g.x(6)) / 2, g.y(6) + 0.03 * s});
    }
    // The footing's bottom bars, under the footing from the toe's end, else from the heel's,
    // else below the dimension lines.
    {
        const Bloque b = t.Crea({QStringLiteral("Zapata"), Texto(barras, L24),
                                 Texto(barras, L25)});
        const double top = g.y(12) + 0.25 * h;
        const double cotas = g.y(10) + (e.ConDent ? 0.45 : 0.3) * g.s + holgura;
        std::vector<Lugar> l;
        for (double y = top; y + b.alto <= g.y(10) + 0.25 * s || y == top; y += h / 2) {
            l.push_back({g.x(12), y, false});
            l.push_back({g.x(7), y, true});
        }
        for (double y = cotas; y <= abajoDibujo; y += h / 2) {
            l.push_back({g.x(12), y, false});
            l.push_back({g.x(7), y, true});
        }
        // Beyond the side dimensions, level with the footing, when the page has no room below.
        for (double y : t.Barrido(g.y(12), b.alto, arribaDibujo, abajoDibujo)) {
            l.push_back({fueraIzquierda, y, true});
            l.push_back({fueraDerecha, y, false});
        }
        t.Coloca(b, l, {(g.x(12) + g.x(14)) / 2, g.y(12) - 0.03 * s});
    }
}

}  // namespace tarelvo
