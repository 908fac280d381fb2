// The rows of the report's tables: for each section its name and, for each row, caption,
// value text and unit. A value that cannot be computed (a division by zero, a number that is
// not finite) is an empty text.
#pragma once

#include <string>
#include <vector>

#include <QString>

#include "engine/project_state.h"

namespace tarelvo {

struct FilaTabla {
    QString caption, value, unit;
};

struct SeccionTabla {
    QString nombre;
    std::vector<FilaTabla> filas;
    QString nota{};  // a paragraph after the table, or empty
};

// Every table goes in this column format, without a header row.
extern const QString kFormatoTabla;

// The input data: five sections, the stem and footing as the analysis sized them, the
// options in the words of the main window.
std::vector<SeccionTabla> SeccionesDatos(const ProjectState& s);

// The results: three sections. The soil pressures are those of a footing that cannot take
// tension, never negative; a lifted one adds its contact length and says what it means.
std::vector<SeccionTabla> SeccionesResultados(const ProjectState& s);

// The table body of a section: caption|value|unit, rows joined by ";".
QString CuerpoTabla(const SeccionTabla& seccion);

}  // namespace tarelvo
