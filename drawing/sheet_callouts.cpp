// The construction drawing's bar marks, set as a drafter sets them: in a column beside the
// stem's face whose bars they name (the front face's and the toe's on the left, the back
// face's and the heel's on the right), one row above the other in the order of the heights
// they point to, each text standing on its leader, which runs on, level, to its bar, or turns
// once, straight down, to a footing bar; a small dot marks the bar. Rows never share a height
// and the turns step away from the wall row by row, so no leader crosses another or a text.
// Then the soil's names, and the parts' names inside the parts where they find room.
#include <algorithm>
#include <cmath>

#include "drawing/sheet_parts.h"
#include "engine/bar_schedule.h"

namespace tarelvo::lamina {

namespace {

constexpr double kPaso = 1.5;      // from a row to the next, line heights
constexpr double kHueco = 1.0;     // from a column to the face it names, line heights
constexpr double kPuntoGuia = 0.12;  // the dot ending a leader, line heights

std::string Llamada(const Dibujo& g, int grupo) {
    return std::string(MarcaGrupo(grupo)) + " " +
           GruposBarras::Llamada(grupo, g.d.barras[static_cast<std::size_t>(grupo)]);
}

void Suma(CajaLamina& c, double x, double y) {
    c.x0 = std::min(c.x0, x), c.y0 = std::min(c.y0, y);
    c.x1 = std::max(c.x1, x), c.y1 = std::max(c.y1, y);
}

// A mark of a column: its text and where its leader ends.
struct Marca {
    std::string texto;
    double deseo = 0;  // the height its row would stand at
    // How it reaches its bar: level to a face's bar line at the row's height, level to one of
    // a face's dots, or along the row to `xBaja` and down to `yBaja`.
    enum Modo { Cara, Puntos, Baja } modo = Cara;
    std::vector<std::pair<double, double>> puntos;
    double xBaja = 0, yBaja = 0;
};

// The rows' heights (the text's foot, where its leader runs), bottom up: each as near its
// wish as the row below and `piso` allow, a row naming dots on the first dot at or above that,
// so that its leader runs level; then, when the column rises past `techo`, let down under it
// as far as `piso` and the dots allow, or, when it cannot be, its top rows set above `salto`.
std::vector<double> Filas(const std::vector<Marca>& m, double piso, double techo, double salto,
                          double a) {
    auto punto = [&](const Marca& k, double y, bool arriba) {
        double mejor = HUGE_VAL * (arriba ? 1 : -1);
        for (const auto& q : k.puntos)
            if (arriba ? (q.second >= y - 1e-9 && q.second < mejor) : (q.second <= y + 1e-9 && q.second > mejor))
                mejor = q.second;
        return std::isfinite(mejor) ? mejor : y;
    };
    std::vector<double> y(m.size());
    for (std::size_t i = 0; i < m.size(); ++i) {
        y[i] = std::max({m[i].deseo, piso, i ? y[i - 1] + kPaso * a : piso});
        if (m[i].modo == Marca::Puntos) y[i] = punto(m[i], y[i], true);
    }
    if (y.empty() || y.back() <= techo) return y;
    std::vector<double> b(y);
    for (std::size_t i = m.size(); i-- > 0;) {
        b[i] = std::min(y[i], i + 1 < m.size() ? b[i + 1] - kPaso * a : techo);
        if (m[i].modo == Marca::Puntos) b[i] = punto(m[i], b[i], false);
        if (b[i] < piso || (i + 1 < m.size() && b[i] > b[i + 1] - kPaso * a + 1e-9)) {
            // No room under the crown: the rows that rise past it go on above `salto`.
            for (std::size_t j = 0; j < y.size(); ++j)
                if (y[j] > techo) y[j] = std::max(y[j], j && y[j - 1] > techo ? y[j - 1] + kPaso * a : salto);
            return y;
        }
    }
    return b;
}

class Columnas {
public:
    explicit Columnas(Dibujo& g) : g_(g) {}

