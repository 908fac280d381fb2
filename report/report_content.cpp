#include "report/report_content.h"

#include "report/report_rows.h"
#include "report/wall_drawing.h"

namespace tarelvo {

namespace {

void ImprimeGrupo(PageDocument& vp, const std::vector<SeccionTabla>& secciones,
                  const ReportStyles& estilos) {
    for (const SeccionTabla& seccion : secciones) {
        SetSubTitle(vp, seccion.nombre, estilos);
        SetNormal(vp, estilos);
        MuestraTabla(vp, kFormatoTabla, QString(), CuerpoTabla(seccion));
        SetNormal(vp, estilos);
    }
}

}  // namespace

void SetNormal(PageDocument& vp, const ReportStyles& estilos) {
    vp.font = estilos.text.font;
    vp.textColor = estilos.text.color;
    vp.brush.color = estilos.text.color;
    vp.pen.color = estilos.text.color;
    vp.paragraphFormat = ParagraphFormat{300, 200, 0, 100};
}

void SetSubTitle(PageDocument& vp, const QString& text, const ReportStyles& estilos) {
    vp.paragraphFormat.indentFirst = 0;
    vp.paragraph(QString());
    vp.font = estilos.subtitle.font;
    vp.textColor = estilos.subtitle.color;
    vp.paragraph(text);
    SetNormal(vp, estilos);
}

void MuestraTabla(PageDocument& vp, const QString& format, const QString& header,
                  const QString& body) {
    vp.paragraph(QString());
    vp.paragraphFormat.indentFirst = 0;
    vp.paragraphFormat.indentLeft = 0;
    vp.font.size = 10;
    vp.tableBorder = 4;
    vp.addTable(format, header, body);
    vp.tableBorder = 0;
}

void Inicia(PageDocument& vp, const ReportInputs& in) {
    vp.setup.border = static_cast<int>(PageBorder::TopAndBottom);

    vp.startDoc();
    const ReportStyles& estilos = in.estilos;
    SetNormal(vp, estilos);

    vp.pen.style = 0;
    vp.brush.style = 0;
    vp.pen.width = 2;
    vp.headerFont.family = QStringLiteral("Arial");
    vp.headerFont.bold = true;
    vp.beforeHeader = [style = estilos.header](PageDocument& d) {
        d.headerFont = style.font;
        d.headerColor = style.color;
    };
    vp.beforeFooter = [style = estilos.footer](PageDocument& d) {
        d.headerFont = style.font;
        d.headerColor = style.color;
    };
    vp.header = in.encabezado;
    vp.footer = in.pie;

    if (in.datos) ImprimeGrupo(vp, SeccionesDatos(in.estado), estilos);

    if (!in.refuerzo || in.estado.RefuerzoDisp == 0) return;
    if (in.datos) vp.newPage();
    ImprimeGrupo(vp, SeccionesResultados(in.estado), estilos);
    vp.newPage();
    DrawMuro(vp, in.estado, in.barras);
}

}  // namespace tarelvo
