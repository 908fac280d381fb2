// The wall drawing: the cross-section of the wall at one drawing unit per metre, with the
// ground mark in front of the toe, the dimensions, the reinforcement and the bar callouts,
// written as DXF entities. Four procedures append their records in this order: GeomDxf
// (outline and ground mark), DimensDxf (dimensions), RefuerDxf (bars and dots), TextoDxf
// (callouts). They draw on a DestinoDibujo: the original writer (DibujaMuro) or the DXF for
// current CAD programs (cad_drawing.h), naming the layer of each group as they go.
#pragma once

#include <array>
#include <string>

#include <vector>

#include "engine/bar_schedule.h"
#include "export/dxf_writer.h"

namespace tarelvo {

// Everything the drawing reads, as plain values taken from the windows when the export runs.
struct EntradaDibujo {
    // The seven bar descriptions of the reinforcement form, in this order (UTF-8).
    enum Barra {
        InteriorVertical,    // Label17
        InteriorHorizontal,  // Label18
        ExteriorVertical,    // Label19
        ExteriorHorizontal,  // Label20
        ZapataSuperior,      // Label23
        ZapataInferior,      // Label24
        Longitudinal,        // Label25
    };

    // Lengths in metres as texts, each read by its numeric prefix. `ancho` and `centro` are
    // the stem's thickness at its top and at its foot; an inclined face leans by their
    // difference over the height.
    std::string altZap, punta, altura, ancho, centro, talon, dsz, altDent, anchDent;
    float Altura = 0;  // program-wide stem height: the rows of stem bars
    float Base = 0;    // program-wide footing width: the rows of transverse bars
    int TipoMuro = 0;  // 0 straight, 1 front face inclined, 2 back face inclined
    int ConDent = 0;   // non-zero: the wall has a shear key
    std::array<std::string, 7> barras;

    // What only the construction drawing of the DXF for current CAD programs shows: the
    // project's title, the materials of its notes, the backfill's slope and the bar schedule.
    std::string titulo;
    double fc = 210, fy = 4200;  // kg/cm2
    double recub = 7;            // cm, to the bars' axis
    double gammaC = 2.4;         // t/m3
    double beta = 0;             // degrees
    std::vector<FilaPlanilla> planilla;
    // The paper the drawing's scale is chosen for, metres: A4 upright within its margins,
    // unless the report's printable area is given so that both show the same drawing.
    double hojaAncho = 0.190, hojaAlto = 0.277;
};

// The drawing's float32 coordinates, shared by the four procedures.
struct VariablesDibujo {
    float OrigenX = 0, PuntaX0 = 0, OrigenY = 0, CotaZ = 0;
    float ZapataY1 = 0;                     // top of the footing, foot of the stem
    float MuroX1 = 0, MuroX2 = 0;           // front face at the foot and at the top
    float MuroY2 = 0;                       // top of the stem
    float MuroX3 = 0, MuroX4 = 0;           // back face at the top and at the foot
    float TalonX = 0, BaseXm = 0;           // end and middle of the footing
    float TransX = 0, TransY1 = 0, TransY2 = 0;  // last distribution dot; bottom and top rows
    float ExtX = 0, ExtY = 0, IntX = 0, IntY = 0;  // stem dots that carry a callout
};

// The origins: OrigenX, PuntaX0 and OrigenY at 2, CotaZ 0, ZapataY1 on the footing top.
VariablesDibujo IniciaVariables(const EntradaDibujo& e);

// Places the stem and the heel (MuroX1 ... BaseXm), then writes the outline and the ground mark.
void GeomDxf(DestinoDibujo& w, const EntradaDibujo& e, VariablesDibujo& v);
// Seven dimensions, nine with a shear key.
void DimensDxf(DestinoDibujo& w, const EntradaDibujo& e, const VariablesDibujo& v);
// The bars and their dots; records the dots the callouts point at (TransX ... IntY).
void RefuerDxf(DestinoDibujo& w, const EntradaDibujo& e, VariablesDibujo& v);
// Rings, leaders and the seven bar descriptions.
void TextoDxf(DestinoDibujo& w, const EntradaDibujo& e, const VariablesDibujo& v);

// The whole file: section header, the four procedures, section trailer.
DxfWriter DibujaMuro(const EntradaDibujo& e);

// Writes the whole file to `ruta`, replacing any file there. Empty on success, else a Spanish
// message naming the file and the cause.
std::string EscribeDibujo(const EntradaDibujo& e, const std::string& ruta);

}  // namespace tarelvo