    // A text with its foot at `y`, from `x0`, on its leader from `desde` (the text's far end)
    // through the points `ruta`; a dot at the last.
    void Pon(const std::string& t, double x0, double y, double desde,
             const std::vector<std::pair<double, double>>& ruta) {
        const double w = AnchoTextoLamina(t, g_.a);
        const CajaLamina k{x0, y, x0 + w, y + g_.a};
        g_.Texto(CapaLamina::Textos, k, false, t);
        Suma(g_.llamadas, k.x0, k.y0), Suma(g_.llamadas, k.x1, k.y1);
        double x1 = desde, y1 = y;
        for (const auto& [x2, y2] : ruta) {
            if (std::hypot(x2 - x1, y2 - y1) > 1e-9) g_.Linea(CapaLamina::Textos, x1, y1, x2, y2);
            x1 = x2, y1 = y2;
        }
        g_.Punto(CapaLamina::Textos, x1, y1, kPuntoGuia * g_.a);
    }

    // A column of marks beside a face: `lado` -1 to the left of `borde`, +1 to its right.
    // `cara(y)` is the x of the face's bar line at a height.
    template <class Cara>
    void Columna(std::vector<Marca> m, int lado, double borde, double piso, double techo, double salto,
                 Cara cara) {
        const double a = g_.a;
        const std::vector<double> y = Filas(m, piso, techo, salto, a);
        for (std::size_t i = 0; i < m.size(); ++i) {
            const Marca& k = m[i];
            const double w = AnchoTextoLamina(k.texto, a);
            // The near end of the text: at the column's edge, or short of the turn down.
            double cerca = borde;
            if (k.modo == Marca::Baja) cerca = lado < 0 ? std::min(borde, k.xBaja - 0.5 * a)
                                                        : std::max(borde, k.xBaja + 0.5 * a);
            const double x0 = lado < 0 ? cerca - w : cerca, lejos = lado < 0 ? x0 : x0 + w;
            std::vector<std::pair<double, double>> ruta{{cerca, y[i]}};
            if (k.modo == Marca::Cara) {
                ruta.push_back({cara(y[i]), y[i]});
            } else if (k.modo == Marca::Baja) {
                ruta.push_back({k.xBaja, y[i]});
                ruta.push_back({k.xBaja, k.yBaja});
            } else if (!k.puntos.empty()) {
                const auto p = *std::min_element(k.puntos.begin(), k.puntos.end(), [&](auto& u, auto& v) {
                    return std::abs(u.second - y[i]) < std::abs(v.second - y[i]);
                });
                ruta.push_back(p);
            }
            Pon(k.texto, x0, y[i], lejos, ruta);
        }
    }

private:
    Dibujo& g_;
};

// Where a leader turns down to a footing bar of the toe: on the distribution bars' dot
// nearest the toe's middle, or halfway between two dots, so as to reach the bottom bars
// without touching one. `puntos` is the dots' top layer.
std::pair<double, double> Bajadas(std::vector<double> xs, double desde, double hasta) {
    std::sort(xs.begin(), xs.end());
    const double meta = (desde + hasta) / 2;
    double enPunto = meta, entre = meta, d1 = HUGE_VAL, d2 = HUGE_VAL;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (xs[i] <= hasta && std::abs(xs[i] - meta) < d1) enPunto = xs[i], d1 = std::abs(xs[i] - meta);
        const double m = i ? (xs[i - 1] + xs[i]) / 2 : (desde + xs[i]) / 2;
        if (m >= desde && m <= hasta && std::abs(m - meta) < d2) entre = m, d2 = std::abs(m - meta);
    }
    return {enPunto, entre};
}

}  // namespace

