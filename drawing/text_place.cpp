#include "drawing/text_place.h"

#include <algorithm>
#include <cmath>

namespace tarelvo {

bool CruzaCaja(double x1, double y1, double x2, double y2, const CajaLamina& c) {
    // Liang-Barsky clipping against the open box.
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - c.x0, c.x1 - x1, y1 - c.y0, c.y1 - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 >= t1) return false;
    }
    return true;
}

namespace {
bool Cortan(const CajaLamina& a, const CajaLamina& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}
CajaLamina Crece(const CajaLamina& c, double h) { return {c.x0 - h, c.y0 - h, c.x1 + h, c.y1 + h}; }
}  // namespace

bool Ocupacion::Libre(const CajaLamina& caja, double holgura) const {
    const CajaLamina c = Crece(caja, holgura);
    for (const TrazoLamina& t : trazos_)
        if (CruzaCaja(t.x1, t.y1, t.x2, t.y2, c)) return false;
    for (const CajaLamina& o : cajas_)
        if (Cortan(c, o)) return false;
    return true;
}

bool Ocupacion::LineaLibre(double x1, double y1, double x2, double y2) const {
    for (const CajaLamina& t : textos_)
        if (CruzaCaja(x1, y1, x2, y2, t)) return false;
    return true;
}

int Ocupacion::Elige(const std::vector<CajaLamina>& candidatos, double holgura) const {
    for (std::size_t i = 0; i < candidatos.size(); ++i)
        if (Libre(candidatos[i], holgura)) return static_cast<int>(i);
    return -1;
}

CajaLamina Ocupacion::Busca(double ancho, double alto, double cx, double cy, double ax, double ay,
                            double holgura, bool conGuia) const {
    const double paso = std::max(alto / 2, 1e-3);
    for (int anillo = 0; anillo < 600; ++anillo) {
        // The boxes whose centre lies on the square ring `anillo` steps from the first choice.
        const int n = std::max(1, 8 * anillo);
        for (int k = 0; k < n; ++k) {
            double i = 0, j = 0;
            if (anillo > 0) {
                const int lado = k / (2 * anillo), pos = k % (2 * anillo) - anillo;
                if (lado == 0) i = pos, j = -anillo;
                else if (lado == 1) i = anillo, j = pos;
                else if (lado == 2) i = -pos, j = anillo;
                else i = -anillo, j = -pos;
            }
            const double x = cx + i * paso * 2 - ancho / 2, y = cy + j * paso - alto / 2;
            const CajaLamina c{x, y, x + ancho, y + alto};
            if (!Libre(c, holgura)) continue;
            if (conGuia) {
                const double px = std::clamp(ax, c.x0, c.x1), py = std::clamp(ay, c.y0, c.y1);
                if (!LineaLibre(px, py, ax, ay)) continue;
            }
            return c;
        }
    }
    // The thing named lies under a text already placed: a free place without a leader.
    if (conGuia) return Busca(ancho, alto, cx, cy, ax, ay, holgura, false);
    return {cx, cy, cx + ancho, cy + alto};
}

}  // namespace tarelvo
