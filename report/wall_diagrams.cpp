#include "report/wall_diagrams.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "report/label_space.h"

namespace tarelvo {

namespace {

const QColor kConcreto(120, 120, 120);
const QColor kEmpuje(150, 100, 40);
const QColor kSobrecarga(40, 90, 170);
const QColor kPasivo(30, 130, 60);
const QColor kAdmisible(0, 0, 128);
const QColor kExceso(255, 0, 0);
const QColor kAgua(0, 150, 210);
const QColor kSismo(190, 30, 110);

QString Num(double v, const char* patron = "0.00") {
    return QString::fromStdString(numtext::format(v, patron));
}

// Saves and restores the document's current drawing and text settings.
struct Estilo {
    PageDocument& doc;
    PageFont font;
    QColor color;
    PagePen pen;
    PageBrush brush;
    int angle;
    explicit Estilo(PageDocument& d)
        : doc(d), font(d.font), color(d.textColor), pen(d.pen), brush(d.brush), angle(d.textAngle) {}
    ~Estilo() {
        doc.font = font;
        doc.textColor = color;
        doc.pen = pen;
        doc.brush = brush;
        doc.textAngle = angle;
    }
};

// Lines of text, each in its colour.
using Lineas = std::vector<std::pair<QString, QColor>>;

struct Lienzo {
    PageDocument& doc;
    double pt;  // the text size of the values, points

    // Sets the values' text style and gives the width of the widest line and a line's height.
    std::pair<double, double> Mide(const Lineas& lineas, bool negrita) {
        doc.font.size = pt;
        doc.font.bold = negrita;
        doc.textAngle = 0;
        double ancho = 0;
        for (const auto& linea : lineas) ancho = std::max(ancho, doc.textWidth(linea.first));
        return {ancho, doc.textHeight()};
    }
    // Writes the lines one under another from the top of a box at (x, y) `ancho` wide, each
    // centred on it or flush left; gives the bottom of the last.
    double Escribe(const Lineas& lineas, double x, double y, double ancho, double h,
                   bool centradas) {
        for (const auto& linea : lineas) {
            doc.textColor = linea.second;
            doc.textAt(centradas ? x + (ancho - doc.textWidth(linea.first)) / 2 : x, y,
                       linea.first);
            y += h;
        }
        return y;
    }

