// Everything the report is written from, as plain values, so that the report window, the
// command-line tool and the tests build the same report: the analysed project, the bar texts
// the report takes from the reinforcement form, the choices of the report window and its text
// styles.
#pragma once

#include <array>
#include <string>

#include <QColor>
#include <QString>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/display_list.h"
#include "report/header_fields.h"

namespace tarelvo {

struct TextStyle {
    PageFont font;
    QColor color = Qt::black;
};

// The four rows of the "Font/Color" panel.
struct ReportStyles {
    TextStyle header{{QStringLiteral("Arial"), 12, true}, Qt::black};     // "Header"
    TextStyle footer{{QStringLiteral("Arial"), 10, false}, Qt::black};    // "Footer"
    TextStyle subtitle{{QStringLiteral("Arial"), 12, true}, Qt::black};   // "Sub-Titulos"
    TextStyle text{{QStringLiteral("Arial"), 10, false}, Qt::black};      // "Texto"
};

struct ReportInputs {
    ProjectState estado;           // as the last analysis left it
    // The seven bar descriptions, in GruposBarras order: Label17 to Label20, Label23 to
    // Label25 of the reinforcement form.
    std::array<std::string, GruposBarras::kGrupos> barras;
    bool datos = true;             // "Datos" checked
    bool refuerzo = true;          // "Refuerzo" checked; it counts only while RefuerzoDisp
    bool memoria = true;           // "Memoria" checked
    bool diagramas = true;         // "Diagramas" checked
    QString encabezado, pie;       // header and footer texts, with the fields of header_fields.h
    QString titulo;                // the project's title, the "&T" of the header
    QString fecha = FechaDeHoy();  // the "&D"
    ReportStyles estilos;
};

// The header and footer the report window offers: the project's own when it has them, else
// the title on the left and the date on the right ("&T||&D"), and the program on the left and
// "Página N de M" on the right ("&A||Página &P de &N").
QString EncabezadoInicial(const ProjectState& s);
QString PieInicial(const ProjectState& s);

}  // namespace tarelvo
