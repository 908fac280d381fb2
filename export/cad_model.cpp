#include "export/cad_model.h"

#include <algorithm>
#include <cmath>

#include "export/cad_dimension.h"
#include "export/dxf_writer.h"

namespace tarelvo {

void ModeloCad::comprueba(std::initializer_list<double> valores, const char* entidad) {
    for (const double v : valores) {
        if (!std::isfinite(v) && error_.empty()) {
            error_ = std::string("el dibujo tiene un valor numérico no válido en una entidad ") + entidad;
        }
    }
}

void ModeloCad::line(Num x1, Num y1, Num x2, Num y2) {
    comprueba({x1.v, y1.v, x2.v, y2.v}, "LINE");
    lineas_.push_back({capa_, x1.v, y1.v, x2.v, y2.v});
}

void ModeloCad::circle(Num x, Num y) {
    comprueba({x.v, y.v}, "CIRCLE");
    anillos_.push_back({capa_, x.v, y.v});
}

void ModeloCad::text(Num x, Num y, std::string_view utf8) {
    comprueba({x.v, y.v}, "TEXT");
    textos_.push_back({capa_, x.v, y.v, false, std::string(utf8)});
}

// The start the original writer gives is for its own text height; this drawing's texts are
// taller, so only the end is kept and readers place the start themselves.
void ModeloCad::textRight(Num x, Num y, Num x2, Num y2, std::string_view utf8) {
    comprueba({x.v, y.v, x2.v, y2.v}, "TEXT");
    textos_.push_back({capa_, x2.v, y2.v, true, std::string(utf8)});
}

void ModeloCad::textoPropio(double x, double y, double alto, double angulo, std::string_view utf8) {
    comprueba({x, y, alto, angulo}, "TEXT");
    textos_.push_back({capa_, x, y, false, std::string(utf8), alto, angulo});
}

void ModeloCad::barDot(double xc, Num yc, Num bulge) {
    comprueba({xc, yc.v, bulge.v}, "POLYLINE");
    puntos_.push_back({capa_, xc, yc.v, bulge.v});
}

void ModeloCad::dimension(DimAxis axis, Num xd, Num yd, Num x1, Num y1, Num x2, Num y2) {
    comprueba({xd.v, yd.v, x1.v, y1.v, x2.v, y2.v}, "DIMENSION");
    cotas_.push_back({capa_, axis, xd.v, yd.v, x1.v, y1.v, x2.v, y2.v});
}

ModeloCad::Caja ModeloCad::extension(const TamanosCad& t) const {
    Caja c{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    const auto suma = [&c](double x, double y) {
        c.x0 = std::min(c.x0, x), c.y0 = std::min(c.y0, y);
        c.x1 = std::max(c.x1, x), c.y1 = std::max(c.y1, y);
    };
    for (const Linea& l : lineas_) suma(l.x1, l.y1), suma(l.x2, l.y2);
    const double r = DxfWriter::kRingRadius;
    for (const Anillo& a : anillos_) suma(a.x - r, a.y - r), suma(a.x + r, a.y + r);
    const double rp = DxfWriter::kDotHalfSpan + DxfWriter::kDotWidth / 2;
    for (const Punto& p : puntos_) suma(p.x - rp, p.y - rp), suma(p.x + rp, p.y + rp);
    for (const Texto& x : textos_) {
        const double alto = x.alto > 0 ? x.alto : t.texto;
        const double ancho = AnchoTexto(static_cast<double>(toWindows1252(x.utf8).size()), alto);
        if (x.angulo == 90) {
            suma(x.x - alto, x.y), suma(x.x, x.y + ancho);
            continue;
        }
        suma(x.derecha ? x.x - ancho : x.x, x.y);
        suma(x.derecha ? x.x : x.x + ancho, x.y + alto);
    }
    for (const Cota& k : cotas_) {
        const GraficoCota g = GraficoDeCota(k.eje, {k.xd, k.yd}, {k.x1, k.y1}, {k.x2, k.y2}, t);
        for (const auto& tramo : g.lineas) suma(tramo.a.x, tramo.a.y), suma(tramo.b.x, tramo.b.y);
        for (const auto& f : g.flechas) {
            for (const PuntoCad& p : f) suma(p.x, p.y);
        }
        // The text box, turned with the dimension.
        const double medio = AnchoTexto(static_cast<double>(g.texto.size()), t.texto) / 2;
        if (k.eje == DimAxis::Vertical) {
            suma(g.baseTexto.x - t.texto, g.baseTexto.y - medio), suma(g.baseTexto.x, g.baseTexto.y + medio);
        } else {
            suma(g.baseTexto.x - medio, g.baseTexto.y), suma(g.baseTexto.x + medio, g.baseTexto.y + t.texto);
        }
    }
    if (c.x0 > c.x1) c = {0, 0, 0, 0};  // nothing drawn
    return c;
}

TamanosCad ModeloCad::tamanos() const {
    TamanosCad t;  // no text yet: the extents of the lines, rings, dots and dimension points
    for (int paso = 0; paso < 4; ++paso) {
        const Caja c = extension(t);
        const TamanosCad nuevos = TamanosParaDibujo(c.x1 - c.x0, c.y1 - c.y0);
        const bool igual = paso > 0 && nuevos.texto == t.texto;
        t = nuevos;
        if (igual) break;
    }
    if (textoFijo_ > 0) TamanosDeTexto(t, textoFijo_);
    return t;
}

}  // namespace tarelvo
