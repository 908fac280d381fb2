// The report's "Diagramas" page: under its heading, the four diagrams of the wall filling the
// rest of the page, drawn as vectors.
#pragma once

#include "engine/project_state.h"
#include "report/page_document.h"
#include "report/report_inputs.h"

namespace tarelvo {

// Draws on the current page from the current position down. A wall whose diagrams cannot be
// computed gets the reason, in red, instead.
void ImprimeDiagramas(PageDocument& vp, const ProjectState& s, const ReportStyles& estilos);

}  // namespace tarelvo