    void Pluma(const QColor& c, double ancho = 10, int estilo = 0) {
        doc.pen.color = c;
        doc.pen.width = ancho;
        doc.pen.style = estilo;
    }
    void Relleno(const QColor& c, int estilo) {
        doc.brush.color = c;
        doc.brush.style = estilo;
    }
    void Linea(QPointF a, QPointF b) { doc.line(a.x(), a.y(), b.x(), b.y()); }
    void Poligono(const QPolygonF& p) {
        if (p.size() >= 3) doc.polygon(p);
    }
    // A text whose box is centred on x and has its top at y (or its bottom, with arriba).
    void Texto(double x, double y, const QString& t, const QColor& c = Qt::black,
               bool negrita = false, bool arriba = false, double tam = 0) {
        doc.font.size = tam > 0 ? tam : pt;
        doc.font.bold = negrita;
        doc.textColor = c;
        doc.textAngle = 0;
        const double w = doc.textWidth(t), h = doc.textHeight(t);
        doc.textAt(x - w / 2, arriba ? y - h : y, t);
    }
    // A text starting at x (or ending there, with izquierda), centred on y.
    void TextoLado(double x, double y, const QString& t, const QColor& c = Qt::black,
                   bool izquierda = false) {
        doc.font.size = pt;
        doc.font.bold = false;
        doc.textColor = c;
        doc.textAngle = 0;
        const double w = doc.textWidth(t), h = doc.textHeight(t);
        doc.textAt(izquierda ? x - w : x, y - h / 2, t);
    }
    double Alto() {
        doc.font.size = pt;
        return doc.textHeight();
    }
};

// The panel's frame and title; returns the drawing area inside it.
QRectF Panel(Lienzo& l, const QRectF& r, const QString& titulo) {
    l.Pluma(QColor(160, 160, 160), 8);
    l.Relleno(Qt::white, 1);
    l.Poligono(QPolygonF(r));
    l.Texto(r.center().x(), r.top() + l.Alto() * 0.3, titulo, Qt::black, true, false, l.pt * 1.15);
    const double margen = l.Alto() * 1.2;
    return r.adjusted(margen * 2.2, margen * 1.8, -margen * 2.2, -margen * 1.6);
}

// The wall in section, to scale, with the vertical plane through the heel end on which the
// thrust acts.
void Contorno(Lienzo& l, const ProjectState& s, const QRectF& r) {
    const double base = std::max<double>(s.Base, 0.01);
    const double alto = std::max<double>(s.AltTotal, s.Altura + s.AltZap) + s.AltDent;
    const double k = std::min(r.width() / base, r.height() / alto);
    const double x0 = r.center().x() - base * k / 2;
    const double yBase = r.center().y() + alto * k / 2 - s.AltDent * k;  // footing underside
    auto P = [&](double x, double y) { return QPointF(x0 + x * k, yBase - y * k); };

    const double punta = s.Punta, eb = s.EspBase / 100.0, et = s.EspTope / 100.0;
    const double zap = s.AltZap, h = s.Altura;
    double frenteTope = punta, dorsoTope = punta + eb;
    if (s.FormaMuro == 1) frenteTope = punta + eb - et;
    else dorsoTope = punta + et;
    QPolygonF muro;
    muro << P(0, 0) << P(base, 0) << P(base, zap) << P(punta + eb, zap) << P(dorsoTope, zap + h)
         << P(frenteTope, zap + h) << P(punta, zap) << P(0, zap);
    l.Pluma(kConcreto, 12);
    l.Relleno(QColor(200, 200, 200), 0);
    l.Poligono(muro);
    if (s.AltDent > 0) {
        const double c = base / 2, a = s.AnchDent / 2.0;
        QPolygonF llave;
        llave << P(c - a, 0) << P(c + a, 0) << P(c + a, -s.AltDent) << P(c - a, -s.AltDent);
        l.Poligono(llave);
    }
    // Backfill surface and front ground.
    l.Pluma(kEmpuje, 10);
    l.Linea(P(punta + eb, zap + h), P(base, s.AltTotal));
    l.Pluma(kEmpuje, 10);
    l.Linea(P(-0.05 * base, s.Dsz), P(punta, s.Dsz));
    // The heel plane.
    l.Pluma(kSobrecarga, 8, 1);
    l.Linea(P(base, 0), P(base, s.AltTotal));
    l.TextoLado(P(base, s.AltTotal).x(), P(base, s.AltTotal).y() - l.Alto(), "B = " + Num(s.Base) + " m",
                Qt::black, true);
}

// A text or a block of lines put in the first free place of its candidates: nothing drawn on
// the page so far, and no text placed before it, is crossed when any place is free.
struct Rotulos {
    Lienzo& l;
    EspacioLibre espacio;

    Rotulos(Lienzo& lienzo, const QRectF& limites)
        : l(lienzo), espacio(lienzo.doc.pages().back(), limites) {}

    // Each candidate is the top-left corner of the block's box for its width and height.
    using Candidatos = std::function<std::vector<QPointF>(double ancho, double alto)>;

