// The whole DXF for current CAD programs: the handles planned, the sections written, and the
// OBJECTS section with the dictionaries an AutoCAD 2000 file keeps its groups and layouts in.
#include "export/cad_file.h"

#include "export/cad_sections.h"

namespace tarelvo {

PlanCad Planifica(const ModeloCad& m) {
    PlanCad p;
    p.t = m.tamanos();
    p.caja = m.extension(p.t);
    unsigned h = 1;
    for (unsigned* u : {&p.tablaVport, &p.vport, &p.tablaLtype, &p.ltPorBloque, &p.ltPorCapa, &p.ltContinua,
                        &p.tablaLayer, &p.tablaStyle, &p.estilo, &p.tablaView, &p.tablaUcs, &p.tablaAppid, &p.appid,
                        &p.tablaDimstyle, &p.dimstyle, &p.tablaBlockRecord, &p.registroModelo, &p.registroPapel,
                        &p.raiz, &p.diccionarioGrupos, &p.diccionarioPresentaciones, &p.presentacionModelo,
                        &p.presentacionPapel}) {
        *u = h++;
    }
    for (unsigned& c : p.capas) c = h++;
    p.registrosCotas.resize(m.cotas().size());
    for (unsigned& r : p.registrosCotas) r = h++;
    p.siguiente = h;
    return p;
}

namespace {

void Diccionario(GruposDxf& g, unsigned manija, unsigned dueno,
                 std::initializer_list<std::pair<const char*, unsigned>> entradas) {
    g.texto(0, "DICTIONARY");
    g.manija(5, manija);
    g.manija(330, dueno);
    g.texto(100, "AcDbDictionary");
    g.entero(281, 1);
    for (const auto& [nombre, objeto] : entradas) {
        g.texto(3, nombre);
        g.manija(350, objeto);
    }
}

// A layout with the plot settings of an A4 sheet; `registro` is its block record.
void Presentacion(GruposDxf& g, const PlanCad& p, unsigned manija, const char* nombre, int orden,
                  unsigned registro) {
    g.texto(0, "LAYOUT");
    g.manija(5, manija);
    g.manija(330, p.diccionarioPresentaciones);
    g.texto(100, "AcDbPlotSettings");
    g.texto(1, "");
    g.texto(2, "none_device");
    g.texto(4, "ISO_A4_(297.00_x_210.00_MM)");
    g.texto(6, "");
    for (int c = 40; c <= 43; ++c) g.real(c, 10);  // margins, mm
    g.real(44, 297), g.real(45, 210);
    for (int c = 46; c <= 49; ++c) g.real(c, 0);
    g.real(140, 0), g.real(141, 0);
    g.real(142, 1), g.real(143, 1);
    g.entero(70, 688);
    g.entero(72, 1);  // millimetres
    g.entero(73, 1);  // landscape
    g.entero(74, 5);
    g.texto(7, "");
    g.entero(75, 0);  // scaled to fit
    g.real(147, 1);
    g.real(148, 0), g.real(149, 0);
    g.texto(100, "AcDbLayout");
    g.texto(1, nombre);
    g.entero(70, 1);
    g.entero(71, orden);
    g.real(10, 0), g.real(20, 0);
    g.real(11, 297), g.real(21, 210);
    g.punto(12, 0, 0);
    g.punto(14, p.caja.x0, p.caja.y0);
    g.punto(15, p.caja.x1, p.caja.y1);
    g.real(146, 0);
    g.punto(13, 0, 0);
    g.punto(16, 1, 0);
    g.punto(17, 0, 1);
    g.entero(76, 0);
    g.manija(330, registro);
}

}  // namespace

void EscribeObjetos(GruposDxf& g, const PlanCad& p) {
    g.texto(0, "SECTION");
    g.texto(2, "OBJECTS");
    Diccionario(g, p.raiz, 0, {{"ACAD_GROUP", p.diccionarioGrupos}, {"ACAD_LAYOUT", p.diccionarioPresentaciones}});
    Diccionario(g, p.diccionarioGrupos, p.raiz, {});
    Diccionario(g, p.diccionarioPresentaciones, p.raiz,
                {{"Layout1", p.presentacionPapel}, {"Model", p.presentacionModelo}});
    Presentacion(g, p, p.presentacionModelo, "Model", 0, p.registroModelo);
    Presentacion(g, p, p.presentacionPapel, "Layout1", 1, p.registroPapel);
    g.texto(0, "ENDSEC");
}

std::string ArchivoCad(const ModeloCad& m, std::string* error) {
    if (!m.valid()) {
        if (error) *error = m.error();
        return {};
    }
    const PlanCad p = Planifica(m);
    // The header names the next free handle, known once everything else is written.
    GruposDxf cuerpo(p.siguiente);
    EscribeTablas(cuerpo, p);
    EscribeBloques(cuerpo, p, m);
    EscribeEntidades(cuerpo, p, m);
    EscribeObjetos(cuerpo, p);
    cuerpo.texto(0, "EOF");
    GruposDxf cabecera;
    EscribeCabecera(cabecera, p, cuerpo.siguiente());
    if (!cuerpo.valido() || !cabecera.valido()) {
        if (error) *error = "el dibujo tiene un valor numérico no válido";
        return {};
    }
    if (error) error->clear();
    return cabecera.bytes() + cuerpo.bytes();
}

}  // namespace tarelvo
