// The HEADER section: the version, code page and units, the drawing's extents, and the
// dimension settings that readers which build dimensions themselves take from here.
#include "export/cad_sections.h"

namespace tarelvo {

namespace {

void Variable(GruposDxf& g, const char* nombre) { g.texto(9, nombre); }

}  // namespace

void EscribeCabecera(GruposDxf& g, const PlanCad& p, unsigned semillaManijas) {
    const TamanosCad& t = p.t;
    g.texto(0, "SECTION");
    g.texto(2, "HEADER");
    Variable(g, "$ACADVER");
    g.texto(1, "AC1015");
    Variable(g, "$DWGCODEPAGE");
    g.texto(3, "ANSI_1252");
    Variable(g, "$HANDSEED");
    g.manija(5, semillaManijas);
    Variable(g, "$INSUNITS");
    g.entero(70, 6);  // metres
    Variable(g, "$MEASUREMENT");
    g.entero(70, 1);  // metric
    Variable(g, "$LUNITS");
    g.entero(70, 2);  // decimal
    Variable(g, "$LUPREC");
    g.entero(70, 2);
    Variable(g, "$INSBASE");
    g.punto(10, 0, 0);
    Variable(g, "$EXTMIN");
    g.punto(10, p.caja.x0, p.caja.y0);
    Variable(g, "$EXTMAX");
    g.punto(10, p.caja.x1, p.caja.y1);
    Variable(g, "$LIMMIN");
    g.real(10, p.caja.x0), g.real(20, p.caja.y0);
    Variable(g, "$LIMMAX");
    g.real(10, p.caja.x1), g.real(20, p.caja.y1);
    // The sheet, in the drawing's metres: readers that plot take its size from here.
    Variable(g, "$PLIMMIN");
    g.real(10, 0), g.real(20, 0);
    Variable(g, "$PLIMMAX");
    g.real(10, t.apaisada ? 0.297 : 0.21), g.real(20, t.apaisada ? 0.21 : 0.297);
    Variable(g, "$CLAYER");
    g.texto(8, "0");
    Variable(g, "$LTSCALE");
    g.real(40, 1);
    Variable(g, "$TEXTSTYLE");
    g.texto(7, kEstiloTexto);
    Variable(g, "$TEXTSIZE");
    g.real(40, t.texto);
    Variable(g, "$DIMSTYLE");
    g.texto(2, kEstiloCota);
    Variable(g, "$DIMTXSTY");
    g.texto(7, kEstiloTexto);
    Variable(g, "$DIMSCALE");
    g.real(40, 1);
    // Some readers take a missing length factor for 0 and measure every dimension as 0.00.
    Variable(g, "$DIMLFAC");
    g.real(40, 1);
    Variable(g, "$DIMTXT");
    g.real(40, t.texto);
    Variable(g, "$DIMASZ");
    g.real(40, t.flecha);
    Variable(g, "$DIMGAP");
    g.real(40, t.hueco);
    Variable(g, "$DIMEXO");
    g.real(40, t.separa);
    Variable(g, "$DIMEXE");
    g.real(40, t.prolonga);
    Variable(g, "$DIMTAD");
    g.entero(70, 2);  // text on the side of the line away from the points measured
    Variable(g, "$DIMTIH");
    g.entero(70, 0);  // text aligned with the dimension line
    Variable(g, "$DIMTOH");
    g.entero(70, 0);
    Variable(g, "$DIMTIX");
    g.entero(70, 1);  // text between the extension lines
    Variable(g, "$DIMTOFL");
    g.entero(70, 1);  // dimension line drawn between them even with the arrows outside
    Variable(g, "$DIMATFIT");
    g.entero(70, 3);
    Variable(g, "$DIMLUNIT");
    g.entero(70, 2);  // decimal
    Variable(g, "$DIMDEC");
    g.entero(70, 2);
    Variable(g, "$DIMZIN");
    g.entero(70, 0);  // "0.30": no zero dropped
    Variable(g, "$DIMDSEP");
    g.entero(70, '.');
    g.texto(0, "ENDSEC");
}

}  // namespace tarelvo
