// The report: header and footer, then the parts chosen, each from a new page: the input-data
// tables ("Datos"); the verdict and the result tables ("Refuerzo"); the calculation
// ("Memoria"); the four diagrams ("Diagramas"); and last, with "Refuerzo", the drawing of the
// wall. A wall that fails any check has its verdict, in red, at the top of the first page.
// Written into a page document.
#pragma once

#include <QString>

#include "report/page_document.h"
#include "report/report_inputs.h"

namespace tarelvo {

// Writes the whole report into `vp`, beginning its document but not ending it. Each build
// sets the page border to top and bottom and leaves the header and footer notifications
// setting the styles' fonts; the margins stay as they are set, so the pages print with the
// margins the window shows however often they are rebuilt.
void Inicia(PageDocument& vp, const ReportInputs& in);

// The "Texto" style with the normal paragraph format.
void SetNormal(PageDocument& vp, const ReportStyles& estilos);

// Starts a new page when what is left of this one would hold less than a section's heading
// and its first rows, or less than the whole of a table of `filas` rows that fits on one page.
void MantieneJunto(PageDocument& vp, const ReportStyles& estilos, int filas);

// An empty line, then `text` in the "Sub-Titulos" style, then back to normal.
void SetSubTitle(PageDocument& vp, const QString& text, const ReportStyles& estilos);

// An empty line, then the table in the current font at 10 points, boxed.
void MuestraTabla(PageDocument& vp, const QString& format, const QString& header,
                  const QString& body);

}  // namespace tarelvo
