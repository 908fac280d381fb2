#include "report/report_verdict.h"

#include "engine/results_view.h"
#include "report/report_content.h"

namespace tarelvo {

namespace {
// The colours of the main window's verdict panel and warning label.
const QColor kAzul(0, 0, 128);
const QColor kRojo(255, 0, 0);
}  // namespace

std::vector<LineaVeredicto> LineasVeredicto(const ProjectState& s) {
    const ResultsView v = EvaluaResultados(s);
    std::vector<LineaVeredicto> lineas{
        {QString::fromStdString(v.verdict), v.verdictRed ? kRojo : kAzul, true}};
    for (const std::string& aviso : v.avisos)
        lineas.push_back({QString::fromStdString(aviso), kRojo, false});
    // The last line of the window's warning.
    if (!v.avisos.empty()) lineas.push_back({QString::fromUtf8(kRecalcule), kRojo, true});
    return lineas;
}

void ImprimeVeredicto(PageDocument& vp, const ProjectState& s, const ReportStyles& estilos) {
    SetNormal(vp, estilos);
    vp.paragraphFormat.indentFirst = 0;
    vp.paragraph(QString());
    const std::vector<LineaVeredicto> lineas = LineasVeredicto(s);
    for (const LineaVeredicto& l : lineas) {
        vp.font.bold = l.negrita;
        if (&l == &lineas.front()) vp.font.size = estilos.subtitle.font.size;
        vp.textColor = l.color;
        vp.paragraph(l.texto);
        SetNormal(vp, estilos);
        vp.paragraphFormat.indentFirst = 0;
    }
    SetNormal(vp, estilos);
}

}  // namespace tarelvo
