// The seven bar groups of the reinforcement: for each, the bar chosen from the bar table, the
// required area it must deliver, the spacing box that caps its spacing and the resulting bar
// description ("ø 1/2\" a 0.25"), its spacing cut down to the centimetre so that the bars give
// at least the required area. The drawing export, the report and the command-line tool
// read the seven descriptions from here; the reinforcement form shows and edits them.
#pragma once

#include <array>
#include <string>

#include "engine/project_state.h"

namespace tarelvo {

struct Barra {
    const char* texto;  // UTF-8: "ø 1\"", "ø 3/4\"", "ø 1/2\"", "ø 3/8\""
    double area;        // cm2
};
extern const std::array<Barra, 4> kBarras;
// The area used for a list position that is no bar of the table (none chosen, a typed text).
constexpr double kAreaOtra = 0.71;

class GruposBarras {
public:
    // Groups, in the order of their lists Combo1 ... Combo7.
    enum Grupo {
        MuroInteriorVertical,    // Combo1, Label17
        MuroInteriorHorizontal,  // Combo2, Label18
        MuroExteriorVertical,    // Combo3, Label19
        MuroExteriorHorizontal,  // Combo4, Label20
        ZapataSuperior,          // Combo5, Label23
        ZapataInferior,          // Combo6, Label24
        ZapataTransversal,       // Combo7, Label25
    };
    static constexpr int kGrupos = 7;

    // The group's name, the same in the form, the report, the drawings and the warnings.
    static const char* Nombre(int grupo);

    // The spacing box (0 Separ1, 1 Separ2, 2 Separ3) that serves a group.
    static int Caja(int grupo);

    bool cargado() const { return cargado_; }
    // First use: every list gets the bar table and its starting bar; every label is computed.
    void Carga(ProjectState& s);

    int posicion(int grupo) const { return posicion_[grupo]; }
    const std::string& textoLista(int grupo) const { return texto_[grupo]; }
    const std::string& etiqueta(int grupo) const { return etiqueta_[grupo]; }
    const std::string& separacion(int caja) const { return separ_[caja]; }

    // The user or the program picks a bar: the list's text becomes the bar's, and the group's
    // description is computed again.
    void Selecciona(ProjectState& s, int grupo, int posicion);
    // A text typed into a list that is not one of its bars (position -1 unless it matches).
    void Escribe(ProjectState& s, int grupo, const std::string& texto);
    // A new text in a spacing box recomputes the groups it serves.
    void CambiaSeparacion(ProjectState& s, int caja, const std::string& texto);

    // The description of one group from its current bar, required area and spacing box.
    void Recalcula(ProjectState& s, int grupo);

    // Bars chosen from the computed areas, once per project (BarrasIniciadas).
    void PreseleccionaBarras(ProjectState& s);

    // The spacing in metres a description ends with (its last four characters).
    static double SeparacionDe(const std::string& etiqueta);
    // The area in cm2 of the bar a description names: a bar of the table by its text, any
    // other text the area the spacing of such a text was computed with (kAreaOtra).
    static double AreaBarra(const std::string& etiqueta);
    // The steel area a group must deliver, cm2/m: the stem base's for the stem's main bars,
    // the heel's and the toe's for the footing's top and bottom bars, the secondary areas for
    // the rest.
    static float AreaRequerida(const ProjectState& s, int grupo);

private:
    bool cargado_ = false;
    std::array<int, kGrupos> posicion_{{-1, -1, -1, -1, -1, -1, -1}};
    std::array<std::string, kGrupos> texto_;
    std::array<std::string, kGrupos> etiqueta_;
    std::array<std::string, 3> separ_{{"0.30", "0.30", "0.30"}};
};

}  // namespace tarelvo