void Marcas(Dibujo& g) {
    using G = GruposBarras;
    const Puntos& p = g.p;
    const double a = g.a, cb = p.cb, h = p.yTop - p.yZ;
    const auto T = CapaLamina::Textos;
    g.llamadas = {0, p.yk, p.xT, std::max(p.yTop, p.yRellenoFin)};
    Columnas col(g);

    // The soil's names, clear of their lines: the ground's above its left end, the backfill's
    // over its line.
    const double yt = std::max(g.d.dsz, 0.0);
    const std::string terreno = "TERRENO";
    const CajaLamina kt{-p.suelo, yt + 0.3 * a, -p.suelo + AnchoTextoLamina(terreno, a), yt + 1.3 * a};
    g.Texto(T, kt, false, terreno);
    Suma(g.llamadas, kt.x0, kt.y0), Suma(g.llamadas, kt.x1, kt.y1);
    const std::string relleno = "RELLENO, pendiente " + Decimal(g.d.beta) + "°";
    double sobreRelleno = 0;  // where marks stand that find no room under the crown
    {
        const double x0 = p.xBt + a, x1 = x0 + AnchoTextoLamina(relleno, a);
        const double subida = (p.yRellenoFin - p.yTop) / std::max(p.xRelleno - p.xBt, 1e-9);
        const double y = p.yTop + subida * (std::min(x1, p.xRelleno) - p.xBt) + 0.3 * a;
        const CajaLamina k{x0, y, x1, y + a};
        g.Texto(T, k, false, relleno);
        sobreRelleno = k.y1 + 0.6 * a;
        Suma(g.llamadas, k.x0, k.y0), Suma(g.llamadas, k.x1, k.y1);
    }

    // The stem's columns stand between the footing (or the front ground) and the backfill
    // line's hatching, under the crown; the vertical bars higher than the horizontal ones.
    const double techo = p.yTop - 1.8 * a;
    const auto& zl = g.filas[G::ZapataLongitudinal];
    const double ySup = p.yZ - cb, yInf = cb;
    double yPuntos = zl.empty() ? ySup : -HUGE_VAL;  // the distribution bars' top layer
    for (const auto& q : zl) yPuntos = std::max(yPuntos, q.second);
    {
        const double piso = std::max(p.yZ + 0.6 * a, kt.y1 + 0.6 * a);
        const double borde = std::min(p.xF, p.xFt) - kHueco * a;
        // The toe's bars, lowest: leaders down into the toe, the one that turns down nearer
        // the toe's end in the lower row.
        std::vector<double> xs;
        for (const auto& q : zl)
            if (std::abs(q.second - yPuntos) < 1e-9) xs.push_back(q.first);
        const auto [xZ3, xZ2] = Bajadas(xs, cb, std::max(cb, p.xF - cb));
        std::vector<Marca> m{{Llamada(g, G::ZapataInferior), piso, Marca::Baja, {}, xZ2, yInf},
                             {Llamada(g, G::ZapataLongitudinal), piso, Marca::Baja, {}, xZ3, yPuntos}};
        if (m[1].xBaja < m[0].xBaja) std::swap(m[0], m[1]);
        if (std::abs(m[1].xBaja - m[0].xBaja) < 0.2 * a) m[0].xBaja = std::max(cb / 2, m[1].xBaja - 0.2 * a);
        m.push_back({Llamada(g, G::MuroExteriorHorizontal), p.yZ + 0.35 * h, Marca::Puntos,
                     g.filas[G::MuroExteriorHorizontal]});
        m.push_back({Llamada(g, G::MuroExteriorVertical), p.yZ + 0.6 * h, Marca::Cara, {}});
        col.Columna(m, -1, borde, piso, techo, techo, [&](double y) {
            return p.Frente(std::clamp(y, p.yZ, p.yTop - cb)) + cb;
        });
    }
    {
        const double piso = p.yZ + 0.6 * a;
        const double borde = std::max(p.xB, p.xBt) + kHueco * a;
        const double xZ1 = p.xB + std::min(0.5 * a, std::max(p.xT - cb - p.xB, 0.0) / 2);
        std::vector<Marca> m;
        m.push_back({Llamada(g, G::ZapataSuperior), piso, Marca::Baja, {}, xZ1, ySup});
        m.push_back({Llamada(g, G::MuroInteriorHorizontal), p.yZ + 0.35 * h, Marca::Puntos,
                     g.filas[G::MuroInteriorHorizontal]});
        m.push_back({Llamada(g, G::MuroInteriorVertical), p.yZ + 0.6 * h, Marca::Cara, {}});
        col.Columna(m, 1, borde, piso, techo, sobreRelleno, [&](double y) {
            return p.Dorso(std::clamp(y, p.yZ, p.yTop - cb)) - cb;
        });
    }
    // The key's bars to its right, under the footing, level with them where the key is deep
    // enough.
    if (g.d.dentellon && !g.filas[kFilaDentellon].empty()) {
        const auto [dx, dy] = g.filas[kFilaDentellon].back();
        const std::string t = "D1 ø 3/8\" (2, long)";
        const double y = std::min(dy, -1.4 * a), x0 = p.xk1 + kHueco * a;
        col.Pon(t, x0, y, x0 + AnchoTextoLamina(t, a), {{x0, y}, {dx, dy}});
    }
}

