// The block that opens the report's first page: the project's title, the wall in one
// sentence (height, stem, footing, key), the verdict in its colour and, for a wall that fails,
// every failed check.
#pragma once

#include <QString>

#include "engine/project_state.h"
#include "report/page_document.h"
#include "report/report_inputs.h"

namespace tarelvo {

// "Muro recto de 4.00 m de altura; espesor del muro 0.20 m en la corona y 0.35 m en la base;
// zapata de 2.60 m (punta 0.60 m, talón 1.65 m) y 0.40 m de espesor; sin dentellón."
QString DescripcionMuro(const ProjectState& s);

// The one line that states the units of every table.
extern const char* const kLineaUnidades;

// Prints the block from the current position; leaves the normal text settings.
void ImprimePortada(PageDocument& vp, const ReportInputs& in);

}  // namespace tarelvo
