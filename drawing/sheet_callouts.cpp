// The construction drawing's bar marks, each with a leader to its bars, and the names of the
// wall's parts, the backfill with its slope and the front ground.
#include <cmath>

#include "common/number_text.h"
#include "drawing/sheet_parts.h"
#include "engine/bar_schedule.h"

namespace tarelvo::lamina {

namespace {
std::string Llamada(const Dibujo& g, int grupo) {
    return std::string(MarcaGrupo(grupo)) + " " +
           GruposBarras::Llamada(grupo, g.d.barras[static_cast<std::size_t>(grupo)]);
}
}  // namespace

void Marcas(Dibujo& g) {
    using G = GruposBarras;
    const Puntos& p = g.p;
    const double a = g.a, cb = p.cb, h = p.yTop - p.yZ;
    const auto T = CapaLamina::Textos;
    auto ancho = [&](const std::string& t) { return AnchoTextoLamina(t, a); };

    // The parts and the soil first: what they name lies inside the concrete, where a mark
    // placed before could cover it.
    g.Llama(T, "MURO", (p.xF + p.xB) / 2, p.yZ + 0.5 * h, (p.xF + p.xB) / 2, p.yZ + 0.5 * h);
    g.Llama(T, "PUNTA", p.xF / 2, p.yZ / 2, p.xF / 2, p.yZ / 2);
    g.Llama(T, "TALÓN", (p.xB + p.xT) / 2, p.yZ / 2, (p.xB + p.xT) / 2, p.yZ / 2);
    if (g.d.dentellon)
        g.Llama(T, "DENTELLÓN", (p.xk0 + p.xk1) / 2, p.yk / 2, (p.xk0 + p.xk1) / 2, p.yk / 2);
    const std::string relleno =
        "RELLENO, pendiente " + Decimal(g.d.beta) + "°";
    const double xr = (p.xBt + p.xRelleno) / 2, yr = (p.yTop + p.yRellenoFin) / 2;
    g.Llama(T, relleno, xr + ancho(relleno) / 2, yr + 1.5 * a, xr, yr);
    const double yt = std::max(g.d.dsz, 0.0);
    g.Llama(T, "TERRENO", -p.suelo / 2, yt + 1.2 * a, -p.suelo / 2, yt);

    // The stem's bars: the back face's to the right over the backfill, the front face's to
    // the left, the vertical bars higher than the horizontal ones.
    {
        const double y = p.yZ + 0.62 * h, x = p.Dorso(y) - cb;
        const std::string t = Llamada(g, G::MuroInteriorVertical);
        g.Llama(T, t, p.Dorso(y) + 1.5 * a + ancho(t) / 2, y, x, y);
    }
    {
        const double y = p.yZ + 0.3 * h, x = p.Dorso(y) - cb - 0.016;
        const std::string t = Llamada(g, G::MuroInteriorHorizontal);
        g.Llama(T, t, p.Dorso(y) + 1.5 * a + ancho(t) / 2, y, x, y);
    }
    {
        const double y = p.yZ + 0.7 * h, x = p.Frente(y) + cb;
        const std::string t = Llamada(g, G::MuroExteriorVertical);
        g.Llama(T, t, p.Frente(y) - 1.5 * a - ancho(t) / 2, y, x, y);
    }
    {
        const double y = p.yZ + 0.38 * h, x = p.Frente(y) + cb + 0.016;
        const std::string t = Llamada(g, G::MuroExteriorHorizontal);
        g.Llama(T, t, p.Frente(y) - 1.5 * a - ancho(t) / 2, y, x, y);
    }
    // The footing's: the top bars over the heel, the bottom ones and the distribution bars
    // below the toe's end and the heel's.
    {
        const double x = (p.xB + p.xT) / 2, y = p.yZ - cb;
        const std::string t = Llamada(g, G::ZapataSuperior);
        g.Llama(T, t, p.xT + ancho(t) / 2, p.yZ + 1.5 * a, x, y);
    }
    {
        const double x = p.xF / 2, y = cb;
        const std::string t = Llamada(g, G::ZapataInferior);
        g.Llama(T, t, x - ancho(t) / 2, p.yZ + 2 * a, x, y);
    }
    {
        const double x = (p.xB + p.xT) / 2, y = cb + 0.016;
        const std::string t = Llamada(g, G::ZapataLongitudinal);
        g.Llama(T, t, p.xT + ancho(t) / 2, p.yZ / 2, x, y);
    }
    if (g.d.dentellon) {
        const double x = p.xk1 - cb - 0.016, y = p.yk + cb + 0.016;
        const std::string t = "D1 ø 3/8\" (2, long)";
        g.Llama(T, t, p.xk1 + a + ancho(t) / 2, p.yk / 2, x, y);
    }

}

}  // namespace tarelvo::lamina