    void Coloca(const Lineas& lineas, bool negrita, const Candidatos& candidatos,
                bool centradas = true) {
        const auto [ancho, h] = l.Mide(lineas, negrita);
        const double alto = h * static_cast<double>(lineas.size());
        std::vector<QRectF> cajas;
        for (const QPointF& p : candidatos(ancho, alto)) cajas.emplace_back(p, QSizeF(ancho, alto));
        const int i = espacio.Elige(cajas, h * 0.15);
        if (i < 0) return;
        const QRectF caja = cajas[static_cast<std::size_t>(i)];
        // Lines of a block are centred on it, or those of a legend flush left.
        l.Escribe(lineas, caja.left(), caja.top(), ancho, h, centradas);
        espacio.Ocupa(caja);
    }
    void Coloca(const QString& texto, const QColor& color, bool negrita,
                const Candidatos& candidatos) {
        Coloca({{texto, color}}, negrita, candidatos);
    }
};

// Lateral pressures: active on the heel plane (surcharge and backfill) down to the underside
// of the footing, passive in front down to the bottom of the footing or of its key. The
// thrust's values stand right of its arrow, inside the panel.
// The legend of the layers water or an earthquake add, flush left at the top right of the
// area; returns its height.
double Leyenda(Lienzo& l, const Diagramas& d, const QRectF& area) {
    Lineas lineas;
    if (d.presSobrecarga > 0) lineas.push_back({QStringLiteral("■ Sobrecarga"), kSobrecarga});
    lineas.push_back({QStringLiteral("■ Relleno"), kEmpuje});
    if (d.hw > 0)
        lineas.push_back({"■ Agua: Ew = " + Num(d.empujeAgua) + " t/m, y = " + Num(d.hw / 3.0) +
                              " m",
                          kAgua});
    if (d.incrementoSismo > 0)
        lineas.push_back({QStringLiteral("■ Sismo: ΔPAE = ") + Num(d.incrementoSismo) +
                              " t/m, y = " + Num(d.brazoSismo) + " m",
                          kSismo});
    const auto [ancho, h] = l.Mide(lineas, false);
    const double x = std::max(area.left(), area.right() - ancho);
    return l.Escribe(lineas, x, area.top(), ancho, h, false) - area.top();
}

void Empujes(Lienzo& l, const Diagramas& d, const QRectF& area, const QRectF& panel) {
    // The layers at depth z, each piecewise linear between the nodes: the backfill (with its
    // submerged weight below the water table), the water, the earthquake increment. Their
    // legend takes the top of the area, the diagram the rest, so they never meet.
    const bool agua = d.hw > 0, sismo = d.incrementoSismo > 0;
    const QRectF r =
        agua || sismo ? area.adjusted(0, Leyenda(l, d, area) + l.Alto() * 1.2, 0, 0) : area;
    const double H = std::max<double>(d.altTotal, 1e-3);
    const double fondo = H + std::max<double>(d.altLlave, 0);  // depth of the key's bottom
    const double zt = agua ? std::clamp(H - d.hw, 0.0, H) : H;  // the water table's depth
    const auto relleno = [&](double z) -> double {
        if (!agua) return d.presRellenoBase * z / H;
        if (z <= zt) return zt > 0 ? d.presRellenoNivel * z / zt : 0.0;
        return d.presRellenoNivel + (d.presRellenoBase - d.presRellenoNivel) * (z - zt) / (H - zt);
    };
    const auto aguaEn = [&](double z) -> double {
        return agua && z > zt ? d.presAguaBase * (z - zt) / (H - zt) : 0.0;
    };
    const auto sismoEn = [&](double z) -> double {
        return sismo ? d.presSismoTope + (d.presSismoBase - d.presSismoTope) * z / H : 0.0;
    };
    std::vector<double> nodos{0.0};
    if (agua && zt > 0 && zt < H) nodos.push_back(zt);
    nodos.push_back(H);
    double pActMax = 0;
    for (double z : nodos)
        pActMax = std::max(pActMax, d.presSobrecarga + relleno(z) + aguaEn(z) + sismoEn(z));
    const double pPasMax = d.empPasivo > 0 ? std::max(d.presPasivaBase, d.presPasivaTope) : 0.0;
    const QString empuje = "E = " + Num(d.empuje) + " t/m", brazo = "y = " + Num(d.brazoEmp) + " m";
    l.doc.font.size = l.pt;
    const double textos = std::max(l.doc.textWidth(empuje), l.doc.textWidth(brazo)) + l.Alto() * 0.3;
    // Room on the left for the passive pressure's bottom value.
    const double izquierda =
        pPasMax > 0 ? l.doc.textWidth(Num(d.presPasivaBase)) + l.Alto() * 0.3 : 0.0;
    const double escalaP = std::max(pActMax, 1e-3) + pPasMax;
    const double k = std::max(r.width() - textos - izquierda, r.width() * 0.5) / escalaP;
    const double xEje = r.left() + izquierda + pPasMax * k;  // the wall's plane; passive left
    const double ky = r.height() / fondo;
    auto Y = [&](double z) { return r.top() + z * ky; };  // z: depth below the backfill top

    // Surcharge: a uniform band; backfill: the triangle beside it.
    const double q = d.presSobrecarga * k, g = d.presRellenoBase * k;
    if (q > 0) {
        l.Pluma(kSobrecarga, 8);
        l.Relleno(kSobrecarga, 3);
        QPolygonF banda;
        banda << QPointF(xEje, Y(0)) << QPointF(xEje + q, Y(0)) << QPointF(xEje + q, Y(H))
              << QPointF(xEje, Y(H));
        l.Poligono(banda);
    }
    l.Pluma(kEmpuje, 8);
    l.Relleno(kEmpuje, 4);
    QPolygonF tri;
    for (double z : nodos) tri << QPointF(xEje + q + relleno(z) * k, Y(z));
    tri << QPointF(xEje + q, Y(H));
    l.Poligono(tri);
    // The water and then the earthquake increment, each laid against what is inside it.
    const auto capa = [&](const std::function<double(double)>& dentro,
                          const std::function<double(double)>& propia, double desde,
                          const QColor& color, int trama) {
        QPolygonF p;
        for (double z : nodos)
            if (z >= desde) p << QPointF(xEje + q + (dentro(z) + propia(z)) * k, Y(z));
        for (auto it = nodos.rbegin(); it != nodos.rend(); ++it)
            if (*it >= desde) p << QPointF(xEje + q + dentro(*it) * k, Y(*it));
        l.Pluma(color, 8);
        l.Relleno(color, trama);
        l.Poligono(p);
    };
    if (agua) capa(relleno, aguaEn, zt, kAgua, 2);
    if (sismo)
        capa([&](double z) { return relleno(z) + aguaEn(z); }, sismoEn, 0.0, kSismo, 7);
    l.Pluma(Qt::black, 12);
    l.Linea(QPointF(xEje, Y(0) - l.Alto() * 0.5), QPointF(xEje, Y(fondo)));

    // Values at the top and the bottom.
    if (d.presSobrecarga > 0)
        // Left of the wall's plane at the top, where nothing else is, clear of the title.
        l.TextoLado(xEje - l.Alto() * 0.3, Y(0) + l.Alto() * 0.5, Num(d.presSobrecarga),
                    kSobrecarga, true);
    // The bottom values beside their corners, clear of the unit under the middle; with water
    // or an earthquake they go with the legend, once everything is drawn.
    if (!agua && !sismo)
        l.TextoLado(xEje + q + g + l.Alto() * 0.3, Y(H) - l.Alto() * 0.5,
                    Num(d.presSobrecarga + d.presRellenoBase), kEmpuje);

    // The thrust at its height above the underside of the footing.
    const double yE = Y(H - d.brazoEmp);
    const double largo = std::clamp((q + g) * 0.9 + r.width() * 0.1, r.width() * 0.05,
                                    std::max(r.right() - textos - xEje, r.width() * 0.05));
    l.Pluma(Qt::black, 18);
    l.Linea(QPointF(xEje + largo, yE), QPointF(xEje, yE));
    l.Linea(QPointF(xEje, yE), QPointF(xEje + largo * 0.2, yE - largo * 0.08));
    l.Linea(QPointF(xEje, yE), QPointF(xEje + largo * 0.2, yE + largo * 0.08));
    l.TextoLado(xEje + largo + l.Alto() * 0.3, yE - l.Alto() * 0.55, empuje, Qt::black);
    l.TextoLado(xEje + largo + l.Alto() * 0.3, yE + l.Alto() * 0.55, brazo, Qt::black);

    // Passive pressure over its height up from the bottom of the footing or the key.
    if (d.empPasivo > 0 && d.altPasiva > 0) {
        const double hp = d.altPasiva;
        const double zTop = fondo - hp;
        QPolygonF pas;
        pas << QPointF(xEje, Y(zTop)) << QPointF(xEje - d.presPasivaTope * k, Y(zTop))
            << QPointF(xEje - d.presPasivaBase * k, Y(fondo)) << QPointF(xEje, Y(fondo));
        l.Pluma(kPasivo, 8);
        l.Relleno(kPasivo, 5);
        l.Poligono(pas);
        l.TextoLado(xEje - l.Alto() * 0.3, Y(zTop) - l.Alto() * 0.7,
                    "Ep = " + Num(d.empPasivo) + " t/m", kPasivo, true);
        l.TextoLado(xEje - d.presPasivaBase * k - l.Alto() * 0.3, Y(fondo) - l.Alto() * 0.5,
                    Num(d.presPasivaBase), kPasivo, true);
    }
    l.Texto(r.center().x(), r.bottom() + l.Alto() * 0.4, "t/m2", Qt::black);
    if (!agua && !sismo) return;

    // Each layer's value at the bottom, in its colour, right of the outer corner, and the
    // increment's top value.
    Rotulos rot(l, panel.adjusted(l.Alto() * 0.2, l.Alto() * 0.2, -l.Alto() * 0.2, -l.Alto() * 0.2));
    const double gap = l.Alto() * 0.3;
    const double xFondo = xEje + q + (relleno(H) + aguaEn(H) + sismoEn(H)) * k;
    Lineas fondos{{Num(d.presSobrecarga + relleno(H)), kEmpuje}};
    if (agua) fondos.push_back({Num(d.presAguaBase), kAgua});
    if (sismo) fondos.push_back({Num(d.presSismoBase), kSismo});
    rot.Coloca(fondos, false, [&](double w, double hh) {
        return std::vector<QPointF>{{xFondo + gap, Y(H) - hh}, {xFondo + gap, Y(H) - hh * 1.5},
                                    {xFondo - w / 2, Y(H) + gap}, {xEje + gap, Y(H) - hh - gap}};
    });
    if (sismo) {
        const double xTope = xEje + q + sismoEn(0) * k;
        rot.Coloca(Num(d.presSismoTope), kSismo, false, [&](double w, double hh) {
            return std::vector<QPointF>{{xTope + gap, Y(0)}, {xTope + gap, Y(0) + hh},
                                        {xTope - w, Y(0) - hh - gap}, {xTope + gap, Y(0) + hh * 2},
                                        {xTope - w - gap, Y(0) + hh}};
        });
    }
}

// Soil pressure under the footing, hanging below it, with the admissible line and any excess
// in red. A footing that cannot take tension and whose resultant leaves the middle third bears
// under a triangle on the resultant's side only; one whose resultant leaves the base, not at
// all. Every text goes where it crosses nothing.
void Presiones(Lienzo& l, const Diagramas& d, const QRectF& r, const QRectF& panel) {
    using Tipo = ApoyoZapata::Tipo;
    const ApoyoZapata& apoyo = d.apoyo;
    const double B = std::max<double>(d.base, 1e-3);
    const double pPunta = std::max<double>(d.presPunta, 0), pTalon = std::max<double>(d.presTalon, 0);
    const double pMax = std::max({pPunta, pTalon, static_cast<double>(d.presAdm), 1e-3});
    const double kx = r.width() / B;
    const double h = l.Alto();
    const double y0 = r.top() + h * 1.5;
    const double ky = (r.bottom() - y0) / pMax;
    auto P = [&](double x, double p) { return QPointF(r.left() + x * kx, y0 + p * ky); };

    // The footing.
    l.Pluma(kConcreto, 12);
    l.Relleno(QColor(200, 200, 200), 0);
    QPolygonF zap;
    zap << QPointF(r.left(), y0 - h * 1.2) << QPointF(r.right(), y0 - h * 1.2)
        << QPointF(r.right(), y0) << QPointF(r.left(), y0);
    l.Poligono(zap);

    // Where the footing bears, and the pressure at either end of that stretch.
    const double L = std::clamp(apoyo.contacto, 0.0, B);
    double xa = 0, xb = B, pa = pPunta, pb = pTalon;
    if (apoyo.tipo == Tipo::Parcial) {
        if (apoyo.desdePunta) xb = L, pb = 0;
        else xa = B - L, pa = 0;
    }
    const bool apoya = apoyo.tipo != Tipo::SinApoyo && xb > xa;
    if (apoya) {
        l.Pluma(Qt::black, 10);
        l.Relleno(QColor(120, 160, 220), 4);
        QPolygonF tr;
        tr << P(xa, 0) << P(xa, pa) << P(xb, pb) << P(xb, 0);
        l.Poligono(tr);

        // The part above the admissible pressure, in red.
        const double a = d.presAdm;
        if (pa > a || pb > a) {
            QPolygonF ex;
            const double xc = std::fabs(pb - pa) > 0 ? xa + (a - pa) / (pb - pa) * (xb - xa) : xa;
            if (pa > a && pb > a) ex << P(xa, a) << P(xa, pa) << P(xb, pb) << P(xb, a);
            else if (pa > a) ex << P(xa, a) << P(xa, pa) << P(xc, a);
            else ex << P(xc, a) << P(xb, pb) << P(xb, a);
            l.Pluma(kExceso, 10);
            l.Relleno(kExceso, 0);
            l.Poligono(ex);
        }
    }
    const double a = d.presAdm;
    l.Pluma(kAdmisible, 14, 1);
    l.Linea(P(0, a), P(B, a));

    Rotulos rot(l, panel.adjusted(h * 0.2, h * 0.2, -h * 0.2, -h * 0.2));
    const double g = h * 0.3;  // the gap between a text and what it names
    // Edge names and the unit first: their places are fixed.
    rot.Coloca("Punta", Qt::black, false, [&](double w, double) {
        return std::vector<QPointF>{{r.left() - w / 2, y0 - h * 2.5}, {r.left(), y0 - h * 2.5}};
    });
    rot.Coloca("Talón", Qt::black, false, [&](double w, double) {
        return std::vector<QPointF>{{r.right() - w / 2, y0 - h * 2.5}, {r.right() - w, y0 - h * 2.5}};
    });
    rot.Coloca("kg/cm2", Qt::black, false, [&](double w, double) {
        return std::vector<QPointF>{{r.center().x() - w / 2, r.bottom() + h * 0.3}};
    });
    // The pressure at each edge the footing bears on, beside it, outside the diagram first.
    auto valor = [&](double x, double p, bool izquierda) {
        const QPointF q = P(x, p);
        const QColor c = p > a ? kExceso : Qt::black;
        rot.Coloca(Num(p), c, true, [&](double w, double hh) {
            const double fuera = izquierda ? q.x() - g - w : q.x() + g;
            const double dentro = izquierda ? q.x() + g : q.x() - g - w;
            return std::vector<QPointF>{{fuera, q.y() - hh / 2}, {fuera, q.y() - hh * 1.2},
                                        {fuera, q.y() + hh * 0.2}, {dentro, q.y() + g},
                                        {dentro, q.y() - hh - g}, {fuera, q.y() - hh * 2}};
        });
    };
    if (apoya) {
        if (xa == 0) valor(0, pPunta, true);
        if (xb == B) valor(B, pTalon, false);
    }
    // The admissible pressure at one end of its line, above or below it.
    rot.Coloca("adm. " + Num(a), kAdmisible, true, [&](double w, double hh) {
        const QPointF der = P(B, a), izq = P(0, a);
        return std::vector<QPointF>{{der.x() - w, der.y() - hh - g}, {der.x() - w, der.y() + g},
                                    {izq.x(), izq.y() - hh - g}, {izq.x(), izq.y() + g},
                                    {der.x() + g, der.y() - hh / 2}, {izq.x() - g - w, der.y() - hh / 2},
                                    {r.center().x() - w / 2, der.y() - hh - g}};
    });
    if (apoyo.tipo == Tipo::Completo) return;

    // What a lifted footing means, in the stretch that does not bear, else in a free corner.
    Lineas nota;
    if (apoyo.tipo == Tipo::Parcial) {
        nota = {{QStringLiteral("Resultante fuera del tercio medio"), kExceso},
                {"Contacto " + Num(L) + " m", Qt::black}};
    } else {
        nota = {{QStringLiteral("Resultante fuera de la base"), kExceso},
                {QStringLiteral("Sin presión de contacto"), Qt::black}};
    }
    const bool derecha = apoyo.tipo == Tipo::Parcial && apoyo.desdePunta;
    rot.Coloca(nota, false, [&](double w, double hh) {
        const double xLibre = apoyo.tipo != Tipo::Parcial ? r.center().x() - w / 2
                              : derecha ? P(xb, 0).x() + g
                                        : P(xa, 0).x() - g - w;
        const double xEsquina = derecha ? r.right() - w : r.left();
        return std::vector<QPointF>{{xLibre, y0 + g},
                                    {xEsquina, y0 + g},
                                    {xEsquina, r.bottom() - hh},
                                    {r.center().x() - w / 2, r.bottom() - hh},
                                    {r.center().x() - w / 2, y0 + g}};
    });
}

// A value along the stem, from its top (section 0) to its base (section 10), with a second
// line for a limit, its values at mid-height and at the base, and the steel beside it.
void AlLargoDelMuro(Lienzo& l, const Diagramas& d, const QRectF& r, float SeccionDiagrama::*valor,
                    float SeccionDiagrama::*limite, const QColor& color, const QString& unidad,
                    bool conAcero) {
    double vMax = 1e-6;
    for (const SeccionDiagrama& s : d.secciones) {
        vMax = std::max(vMax, static_cast<double>(s.*valor));
        if (limite) vMax = std::max(vMax, static_cast<double>(s.*limite));
    }
    const double H = std::max<double>(d.secciones[10].y, 1e-3);
    // Room on the right for the value at the base and, beside it, the steel column.
    l.doc.font.size = l.pt;
    const double anchoTextos =
        l.doc.textWidth("00.00") + l.Alto() + (conAcero ? l.doc.textWidth("As 00.00") + l.Alto() : 0);
    const double kx = (r.width() - anchoTextos) / vMax, ky = r.height() / H;
    const double x0 = r.left();
    auto P = [&](double v, double y) { return QPointF(x0 + v * kx, r.top() + y * ky); };

    // The stem axis.
    l.Pluma(kConcreto, 14);
    l.Linea(P(0, 0), P(0, H));
    QPolygonF area;
    area << P(0, 0);
    for (const SeccionDiagrama& s : d.secciones) area << P(s.*valor, s.y);
    area << P(0, H);
    l.Pluma(color, 12);
    l.Relleno(color, 4);
    l.Poligono(area);
    if (limite) {
        l.Pluma(kAdmisible, 14, 1);
        for (std::size_t i = 1; i < d.secciones.size(); ++i)
            l.Linea(P(d.secciones[i - 1].*limite, d.secciones[i - 1].y),
                    P(d.secciones[i].*limite, d.secciones[i].y));
        // Named at the stem top, where the value's own curve leaves it room.
        const SeccionDiagrama& t = d.secciones[0];
        l.TextoLado(P(t.*limite, 0).x() - l.Alto() * 0.3, P(t.*limite, 0).y() + l.Alto() * 0.7,
                    "adm. " + Num(t.*limite), kAdmisible, true);
    }
    // Values at mid-height and at the base; the steel of every section beside the curve.
    for (int i : {5, 10}) {
        const SeccionDiagrama& s = d.secciones[static_cast<std::size_t>(i)];
        const bool excede = limite && s.*valor > s.*limite * 1.00001f;
        l.TextoLado(P(s.*valor, s.y).x() + l.Alto() * 0.3, P(s.*valor, s.y).y() - l.Alto() * 0.6,
                    Num(s.*valor), excede ? kExceso : Qt::black);
    }
    if (conAcero) {
        for (std::size_t i = 0; i < d.secciones.size(); i += 2) {
            const SeccionDiagrama& s = d.secciones[i];
            l.TextoLado(r.right(), P(0, s.y).y(), "As " + Num(s.acero), QColor(90, 90, 90), true);
        }
    }
    l.Texto(r.center().x(), r.bottom() + l.Alto() * 0.4, unidad, Qt::black);
}

}  // namespace

void DibujaDiagramas(PageDocument& doc, const ProjectState& s, const Diagramas& d,
                     const QRectF& area) {
    if (!(area.width() > 0 && area.height() > 0)) return;
    Estilo guarda(doc);
    doc.font.family = QStringLiteral("Arial");
    // Texts follow the size of the area: 7 points on half a sheet, never below 5.
    Lienzo l{doc, std::clamp(std::min(area.width(), area.height()) / 1150.0, 5.0, 11.0)};

    const double hueco = area.width() * 0.015;
    const auto empujes = [&](const QRectF& r) {
        Empujes(l, d, Panel(l, r, "Empujes sobre el muro"), r);
    };
    const auto presiones = [&](const QRectF& r) {
        Presiones(l, d, Panel(l, r, "Presiones sobre el terreno"), r);
    };
    const auto cortante = [&](const QRectF& r) {
        AlLargoDelMuro(l, d, Panel(l, r, "Cortante en el muro"), &SeccionDiagrama::cortante,
                       &SeccionDiagrama::cortanteAdm, QColor(200, 120, 0), "t/m", false);
    };
    const auto momento = [&](const QRectF& r) {
        AlLargoDelMuro(l, d, Panel(l, r, "Momento en el muro"), &SeccionDiagrama::momento, nullptr,
                       QColor(150, 40, 150), "t·m/m      As: cm2/m", true);
    };

    if (area.height() > 1.2 * area.width()) {
        // Upright: the wall beside the earth pressures, then the soil pressure across the
        // page, then the shear and the moment side by side.
        const double w = area.width(), alto1 = area.height() * 0.4, alto2 = area.height() * 0.22;
        const double anchoMuro = w * 0.3;
        Contorno(l, s, Panel(l, QRectF(area.left(), area.top(), anchoMuro - hueco, alto1), "Muro"));
        empujes(QRectF(area.left() + anchoMuro, area.top(), w - anchoMuro, alto1));
        const double y2 = area.top() + alto1 + hueco;
        presiones(QRectF(area.left(), y2, w, alto2));
        const double y3 = y2 + alto2 + hueco, mitad = (w - hueco) / 2;
        cortante(QRectF(area.left(), y3, mitad, area.bottom() - y3));
        momento(QRectF(area.left() + mitad + hueco, y3, mitad, area.bottom() - y3));
        return;
    }
    const double anchoMuro = area.width() * 0.2;
    const QRectF muro(area.left(), area.top(), anchoMuro - hueco, area.height());
    Contorno(l, s, Panel(l, muro, "Muro"));

    const double x = area.left() + anchoMuro;
    const double w = (area.right() - x - hueco) / 2, h = (area.height() - hueco) / 2;
    empujes(QRectF(x, area.top(), w, h));
    presiones(QRectF(x + w + hueco, area.top(), w, h));
    cortante(QRectF(x, area.top() + h + hueco, w, h));
    momento(QRectF(x + w + hueco, area.top() + h + hueco, w, h));
}

}  // namespace tarelvo
