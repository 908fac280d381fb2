// The verdict of the check on the report, as the main window shows it: "MURO ESTABLE" in navy
// or "MURO INESTABLE" in red, then every warning that applies, in red, as the window's warning
// label shows the last of them.
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

// The verdict first, then the warnings in the order the checks raised them.
std::vector<LineaVeredicto> LineasVeredicto(const ProjectState& s);

// Prints the lines as paragraphs in the text style, the verdict in bold at the subtitles'
// size; leaves the normal text settings.
void ImprimeVeredicto(PageDocument& vp, const ProjectState& s, const ReportStyles& estilos);

}  // namespace tarelvo
