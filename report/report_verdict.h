// The verdict of the check on the report, as the main window shows it: "MURO ESTABLE" in navy,
// "NO CUMPLE" or "MURO INESTABLE" in red, then every failed check on its own line and
// "RECALCULE!", in red, as the window's warning label shows them.
#pragma once

#include <vector>

#include <QColor>
#include <QString>

#include "engine/project_state.h"
#include "report/page_document.h"
#include "report/report_inputs.h"

namespace tarelvo {

struct LineaVeredicto {
    QString texto;
    QColor color;
    bool negrita = false;
};

// The verdict first, then the failed checks in the window's order and "RECALCULE!" after
// them; only the verdict for a wall that passes.
std::vector<LineaVeredicto> LineasVeredicto(const ProjectState& s);

// Prints the lines as paragraphs in the text style, the verdict in bold at the subtitles'
// size and "RECALCULE!" in bold; leaves the normal text settings.
void ImprimeVeredicto(PageDocument& vp, const ProjectState& s, const ReportStyles& estilos);

}  // namespace tarelvo
