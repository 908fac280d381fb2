// The construction drawing's dimensions: below the footing the key's place and width, the toe,
// the stem's foot and the heel, and the whole width; over the crown its thickness and an
// inclined face's lean; on the right the footing's thickness, the stem's height and the whole
// height; on the left the front ground's height and the key's depth. Each is a dimension line
// between extension lines, with oblique ticks and its value in metres.
#include <algorithm>
#include <cmath>

#include "drawing/sheet_parts.h"

namespace tarelvo::lamina {

namespace {

struct Cota {
    bool vertical;
    double a, b;      // the span measured, along the dimension line
    double oa, ob;    // where the extension lines start across it (their origins' y or x)
    double linea;     // the dimension line's y, or its x
    bool afuera;      // the value stands on the side of the line away from the origins
};

// Where an extension line from `d0` toward `d1` (across the dimension's direction, at `en`)
// may start: past every mark, leader and name it would cross, so that it starts clear of them
// as it starts clear of the wall. Past `d1` when nothing of it is left.
double Arranque(const Dibujo& g, bool vertical, double en, double d0, double d1) {
    std::vector<CajaLamina> estorbos;
    const double h = 0.15 * g.a;
    for (const TextoLamina& t : g.l.textos)
        if (t.capa == CapaLamina::Textos)
            estorbos.push_back(t.vertical ? CajaLamina{t.x - h, t.y - h, t.x + t.alto + h, t.y + t.ancho + h}
                                          : CajaLamina{t.x - h, t.y - h, t.x + t.ancho + h, t.y + t.alto + h});
    for (const TrazoLamina& t : g.l.trazos)
        if (t.capa == CapaLamina::Textos)
            estorbos.push_back({std::min(t.x1, t.x2) - h, std::min(t.y1, t.y2) - h,
                                std::max(t.x1, t.x2) + h, std::max(t.y1, t.y2) + h});
    const double dir = d1 > d0 ? 1 : -1;
    for (bool mueve = true; mueve;) {
        mueve = false;
        for (const CajaLamina& k : estorbos) {
            const bool cruza = vertical ? CruzaCaja(d0, en, d1, en, k) : CruzaCaja(en, d0, en, d1, k);
            if (!cruza) continue;
            const double fin = vertical ? (dir > 0 ? k.x1 : k.x0) : (dir > 0 ? k.y1 : k.y0);
            d0 = fin + dir * 0.25 * g.a;
            mueve = true;
            if ((d1 - d0) * dir <= 0) return d1;
        }
    }
    return d0;
}

void Dibuja(Dibujo& g, const Cota& c) {
    const double sobra = 0.6 * g.a, hueco = 0.25 * g.a, m = 0.35 * g.a;
    const auto L = CapaLamina::Cotas;
    auto ext = [&](double en, double desde) {
        const double dir = c.linea > desde ? 1 : -1;
        const double d1 = c.linea + dir * sobra;
        const double d0 = Arranque(g, c.vertical, en, desde + dir * hueco, d1);
        if ((d1 - d0) * dir <= 0) return;
        if (c.vertical) g.Linea(L, d0, en, d1, en);
        else g.Linea(L, en, d0, en, d1);
    };
    ext(c.a, c.oa);
    ext(c.b, c.ob);
    if (c.vertical) {
        g.Linea(L, c.linea, c.a, c.linea, c.b);
        for (double y : {c.a, c.b}) g.Linea(L, c.linea - m, y - m, c.linea + m, y + m);
    } else {
        g.Linea(L, c.a, c.linea, c.b, c.linea);
        for (double x : {c.a, c.b}) g.Linea(L, x - m, c.linea - m, x + m, c.linea + m);
    }
}

void Valor(Dibujo& g, const Cota& c) {
    const std::string t = Metros(std::abs(c.b - c.a));
    const double w = AnchoTextoLamina(t, g.a), h = g.a, hueco = 0.3 * g.a;
    const double medio = (c.a + c.b) / 2, lo = std::min(c.a, c.b), hi = std::max(c.a, c.b);
    std::vector<std::pair<double, double>> l;
    if (!c.vertical) {
        // Above the line (below it when the origins are above), centred, then past either end.
        const double y = c.afuera ? c.linea - hueco - h : c.linea + hueco;
        const double y2 = c.afuera ? c.linea + hueco : c.linea - hueco - h;
        for (double yy : {y, y2}) {
            l.push_back({medio - w / 2, yy});
            l.push_back({hi + 0.6 * g.a, yy});
            l.push_back({lo - 0.6 * g.a - w, yy});
        }
        g.Coloca(CapaLamina::Cotas, t, h, l, medio, c.linea);
        return;
    }
    // Reading upward, left of its line when the origins are to its right.
    const double x = c.afuera ? c.linea + hueco : c.linea - hueco - h;
    const double x2 = c.afuera ? c.linea - hueco - h : c.linea + hueco;
    for (double xx : {x, x2}) {
        l.push_back({xx, medio - w / 2});
        l.push_back({xx, hi + 0.6 * g.a});
        l.push_back({xx, lo - 0.6 * g.a - w});
    }
    g.Coloca(CapaLamina::Cotas, t, h, l, c.linea, medio, true);
}

}  // namespace

void Cotas(Dibujo& g) {
    const Puntos& p = g.p;
    const double paso = 2.6 * g.a;
    std::vector<Cota> cotas;
    const auto hor = [&](double a, double b, double oa, double ob, double y) {
        if (std::abs(b - a) > 1e-6) cotas.push_back({false, a, b, oa, ob, y, y < oa});
    };
    const auto ver = [&](double a, double b, double oa, double ob, double x) {
        if (std::abs(b - a) > 1e-6) cotas.push_back({true, a, b, oa, ob, x, x > oa});
    };
    // Below: rows downward from under the key.
    // Every row outside the marks and names beside the wall.
    const CajaLamina& k = g.llamadas;
    double y = std::min(p.yk, k.y0) - paso;
    if (g.d.dentellon) {
        hor(0, p.xk0, 0, p.yk, y);
        hor(p.xk0, p.xk1, p.yk, p.yk, y);
        y -= paso;
    }
    hor(0, p.xF, 0, 0, y);
    hor(p.xF, p.xB, 0, 0, y);
    hor(p.xB, p.xT, 0, 0, y);
    y -= paso;
    hor(0, p.xT, 0, 0, y);
    // Above the crown, over the backfill's rise.
    const double arriba = std::max({p.yTop, p.yRellenoFin, k.y1}) + paso;
    hor(p.xFt, p.xBt, p.yTop, p.yTop, arriba);
    if (std::abs(p.xFt - p.xF) > 1e-6) hor(p.xF, p.xFt, p.yZ, p.yTop, arriba);
    if (std::abs(p.xB - p.xBt) > 1e-6) hor(p.xBt, p.xB, p.yTop, p.yZ, arriba);
    // Right, past the backfill's end.
    double x = std::max(p.xRelleno, k.x1) + paso;
    ver(0, p.yZ, p.xT, p.xT, x);
    ver(p.yZ, p.yTop, p.xT, p.xBt, x);
    x += paso;
    ver(0, p.yTop, p.xT, p.xBt, x);
    // Left, past the front ground.
    const double xi = std::min(-p.suelo, k.x0) - paso / 2;
    ver(0, std::max(g.d.dsz, 0.0), 0, -p.suelo, xi);
    if (g.d.dentellon) ver(p.yk, 0, p.xk0, 0, xi);

    for (const Cota& c : cotas) Dibuja(g, c);
    for (const Cota& c : cotas) Valor(g, c);
}

}  // namespace tarelvo::lamina
