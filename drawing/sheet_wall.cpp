// The construction drawing's concrete, ground, backfill and bars.
#include <algorithm>
#include <cmath>

#include "drawing/sheet_parts.h"

namespace tarelvo::lamina {

namespace {
constexpr double kRadio = 0.012;   // a bar seen end-on
constexpr double kGancho = 0.25;   // the stem bars' hooks into the footing
constexpr int kMaxPuntos = 400;    // per row: more would be a spacing no one builds

// Short strokes under a line from (x1, y1) to (x2, y2), every `paso`, marking soil.
void Rayado(Dibujo& g, double x1, double y1, double x2, double y2) {
    const double largo = std::hypot(x2 - x1, y2 - y1);
    if (!(largo > 0)) return;
    const double paso = std::max(1.5 * g.a, largo / 200), corto = 0.6 * g.a;
    for (double t = paso / 2; t + corto < largo; t += paso) {
        const double x = x1 + (x2 - x1) * t / largo, y = y1 + (y2 - y1) * t / largo;
        g.Linea(CapaLamina::Terreno, x, y, x + corto * 0.7, y - corto * 0.7);
    }
}

// Dots along a segment from its start, one every `sep`, staying short of its end, kept as the
// dots of `fila`.
void Fila(Dibujo& g, std::size_t fila, double x1, double y1, double x2, double y2, double sep) {
    const double largo = std::hypot(x2 - x1, y2 - y1);
    if (!(sep > 0) || !std::isfinite(sep) || !(largo > 0)) return;
    const int n = static_cast<int>(std::min(std::floor(largo / sep), double(kMaxPuntos)));
    for (int i = 0; i <= n; ++i) {
        const double t = i * sep / largo;
        g.Punto(CapaLamina::Acero, x1 + (x2 - x1) * t, y1 + (y2 - y1) * t, kRadio);
        g.filas[fila].emplace_back(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t);
    }
}

double Sep(const Dibujo& g, int grupo) {
    return GruposBarras::SeparacionDe(g.d.barras[static_cast<std::size_t>(grupo)]);
}
}  // namespace

void Contorno(Dibujo& g) {
    const Puntos& p = g.p;
    std::vector<std::pair<double, double>> v{{0, 0}};
    if (g.d.dentellon) {
        v.insert(v.end(), {{p.xk0, 0}, {p.xk0, p.yk}, {p.xk1, p.yk}, {p.xk1, 0}});
    }
    v.insert(v.end(), {{p.xT, 0}, {p.xT, p.yZ}, {p.xB, p.yZ}, {p.xBt, p.yTop}, {p.xFt, p.yTop},
                       {p.xF, p.yZ}, {0, p.yZ}});
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto& [x1, y1] = v[i];
        const auto& [x2, y2] = v[(i + 1) % v.size()];
        g.Linea(CapaLamina::Concreto, x1, y1, x2, y2);
    }
}

void Terreno(Dibujo& g) {
    const Puntos& p = g.p;
    // The front ground meets the toe's end, or the stem's face when it stands above the toe.
    const double y = std::max(g.d.dsz, 0.0);
    const double x = y > p.yZ ? p.Frente(std::min(y, p.yTop)) : 0.0;
    g.Linea(CapaLamina::Terreno, -p.suelo, y, x, y);
    Rayado(g, -p.suelo, y, x - 0.2 * g.a, y);
    // The backfill from the stem's top, at its slope, past the heel.
    g.Linea(CapaLamina::Terreno, p.xBt, p.yTop, p.xRelleno, p.yRellenoFin);
    Rayado(g, p.xBt + g.a, p.yTop + (p.yRellenoFin - p.yTop) * g.a / (p.xRelleno - p.xBt),
           p.xRelleno, p.yRellenoFin);
}

void Armadura(Dibujo& g) {
    const Puntos& p = g.p;
    const double cb = p.cb;
    using G = GruposBarras;
    const auto A = CapaLamina::Acero;
    // Footing: the top bars (Z1) and bottom bars (Z2) across it, the distribution bars (Z3)
    // along the wall inside both.
    const double ySup = p.yZ - cb, yInf = cb;
    g.Linea(A, cb, ySup, p.xT - cb, ySup);
    g.Linea(A, cb, yInf, p.xT - cb, yInf);
    const double dz = kRadio + 0.004;
    Fila(g, G::ZapataLongitudinal, cb + 2 * dz, ySup - dz, p.xT - cb - dz, ySup - dz, Sep(g, G::ZapataLongitudinal));
    Fila(g, G::ZapataLongitudinal, cb + 2 * dz, yInf + dz, p.xT - cb - dz, yInf + dz, Sep(g, G::ZapataLongitudinal));

    // Stem: the vertical bars along each face, their hooks on the bottom mat; the horizontal
    // bars inside them, up each face.
    const double yGancho = yInf + 2 * dz + kRadio;
    const double yCorona = p.yTop - cb;
    const double xf0 = p.Frente(p.yZ) + cb, xf1 = p.Frente(yCorona) + cb;
    const double xb0 = p.Dorso(p.yZ) - cb, xb1 = p.Dorso(yCorona) - cb;
    // Below the footing top the bars go on at their face's lean.
    const double talF = (xf1 - xf0) / std::max(yCorona - p.yZ, 1e-9);
    const double talB = (xb1 - xb0) / std::max(yCorona - p.yZ, 1e-9);
    const double xfPie = xf0 - talF * (p.yZ - yGancho), xbPie = xb0 - talB * (p.yZ - yGancho);
    g.Linea(A, xfPie, yGancho, xf1, yCorona);
    g.Linea(A, xbPie, yGancho, xb1, yCorona);
    g.Linea(A, std::max(cb, xfPie - kGancho), yGancho, xfPie, yGancho);
    g.Linea(A, xbPie, yGancho, std::min(p.xT - cb, xbPie + kGancho), yGancho);
    g.Linea(A, xf1, yCorona, xb1, yCorona);  // the bars close over the crown
    Fila(g, G::MuroExteriorHorizontal, xf0 + dz, p.yZ + 0.05, xf1 + dz, yCorona - dz, Sep(g, G::MuroExteriorHorizontal));
    Fila(g, G::MuroInteriorHorizontal, xb0 - dz, p.yZ + 0.05, xb1 - dz, yCorona - dz, Sep(g, G::MuroInteriorHorizontal));

    // The key: a U of 3/8" bars inside it, legs up into the footing, one bar along the wall in
    // each bottom corner (D1).
    if (g.d.dentellon) {
        double xa = p.xk0 + cb, xb = p.xk1 - cb;
        if (xb - xa < 2 * dz) xa = (p.xk0 + p.xk1) / 2 - dz, xb = xa + 2 * dz;
        const double fondo = p.yk + cb, tope = yInf + 2 * dz + 2 * kRadio;
        g.Linea(A, xa, fondo, xa, tope);
        g.Linea(A, xa, fondo, xb, fondo);
        g.Linea(A, xb, fondo, xb, tope);
        g.Punto(A, xa + dz, fondo + dz, kRadio);
        g.Punto(A, xb - dz, fondo + dz, kRadio);
        g.filas[kFilaDentellon] = {{xa + dz, fondo + dz}, {xb - dz, fondo + dz}};
    }
}

}  // namespace tarelvo::lamina
