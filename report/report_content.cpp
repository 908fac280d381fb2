#include "report/report_content.h"

#include "engine/results_view.h"
#include "report/report_cover.h"
#include "report/report_diagram_page.h"
#include "report/report_memoria.h"
#include "report/report_rows.h"
#include "report/report_verdict.h"
#include "report/text_metrics.h"
#include "report/wall_drawing.h"

namespace tarelvo {

namespace {

void ImprimeGrupo(PageDocument& vp, const std::vector<SeccionTabla>& secciones,
                  const ReportStyles& estilos) {
    for (const SeccionTabla& seccion : secciones) {
        MantieneJunto(vp, estilos, static_cast<int>(seccion.filas.size()));
        SetSubTitle(vp, seccion.nombre, estilos);
        SetNormal(vp, estilos);
        MuestraTabla(vp, kFormatoTabla, QString(), CuerpoTabla(seccion));
        SetNormal(vp, estilos);
        if (!seccion.nota.isEmpty()) {
            vp.paragraphFormat.indentFirst = 0;
            vp.paragraphFormat.indentLeft = 0;
            vp.paragraph(QString());
            vp.paragraph(seccion.nota);
            SetNormal(vp, estilos);
        }
    }
}

}  // namespace

void MantieneJunto(PageDocument& vp, const ReportStyles& estilos, int filas) {
    PageFont celda = estilos.text.font;
    celda.size = 10;
    const double fila = LineHeight(celda) + 40;
    const double cabeza = 2 * LineHeight(estilos.subtitle.font) + 2 * LineHeight(estilos.text.font);
    const double todo = cabeza + (filas + 1) * fila;
    const double pagina = vp.flowBottom() - vp.flowTop();
    const double alto = todo <= pagina ? todo : cabeza + 4 * fila;
    if (vp.currentY + alto > vp.flowBottom() && vp.currentY > vp.flowTop() + 0.5) vp.newPage();
}

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
    // Half a line under the heading: the data of an ordinary wall then stay on one page.
    if (vp.currentY > vp.flowTop() + 0.5) vp.currentY += vp.textHeight() / 2;
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
    vp.fields = CamposPagina{in.titulo, in.fecha, ProgramaYVersion()};

    // Each part on pages of its own: the data, the results with their verdict, the
    // calculation, the diagrams, and last the drawing of the wall.
    bool primera = true;
    auto parte = [&] {
        if (!primera) vp.newPage();
        primera = false;
    };
    const bool refuerzo = in.refuerzo && in.estado.RefuerzoDisp != 0;
    // The first page opens with what the report is about: the project, the wall and its
    // verdict, with every failed check of a wall that fails.
    if (in.datos || refuerzo || in.memoria || in.diagramas) {
        parte();
        ImprimePortada(vp, in);
        primera = true;  // the first part follows on this page
    }
    if (in.datos) {
        parte();
        ImprimeGrupo(vp, SeccionesDatos(in.estado), estilos);
    }
    if (refuerzo) {
        // The results repeat the verdict unless they follow it on the first page.
        const bool trasPortada = !in.datos;
        parte();
        if (!trasPortada) ImprimeVeredicto(vp, in.estado, estilos);
        ImprimeGrupo(vp, SeccionesResultados(in.estado), estilos);
    }
    if (in.memoria) {
        parte();
        ImprimeMemoria(vp, in);
    }
    if (in.diagramas) {
        parte();
        ImprimeDiagramas(vp, in.estado, estilos);
    }
    if (refuerzo) {
        parte();
        DrawMuro(vp, in.estado, in.barras);
    }
}

}  // namespace tarelvo
