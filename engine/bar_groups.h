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
    double diametro;    // nominal, cm
};
// The bars of every list, largest first.
extern const std::array<Barra, 4> kBarras;

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
        ZapataLongitudinal,      // Combo7, Label25
    };
    static constexpr int kGrupos = 7;

    // The words that name a group: where its bars lie ("Muro", "Zapata"), on which face
    // ("cara interior", "ambas caras"), which way they run ("vertical", "transversal": across
    // the wall; "longitudinal": along it) and that direction as the drawings' callouts write it.
    struct Nombres {
        const char* parte;
        const char* cara;
        const char* direccion;
        const char* abreviatura;
    };
    static const Nombres& Palabras(int grupo);
    // The group's name, the same in the form, the report, the drawings and the warnings:
    // "Zapata, cara superior, transversal".
    static const char* Nombre(int grupo);
    // A drawing's callout of a group's bars: the description, then the direction in brackets,
    // "ø 1/2\" a 0.25 (long)".
    static std::string Llamada(int grupo, const std::string& etiqueta);

    // The spacing box (0 Separ1, 1 Separ2, 2 Separ3) that serves a group.
    static int Caja(int grupo);

    bool cargado() const { return cargado_; }
    // First use: every list gets the bar table and its starting bar; every label is computed.
    void Carga(ProjectState& s);

    int posicion(int grupo) const { return posicion_[grupo]; }
    const std::string& textoLista(int grupo) const { return texto_[grupo]; }
    const std::string& etiqueta(int grupo) const { return etiqueta_[grupo]; }
    const std::string& separacion(int caja) const { return separ_[caja]; }

    // The user or the program picks a bar of the table: the list's text becomes the bar's,
    // and the group's description is computed again. A position outside the table is ignored.
    void Selecciona(ProjectState& s, int grupo, int posicion);
    // A new text in a spacing box recomputes the groups it serves. The form only hands it a
    // text LeeSeparacion accepts.
    void CambiaSeparacion(ProjectState& s, int caja, const std::string& texto);

    // The description of one group from its current bar, required area and spacing box; the
    // group's bit of ProjectState::BarrasSinEspacio follows it.
    void Recalcula(ProjectState& s, int grupo);

    // Bars chosen from the computed areas, once per project (BarrasIniciadas). A bar whose
    // bars would not leave their clear spacing gives way to the next larger one that does.
    void PreseleccionaBarras(ProjectState& s);

    // The spacing in metres a description ends with (its last four characters).
    static double SeparacionDe(const std::string& etiqueta);
    // The bar of the table a description names, or null for any other text.
    static const Barra* BarraDe(const std::string& etiqueta);
    // The area in cm2 of the bar a description names; not a number for a text that names no
    // bar of the table.
    static double AreaBarra(const std::string& etiqueta);
    // True when a description's bars, at its spacing, leave less than their clear spacing
    // (CabeBarra). A text that names no bar or no spacing is left to the area check.
    static bool SinEspacio(const std::string& etiqueta);
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
