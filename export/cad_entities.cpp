// The BLOCKS and ENTITIES sections: model and paper space, one anonymous block a dimension
// holding the graphics readers draw it with, and the drawing's entities on their layers.
#include <string>

#include "export/cad_dimension.h"
#include "export/cad_sections.h"
#include "export/dxf_writer.h"

namespace tarelvo {

namespace {

// Who an entity belongs to and the layer whose colour and line type it takes. The graphics in
// a dimension's block stand on the dimension's own layer: readers that draw the block without
// passing the dimension's colour on to it still show them in the colour of COTAS.
struct Dueno {
    unsigned registro;
    const char* capa;
};

void Comienza(GruposDxf& g, const char* tipo, const Dueno& d, const char* subclase) {
    g.texto(0, tipo);
    g.nueva();
    g.manija(330, d.registro);
    g.texto(100, "AcDbEntity");
    g.texto(8, d.capa);
    g.texto(100, subclase);
}

void Linea(GruposDxf& g, const Dueno& d, PuntoCad a, PuntoCad b) {
    Comienza(g, "LINE", d, "AcDbLine");
    g.punto(10, a.x, a.y);
    g.punto(11, b.x, b.y);
}

// TEXT of the file's height and style. `alineacion` 0 starts at `p`; 1 (centred) and 2 (right)
// have `p` as their alignment point.
void Texto(GruposDxf& g, const Dueno& d, PuntoCad p, double altura, double angulo, int alineacion,
           const std::string& utf8) {
    Comienza(g, "TEXT", d, "AcDbText");
    g.punto(10, p.x, p.y);
    g.real(40, altura);
    g.texto(1, utf8);
    if (angulo != 0) g.real(50, angulo);
    g.texto(7, kEstiloTexto);
    if (alineacion != 0) {
        g.entero(72, alineacion);
        g.punto(11, p.x, p.y);
    }
    g.texto(100, "AcDbText");
}

void Flecha(GruposDxf& g, const Dueno& d, const std::vector<PuntoCad>& f) {
    Comienza(g, "SOLID", d, "AcDbTrace");
    g.punto(10, f[0].x, f[0].y);
    g.punto(11, f[1].x, f[1].y);
    g.punto(12, f[2].x, f[2].y);
    g.punto(13, f[2].x, f[2].y);  // a triangle repeats its last corner
}

// A bar in section: a closed polyline of two half circles as wide as the dot.
void PuntoBarra(GruposDxf& g, const Dueno& d, const ModeloCad::Punto& p) {
    Comienza(g, "LWPOLYLINE", d, "AcDbPolyline");
    g.entero(90, 2);
    g.entero(70, 1);
    g.real(43, DxfWriter::kDotWidth);
    for (const double x : {p.x - DxfWriter::kDotHalfSpan, p.x + DxfWriter::kDotHalfSpan}) {
        g.real(10, x), g.real(20, p.y);
        g.real(42, p.bulge);
    }
}

void Bloque(GruposDxf& g, unsigned registro, const std::string& nombre, int banderas, bool papel) {
    g.texto(0, "BLOCK");
    g.nueva();
    g.manija(330, registro);
    g.texto(100, "AcDbEntity");
    if (papel) g.entero(67, 1);
    g.texto(8, "0");
    g.texto(100, "AcDbBlockBegin");
    g.texto(2, nombre);
    g.entero(70, banderas);
    g.punto(10, 0, 0);
    g.texto(3, nombre);
    g.texto(1, "");
}

void FinBloque(GruposDxf& g, unsigned registro, bool papel) {
    g.texto(0, "ENDBLK");
    g.nueva();
    g.manija(330, registro);
    g.texto(100, "AcDbEntity");
    if (papel) g.entero(67, 1);
    g.texto(8, "0");
    g.texto(100, "AcDbBlockEnd");
}

GraficoCota Grafico(const ModeloCad::Cota& k, const TamanosCad& t) {
    return GraficoDeCota(k.eje, {k.xd, k.yd}, {k.x1, k.y1}, {k.x2, k.y2}, t);
}

std::string NombreBloqueCota(std::size_t i) { return "*D" + std::to_string(i + 1); }

}  // namespace

void EscribeBloques(GruposDxf& g, const PlanCad& p, const ModeloCad& m) {
    g.texto(0, "SECTION");
    g.texto(2, "BLOCKS");
    Bloque(g, p.registroModelo, "*Model_Space", 0, false);
    FinBloque(g, p.registroModelo, false);
    Bloque(g, p.registroPapel, "*Paper_Space", 0, true);
    FinBloque(g, p.registroPapel, true);
    const auto& cotas = m.cotas();
    for (std::size_t i = 0; i < cotas.size(); ++i) {
        const unsigned registro = p.registrosCotas[i];
        const Dueno d{registro, NombreCapa(cotas[i].capa)};
        const GraficoCota k = Grafico(cotas[i], p.t);
        Bloque(g, registro, NombreBloqueCota(i), 1, false);  // anonymous
        for (const auto& tramo : k.lineas) Linea(g, d, tramo.a, tramo.b);
        for (const auto& f : k.flechas) Flecha(g, d, f);
        Texto(g, d, k.baseTexto, p.t.texto, k.angulo, 1, k.texto);
        FinBloque(g, registro, false);
    }
    g.texto(0, "ENDSEC");
}

void EscribeEntidades(GruposDxf& g, const PlanCad& p, const ModeloCad& m) {
    g.texto(0, "SECTION");
    g.texto(2, "ENTITIES");
    const auto en = [&p](Capa c) { return Dueno{p.registroModelo, NombreCapa(c)}; };
    for (const auto& l : m.lineas()) Linea(g, en(l.capa), {l.x1, l.y1}, {l.x2, l.y2});
    for (const auto& a : m.anillos()) {
        Comienza(g, "CIRCLE", en(a.capa), "AcDbCircle");
        g.punto(10, a.x, a.y);
        g.real(40, DxfWriter::kRingRadius);
    }
    for (const auto& x : m.puntos()) PuntoBarra(g, en(x.capa), x);
    for (const auto& x : m.textos()) Texto(g, en(x.capa), {x.x, x.y}, x.alto > 0 ? x.alto : p.t.texto, x.angulo, x.derecha ? 2 : 0, x.utf8);

    const auto& cotas = m.cotas();
    for (std::size_t i = 0; i < cotas.size(); ++i) {
        const ModeloCad::Cota& c = cotas[i];
        const GraficoCota k = Grafico(c, p.t);
        Comienza(g, "DIMENSION", en(c.capa), "AcDbDimension");
        g.texto(2, NombreBloqueCota(i));
        g.punto(10, k.definicion.x, k.definicion.y);
        g.punto(11, k.medioTexto.x, k.medioTexto.y);
        // Rotated; the block belongs to this dimension alone; the text stands where the block
        // has it, for readers that rebuild the dimension and would otherwise choose a side.
        g.entero(70, 0 | 32 | 128);
        g.entero(71, 5);   // the text's middle at its point
        g.real(42, k.medida);
        g.texto(3, kEstiloCota);
        g.texto(100, "AcDbAlignedDimension");
        g.punto(13, c.x1, c.y1);
        g.punto(14, c.x2, c.y2);
        g.real(50, k.angulo);
        g.texto(100, "AcDbRotatedDimension");
    }
    g.texto(0, "ENDSEC");
}

}  // namespace tarelvo
