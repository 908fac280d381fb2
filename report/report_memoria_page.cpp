// ImprimeMemoria: the tables of the "Memoria" on the page, and the verdict after them.
#include "report/report_content.h"
#include "report/report_memoria.h"
#include "report/report_verdict.h"

namespace tarelvo {

namespace {

const QColor kRojo(255, 0, 0);

void Tabla(PageDocument& vp, const TablaMemoria& t, const ReportStyles& estilos) {
    // A heading, or the line that introduces a table, stays with the table.
    if (!t.nombre.isEmpty() || (!t.nota.isEmpty() && !t.filas.empty()))
        MantieneJunto(vp, estilos, static_cast<int>(t.filas.size()));
    if (!t.nombre.isEmpty()) {
        SetSubTitle(vp, t.nombre, estilos);
        SetNormal(vp, estilos);
    }
    if (t.filas.empty()) {
        // A section of text only: its paragraphs follow.
    } else if (t.nota.isEmpty()) {
        MuestraTabla(vp, t.formato, t.encabezado, CuerpoMemoria(t));
    } else {
        vp.paragraphFormat.indentFirst = 0;
        vp.paragraph(QString());
        vp.paragraph(t.nota);
        vp.paragraphFormat.indentLeft = 0;
        vp.font.size = 10;
        vp.tableBorder = 4;
        vp.addTable(t.formato, t.encabezado, CuerpoMemoria(t));
        vp.tableBorder = 0;
    }
    SetNormal(vp, estilos);
    for (const QString& p : t.parrafos) {
        // Each an item, its lines under its first word.
        vp.paragraphFormat.indentFirst = 0;
        vp.paragraphFormat.indentLeft = 240;
        vp.paragraph(QStringLiteral("•  ") + p);
    }
    SetNormal(vp, estilos);
}

}  // namespace

void ImprimeMemoria(PageDocument& vp, const ReportInputs& in) {
    const ReportStyles& estilos = in.estilos;
    vp.cellStyle = [](TextItem& t) {
        if (t.text == kNoCumple) t.color = kRojo;
    };
    for (const TablaMemoria& t : TablasMemoria(in.estado, in.barras)) Tabla(vp, t, estilos);
    vp.cellStyle = nullptr;
    MantieneJunto(vp, estilos, 3);
    SetSubTitle(vp, QStringLiteral("Conclusión"), estilos);
    ImprimeVeredicto(vp, in.estado, estilos);
}

}  // namespace tarelvo
