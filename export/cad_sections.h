// The parts of the DXF for current CAD programs and what they share: the handles of the
// tables, records and objects that refer to one another, given out before anything is
// written, and the layers.
#pragma once

#include <array>
#include <vector>

#include "export/cad_groups.h"
#include "export/cad_model.h"

namespace tarelvo {

// Layer "0" and the seven layers of the drawing, in the order of Capa.
struct CapaCad {
    const char* nombre;
    int color;   // AutoCAD colour index
    int grosor;  // line weight in hundredths of a millimetre
};
constexpr int kCapas = 8;
extern const std::array<CapaCad, kCapas> kCapasCad;
const char* NombreCapa(Capa c);

// The dimension style of the file and of every dimension.
constexpr const char* kEstiloCota = "Standard";
constexpr const char* kEstiloTexto = "Standard";

struct PlanCad {
    TamanosCad t;
    ModeloCad::Caja caja;
    unsigned tablaVport, vport, tablaLtype, ltPorBloque, ltPorCapa, ltContinua, tablaLayer, tablaStyle, estilo,
        tablaView, tablaUcs, tablaAppid, appid, tablaDimstyle, dimstyle, tablaBlockRecord, registroModelo,
        registroPapel, raiz, diccionarioGrupos, diccionarioPresentaciones, presentacionModelo,
        presentacionPapel;
    std::array<unsigned, kCapas> capas;
    std::vector<unsigned> registrosCotas;  // one block record a dimension
    unsigned siguiente;                    // the first handle left for blocks and entities
};

PlanCad Planifica(const ModeloCad& m);

void EscribeCabecera(GruposDxf& g, const PlanCad& p, unsigned semillaManijas);
void EscribeTablas(GruposDxf& g, const PlanCad& p);
void EscribeBloques(GruposDxf& g, const PlanCad& p, const ModeloCad& m);
void EscribeEntidades(GruposDxf& g, const PlanCad& p, const ModeloCad& m);
void EscribeObjetos(GruposDxf& g, const PlanCad& p);

}  // namespace tarelvo
