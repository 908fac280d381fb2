// DrawMuro: the blocks of text that name the bars of each face, the footing and the key.
#include "report/wall_parts.h"

namespace tarelvo {

namespace {

enum Etiqueta { L17, L18, L19, L20, L23, L24, L25 };

QString Texto(const BarrasMuro& barras, Etiqueta l, const char* sufijo) {
    return QString::fromStdString(barras[static_cast<std::size_t>(l)]) +
           QString::fromUtf8(sufijo);
}

}  // namespace

void DibujaTextosBarras(PageDocument& vp, const GeometriaMuro& g, const ProjectState& e,
                        const BarrasMuro& barras) {
    const double s = g.s;
    vp.textAngle = 0;
    auto h = [&vp](const QString& t) { return vp.textHeight(t); };
    auto w = [&vp](const QString& t) { return vp.textWidth(t); };

    // Back face, beside it over the backfill, halfway up.
    {
        const double x = g.x(5) + 0.025 * s, ym = g.y(5) - e.Altura * s / 2;
        const QString muro = QStringLiteral("Muro"), vert = Texto(barras, L17, " (vert)"),
                      hor = Texto(barras, L18, " (hor)");
        vp.textAt(x, ym - 1.1 * h(muro), muro);
        vp.textAt(x, ym, vert);
        vp.textAt(x, ym + 1.1 * h(hor), hor);
    }
    // Front face, ending just before it, two thirds up.
    {
        const double yt = g.y(5) - 2 * e.Altura * s / 3;
        const QString muro = QStringLiteral("Muro"), vert = Texto(barras, L19, " (vert)"),
                      hor = Texto(barras, L20, " (hor)");
        auto x = [&](const QString& t) { return g.x(14) - w(t) - 0.025 * s; };
        vp.textAt(x(muro), yt - 1.1 * h(muro), muro);
        vp.textAt(x(vert), yt, vert);
        vp.textAt(x(hor), yt + 1.1 * h(hor), hor);
    }
    // Heel, over the footing and ending at its end; a text longer than the heel starts just
    // right of the back face instead.
    {
        const QString zapata = QStringLiteral("Zapata"), trans = Texto(barras, L23, " (trans)"),
                      lon = Texto(barras, L25, " (long)");
        auto x = [&](const QString& t) {
            return w(t) > (g.muro.talon - 0.025) * s ? g.x(5) + 0.025 * s : g.x(6) - w(t);
        };
        vp.textAt(g.x(6) - w(zapata), g.y(6) - 3.35 * h(zapata), zapata);
        vp.textAt(x(trans), g.y(6) - 2.25 * h(trans), trans);
        vp.textAt(x(lon), g.y(6) - 1.15 * h(lon), lon);
    }
    // Toe, under the footing from its end; a text longer than the toe ends at the key instead.
    {
        const double punta = g.muro.punta * s;
        const QString zapata = QStringLiteral("Zapata"), trans = Texto(barras, L24, " (trans)"),
                      lon = Texto(barras, L25, " (long)");
        auto x = [&](const QString& t) {
            return w(t) > punta ? g.x(10) - w(t) - 0.025 * s : g.x(12);
        };
        vp.textAt(w(zapata) > punta ? g.x(12) - 0.025 * s : g.x(12),
                  g.y(12) + 0.25 * h(zapata), zapata);
        vp.textAt(x(trans), g.y(12) + 1.35 * h(trans), trans);
        vp.textAt(x(lon), g.y(12) + 2.45 * h(lon), lon);
    }
    if (!e.ConDent) return;
    {
        const double x = g.x(8) + 0.025 * s, yk = g.y(9) - 0.75 * g.altDent * s;
        const QString dent = QStringLiteral("Dentellon"), vert = Texto(barras, L24, " (vert)"),
                      lon = Texto(barras, L25, " (long)");
        vp.textAt(x, yk, dent);
        vp.textAt(x, yk + 1.1 * h(vert), vert);
        vp.textAt(g.x(9) + 0.025 * s, yk + 2.2 * h(lon), lon);
    }
}

}  // namespace tarelvo
