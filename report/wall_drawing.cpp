#include "report/wall_drawing.h"

#include <algorithm>

#include <QColor>

#include "drawing/wall_sheet.h"
#include "report/text_metrics.h"

namespace tarelvo {

namespace {

QColor Color(CapaLamina c) {
    switch (c) {
        case CapaLamina::Concreto: return QColor(0, 0, 0);
        case CapaLamina::Terreno: return QColor(110, 110, 110);
        case CapaLamina::Cotas: return QColor(0, 0, 160);
        case CapaLamina::Acero: return QColor(200, 0, 0);
        case CapaLamina::Textos: return QColor(60, 60, 60);  // the marks' leaders
        default: return QColor(0, 0, 0);
    }
}

double Grosor(CapaLamina c) {
    switch (c) {
        case CapaLamina::Concreto: return 14;
        case CapaLamina::Acero: return 18;
        default: return 5;
    }
}

}  // namespace

Lamina DrawMuro(PageDocument& vp, const ProjectState& e,
                const std::array<std::string, GruposBarras::kGrupos>& barras) {
    DatosLamina d = DatosDeProyecto(e, barras);
    const double izq = vp.flowLeft(), der = vp.flowRight(), arr = vp.flowTop(), aba = vp.flowBottom();
    d.hojaAncho = (der - izq) / kTwipsPorMetro;
    d.hojaAlto = (aba - arr) / kTwipsPorMetro;
    const Lamina l = DibujaLamina(d);
    if (l.trazos.empty() || !(d.hojaAncho > 0) || !(d.hojaAlto > 0)) return l;

    // Metres of wall to twips, y downward, the drawing centred in the printable area.
    const double s = kTwipsPorMetro / l.escala;
    const double ox = (izq + der) / 2 - (l.marco.x0 + l.marco.x1) / 2 * s;
    const double oy = (arr + aba) / 2 + (l.marco.y0 + l.marco.y1) / 2 * s;
    auto X = [&](double x) { return ox + x * s; };
    auto Y = [&](double y) { return oy - y * s; };

    const PagePen pluma = vp.pen;
    const PageBrush brocha = vp.brush;
    const PageFont letra = vp.font;
    const QColor color = vp.textColor;
    const int angulo = vp.textAngle;
    vp.brush.style = 1;
    for (const TrazoLamina& t : l.trazos) {
        if (t.capa == CapaLamina::Planilla) continue;
        vp.pen.color = Color(t.capa);
        vp.pen.width = Grosor(t.capa);
        vp.line(X(t.x1), Y(t.y1), X(t.x2), Y(t.y2));
    }
    vp.pen.width = 0;
    vp.brush.style = 0;
    for (const PuntoLamina& p : l.puntos) {
        vp.pen.color = vp.brush.color = Color(p.capa);
        vp.circle(X(p.x), Y(p.y), p.radio * s);
    }

    // Each text in the report's text style, its size such that its line is as tall as its box,
    // narrowed when a text would run past the width the placement gave it.
    for (const TextoLamina& t : l.textos) {
        if (t.capa == CapaLamina::Planilla) continue;
        const QString texto = QString::fromStdString(t.texto);
        PageFont f = letra;
        f.size = 10;
        f.size *= t.alto * s / LineHeight(f);
        const double ancho = TextWidth(f, texto);
        if (ancho > t.ancho * s) f.size *= t.ancho * s / ancho * 0.98;
        vp.font = f;
        vp.textColor = t.capa == CapaLamina::Cotas ? Color(CapaLamina::Cotas) : color;
        if (t.vertical) {
            vp.textAngle = 900;
            vp.textAt(X(t.x), Y(t.y), texto);
        } else {
            vp.textAngle = 0;
            vp.textAt(X(t.x), Y(t.y + t.alto), texto);
        }
    }
    vp.pen = pluma;
    vp.brush = brocha;
    vp.font = letra;
    vp.textColor = color;
    vp.textAngle = angulo;
    return l;
}

}  // namespace tarelvo
