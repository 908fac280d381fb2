// The report written straight to a PDF file, without a window: what `tarelvo-calc --pdf`
// produces. It goes through the same page component as the preview and the printer.
#pragma once

#include <string>

#include "report/report_inputs.h"

namespace tarelvo {

// Both parts of the report, the default styles, the project's header and footer (else the
// title followed by "|", and "||Pag %d").
ReportInputs EntradasPorDefecto(const ProjectState& e, const std::string& titulo,
                                const std::array<std::string, GruposBarras::kGrupos>& barras);

// Writes the report on the region's paper (Letter or A4, report/locale_paper.h; no printer is
// asked), portrait, one-inch margins. Returns an
// error text for the user, empty when the file was written. Without a running Qt application
// it runs one of its own, off screen, for the time it needs.
std::string EscribeReportePdf(const std::string& ruta, const ReportInputs& entradas);

}  // namespace tarelvo
