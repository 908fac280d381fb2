#include "report/report_diagram_page.h"

#include "engine/diagramas.h"
#include "engine/engine_fault.h"
#include "report/report_content.h"
#include "report/wall_diagrams.h"

namespace tarelvo {

void ImprimeDiagramas(PageDocument& vp, const ProjectState& s, const ReportStyles& estilos) {
    SetSubTitle(vp, QStringLiteral("Diagramas"), estilos);
    Diagramas d;
    try {
        d = CalculaDiagramas(s);
    } catch (const EngineFault& f) {
        vp.textColor = QColor(255, 0, 0);
        vp.paragraph(QStringLiteral("No se pueden trazar los diagramas: ") +
                     QString::fromStdString(f.what()));
        SetNormal(vp, estilos);
        return;
    }
    const double arriba = vp.currentY + vp.textHeight() / 2;
    const QRectF area(vp.flowLeft(), arriba, vp.flowRight() - vp.flowLeft(),
                      vp.flowBottom() - arriba);
    DibujaDiagramas(vp, s, d, area);
    vp.currentY = vp.flowBottom();
}

}  // namespace tarelvo
