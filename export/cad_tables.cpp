// The TABLES section: the active view on the whole drawing, line types, the layers, the text
// style, the dimension style, the application "ACAD" and a block record for model space,
// paper space and every dimension's block.
#include "export/cad_sections.h"

#include <algorithm>
#include <string>

namespace tarelvo {

const std::array<CapaCad, kCapas> kCapasCad = {{
    {"0", 7, -3},
    {"CONCRETO", 7, 35},  // white on a dark screen, black on paper
    {"TERRENO", 8, 25},   // grey
    {"COTAS", 5, 18},     // blue
    {"ACERO", 1, 50},     // red, the heaviest line: the bars are what the drawing is for
    {"TEXTOS", 6, 18},    // magenta
    {"ROTULO", 3, 25},    // green: the title block, kept apart to be replaced by the office's own
    {"PLANILLA", 4, 18},  // cyan: the bar schedule
}};

const char* NombreCapa(Capa c) { return kCapasCad[static_cast<std::size_t>(c) + 1].nombre; }

namespace {

void Tabla(GruposDxf& g, const char* nombre, unsigned manija, std::size_t registros) {
    g.texto(0, "TABLE");
    g.texto(2, nombre);
    g.manija(5, manija);
    g.manija(330, 0);
    g.texto(100, "AcDbSymbolTable");
    g.entero(70, static_cast<long>(registros));
}

void Registro(GruposDxf& g, const char* tipo, unsigned manija, unsigned tabla, const char* subclase,
              int codigoManija = 5) {
    g.texto(0, tipo);
    g.manija(codigoManija, manija);
    g.manija(330, tabla);
    g.texto(100, "AcDbSymbolTableRecord");
    g.texto(100, subclase);
}

void FinTabla(GruposDxf& g) { g.texto(0, "ENDTAB"); }

void Vistas(GruposDxf& g, const PlanCad& p) {
    Tabla(g, "VPORT", p.tablaVport, 1);
    Registro(g, "VPORT", p.vport, p.tablaVport, "AcDbViewportTableRecord");
    g.texto(2, "*ACTIVE");
    g.entero(70, 0);
    g.real(10, 0), g.real(20, 0);
    g.real(11, 1), g.real(21, 1);
    // The whole drawing with a tenth to spare, on a screen a third wider than tall.
    const double ancho = p.caja.x1 - p.caja.x0, alto = p.caja.y1 - p.caja.y0;
    g.real(12, (p.caja.x0 + p.caja.x1) / 2), g.real(22, (p.caja.y0 + p.caja.y1) / 2);
    g.real(13, 0), g.real(23, 0);
    g.real(14, 0.1), g.real(24, 0.1);
    g.real(15, 0.1), g.real(25, 0.1);
    g.punto(16, 0, 0, 1);
    g.punto(17, 0, 0, 0);
    g.real(40, std::max({alto, ancho * 0.75, 1.0}) * 1.1);
    g.real(41, 4.0 / 3.0);
    g.real(42, 50);
    g.real(43, 0), g.real(44, 0);
    g.real(50, 0), g.real(51, 0);
    g.entero(71, 0);
    g.entero(72, 1000);
    g.entero(73, 1);
    g.entero(74, 3);
    g.entero(75, 0);
    g.entero(76, 0);
    g.entero(77, 0);
    g.entero(78, 0);
    FinTabla(g);
}

void TiposDeLinea(GruposDxf& g, const PlanCad& p) {
    Tabla(g, "LTYPE", p.tablaLtype, 3);
    const std::pair<unsigned, const char*> tipos[] = {
        {p.ltPorBloque, "ByBlock"}, {p.ltPorCapa, "ByLayer"}, {p.ltContinua, "Continuous"}};
    for (const auto& [manija, nombre] : tipos) {
        Registro(g, "LTYPE", manija, p.tablaLtype, "AcDbLinetypeTableRecord");
        g.texto(2, nombre);
        g.entero(70, 0);
        g.texto(3, manija == p.ltContinua ? "Solid line" : "");
        g.entero(72, 65);
        g.entero(73, 0);
        g.real(40, 0);
    }
    FinTabla(g);
}

void Capas(GruposDxf& g, const PlanCad& p) {
    Tabla(g, "LAYER", p.tablaLayer, kCapas);
    for (std::size_t i = 0; i < kCapas; ++i) {
        Registro(g, "LAYER", p.capas[i], p.tablaLayer, "AcDbLayerTableRecord");
        g.texto(2, kCapasCad[i].nombre);
        g.entero(70, 0);
        g.entero(62, kCapasCad[i].color);
        g.texto(6, "Continuous");
        g.entero(370, kCapasCad[i].grosor);
    }
    FinTabla(g);
}

void Estilos(GruposDxf& g, const PlanCad& p) {
    Tabla(g, "STYLE", p.tablaStyle, 1);
    Registro(g, "STYLE", p.estilo, p.tablaStyle, "AcDbTextStyleTableRecord");
    g.texto(2, kEstiloTexto);
    g.entero(70, 0);
    g.real(40, 0);  // each text carries its own height
    g.real(41, 1);
    g.real(50, 0);
    g.entero(71, 0);
    g.real(42, p.t.texto);
    g.texto(3, "arial.ttf");
    g.texto(4, "");
    FinTabla(g);
}

void Vacia(GruposDxf& g, const char* nombre, unsigned manija) {
    Tabla(g, nombre, manija, 0);
    FinTabla(g);
}

void Aplicaciones(GruposDxf& g, const PlanCad& p) {
    Tabla(g, "APPID", p.tablaAppid, 1);
    Registro(g, "APPID", p.appid, p.tablaAppid, "AcDbRegAppTableRecord");
    g.texto(2, "ACAD");
    g.entero(70, 0);
    FinTabla(g);
}

// The same settings as the header's, for readers that take them from the dimension's style.
void EstilosDeCota(GruposDxf& g, const PlanCad& p) {
    const TamanosCad& t = p.t;
    Tabla(g, "DIMSTYLE", p.tablaDimstyle, 1);
    g.texto(100, "AcDbDimStyleTable");
    Registro(g, "DIMSTYLE", p.dimstyle, p.tablaDimstyle, "AcDbDimStyleTableRecord", 105);
    g.texto(2, kEstiloCota);
    g.entero(70, 0);
    g.real(40, 1);           // DIMSCALE
    g.real(41, t.flecha);    // DIMASZ
    g.real(42, t.separa);    // DIMEXO
    g.real(44, t.prolonga);  // DIMEXE
    g.entero(73, 0);         // DIMTIH
    g.entero(74, 0);         // DIMTOH
    g.entero(77, 2);         // DIMTAD
    g.entero(78, 0);         // DIMZIN
    g.real(140, t.texto);    // DIMTXT
    g.real(144, 1);          // DIMLFAC
    g.real(147, t.hueco);    // DIMGAP
    g.entero(172, 1);        // DIMTOFL
    g.entero(174, 1);        // DIMTIX
    g.entero(271, 2);        // DIMDEC
    g.entero(277, 2);        // DIMLUNIT
    g.entero(278, '.');      // DIMDSEP
    g.entero(289, 3);        // DIMATFIT
    g.manija(340, p.estilo);  // DIMTXSTY
    FinTabla(g);
}

void RegistrosDeBloque(GruposDxf& g, const PlanCad& p) {
    Tabla(g, "BLOCK_RECORD", p.tablaBlockRecord, 2 + p.registrosCotas.size());
    const auto registro = [&](unsigned manija, const std::string& nombre, unsigned presentacion) {
        Registro(g, "BLOCK_RECORD", manija, p.tablaBlockRecord, "AcDbBlockTableRecord");
        g.texto(2, nombre);
        if (presentacion != 0) g.manija(340, presentacion);
    };
    registro(p.registroModelo, "*Model_Space", p.presentacionModelo);
    registro(p.registroPapel, "*Paper_Space", p.presentacionPapel);
    for (std::size_t i = 0; i < p.registrosCotas.size(); ++i) {
        registro(p.registrosCotas[i], "*D" + std::to_string(i + 1), 0);
    }
    FinTabla(g);
}

}  // namespace

void EscribeTablas(GruposDxf& g, const PlanCad& p) {
    g.texto(0, "SECTION");
    g.texto(2, "TABLES");
    Vistas(g, p);
    TiposDeLinea(g, p);
    Capas(g, p);
    Estilos(g, p);
    Vacia(g, "VIEW", p.tablaView);
    Vacia(g, "UCS", p.tablaUcs);
    Aplicaciones(g, p);
    EstilosDeCota(g, p);
    RegistrosDeBloque(g, p);
    g.texto(0, "ENDSEC");
}

}  // namespace tarelvo