void Nombres(Dibujo& g) {
    const Puntos& p = g.p;
    const double a = g.a, h = p.yTop - p.yZ;
    auto pon = [&](const CajaLamina& k, bool v, const std::string& t) {
        if (!g.ocupa.Libre(k, 0.15 * a)) return false;
        g.Texto(CapaLamina::Textos, k, v, t);
        Suma(g.llamadas, k.x0, k.y0), Suma(g.llamadas, k.x1, k.y1);
        return true;
    };
    // The first free of a few places round the part's middle, level or reading upward; failing
    // them, under the part, as near it as is free.
    auto nombra = [&](const std::string& t, double cx, double cy, double largo, bool vertical,
                      double fondo, bool alFrente = false) {
        const double w = AnchoTextoLamina(t, a);
        for (int i = 0; i < 9; ++i) {
            const double d = (i % 2 ? 1 : -1) * ((i + 1) / 2) * largo / 10;
            for (bool v : {false, vertical}) {
                // Along the part: up a stem or a key, across a toe or a heel.
                const double x = v ? cx - a / 2 : cx - w / 2 + (vertical ? 0 : d);
                const double y = v ? cy - w / 2 + d : cy - a / 2 + (vertical ? d : 0);
                if (pon(v ? CajaLamina{x, y, x + a, y + w} : CajaLamina{x, y, x + w, y + a}, v, t)) return;
            }
        }
        // A stem too thin for its name: beside its front face, level, at the heights between
        // the marks' rows, where it reads as the stem's name and not as the footing's.
        if (alFrente) {
            for (int i = 0; i < 24; ++i) {
                const double y = cy - a / 2 + (i % 2 ? 1 : -1) * ((i + 1) / 2) * 0.5 * a;
                const double x = p.Frente(y) - 0.6 * a - w;
                if (pon({x, y, x + w, y + a}, false, t)) return;
            }
        }
        for (int i = 0; i < 20; ++i) {
            const double y = fondo - 0.4 * a - a - i * 0.5 * a;
            if (pon({cx - w / 2, y, cx + w / 2, y + a}, false, t)) return;
        }
    };
    nombra("MURO", (p.Frente(p.yZ + h / 2) + p.Dorso(p.yZ + h / 2)) / 2, p.yZ + h / 2, h, true,
           p.yk, true);
    nombra("PUNTA", p.xF / 2, p.yZ / 2, p.xF, false, 0);
    nombra("TALÓN", (p.xB + p.xT) / 2, p.yZ / 2, p.xT - p.xB, false, 0);
    if (g.d.dentellon) nombra("DENTELLÓN", (p.xk0 + p.xk1) / 2, p.yk / 2, -p.yk, true, p.yk);
}

}  // namespace tarelvo::lamina
