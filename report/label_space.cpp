#include "report/label_space.h"

#include <algorithm>
#include <cmath>

#include "report/text_metrics.h"

namespace tarelvo {

namespace {

// What a box may overlap of what it touches, twips.
constexpr double kToque = 1;

// Whether the segment enters the box (Liang-Barsky clipping).
bool Cruza(const QLineF& l, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = l.dx(), dy = l.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {l.x1() - r.left(), r.right() - l.x1(), l.y1() - r.top(),
                         r.bottom() - l.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

QRectF CajaTexto(const TextItem& t) {
    const double w = TextWidth(t.font, t.text), h = LineHeight(t.font);
    if (t.angle == 900) return QRectF(t.x, t.y - w, h, w);
    return QRectF(t.x, t.y, w, h);
}

EspacioLibre::EspacioLibre(const Page& pagina, const QRectF& limites) : limites_(limites) {
    for (const PageItem& item : pagina.items) {
        if (const auto* l = std::get_if<LineItem>(&item)) {
            lineas_.emplace_back(l->from, l->to);
        } else if (const auto* p = std::get_if<PolygonItem>(&item)) {
            for (int i = 0; i < p->points.size(); ++i)
                lineas_.emplace_back(p->points[i], p->points[(i + 1) % p->points.size()]);
        } else if (const auto* c = std::get_if<CircleItem>(&item)) {
            cajas_.emplace_back(c->centre.x() - c->radius, c->centre.y() - c->radius,
                                2 * c->radius, 2 * c->radius);
        } else if (const auto* t = std::get_if<TextItem>(&item)) {
            if (!t->text.isEmpty()) Ocupa(CajaTexto(*t));
        }
    }
}

bool EspacioLibre::Libre(const QRectF& caja, double holgura) const {
    if (!limites_.contains(caja)) return false;
    const QRectF r = caja.adjusted(kToque - holgura, kToque - holgura, holgura - kToque,
                                   holgura - kToque);
    for (const QLineF& l : lineas_)
        if (Cruza(l, r)) return false;
    for (const QRectF& c : cajas_)
        if (r.intersects(c)) return false;
    return true;
}

bool EspacioLibre::LineaLibre(const QLineF& linea) const {
    for (const QRectF& t : textos_)
        if (Cruza(linea, t.adjusted(kToque, kToque, -kToque, -kToque))) return false;
    return true;
}

int EspacioLibre::Cruces(const QRectF& caja) const {
    const QRectF r = caja.adjusted(kToque, kToque, -kToque, -kToque);
    int n = limites_.contains(caja) ? 0 : 1000;
    for (const QLineF& l : lineas_) n += Cruza(l, r);
    for (const QRectF& c : cajas_) n += r.intersects(c);
    return n;
}

int EspacioLibre::Elige(const std::vector<QRectF>& candidatos, double holgura) const {
    for (std::size_t i = 0; i < candidatos.size(); ++i)
        if (Libre(candidatos[i], holgura)) return static_cast<int>(i);
    for (std::size_t i = 0; i < candidatos.size(); ++i)
        if (Libre(candidatos[i])) return static_cast<int>(i);
    int mejor = -1, menos = 0;
    for (std::size_t i = 0; i < candidatos.size(); ++i) {
        const int n = Cruces(candidatos[i]);
        if (mejor < 0 || n < menos) {
            mejor = static_cast<int>(i);
            menos = n;
        }
    }
    return mejor;
}

}  // namespace tarelvo
