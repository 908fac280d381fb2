#include "report/report_cover.h"

#include "common/number_text.h"
#include "engine/analysed_wall.h"
#include "report/report_content.h"
#include "report/report_verdict.h"

namespace tarelvo {

namespace {

QString M(double v) {
    return QString::fromStdString(numtext::format(v, "0.00")) + QStringLiteral(" m");
}

const char* Forma(int forma) {
    switch (forma) {
        case 1: return "Muro inclinado hacia el frente";
        case 2: return "Muro inclinado hacia el relleno";
        default: return "Muro recto";
    }
}

}  // namespace

const char* const kLineaUnidades =
    "Fuerzas en t y momentos en t·m, por metro de longitud del muro; presiones en t/m2 y "
    "kg/cm2; acero en cm2/m.";

QString DescripcionMuro(const ProjectState& s) {
    // The stem and footing as analysed, as the tables and the drawing show them.
    const MuroAnalizado m = MuroDeAnalisis(s);
    QString t = QString::fromUtf8(Forma(s.FormaMuro)) + QStringLiteral(" de ") + M(s.Altura) +
                QStringLiteral(" de altura; espesor del muro ") + M(m.corona) +
                QStringLiteral(" en la corona y ") + M(m.base) +
                QStringLiteral(" en la base; zapata de ") + M(m.zapata) +
                QStringLiteral(" (punta ") + M(m.punta) + QStringLiteral(", talón ") +
                M(m.talon) + QStringLiteral(") y ") + M(s.AltZap) +
                QStringLiteral(" de espesor; ");
    if (s.ConDent != 0 && s.AltDent > 0)
        t += QStringLiteral("dentellón de ") + M(s.AltDent) + QStringLiteral(" de altura y ") +
             M(s.AnchDent) + QStringLiteral(" de ancho.");
    else
        t += QStringLiteral("sin dentellón.");
    return t;
}

void ImprimePortada(PageDocument& vp, const ReportInputs& in) {
    const ReportStyles& estilos = in.estilos;
    SetNormal(vp, estilos);
    vp.paragraphFormat.indentFirst = 0;
    vp.font = estilos.subtitle.font;
    vp.font.size = estilos.subtitle.font.size + 2;
    vp.textColor = estilos.subtitle.color;
    const QString titulo = in.titulo.trimmed();
    vp.paragraph(titulo.isEmpty() ? QStringLiteral("Muro de contención") : titulo);
    SetNormal(vp, estilos);
    vp.paragraphFormat.indentFirst = 0;
    vp.paragraph(DescripcionMuro(in.estado));
    vp.paragraphFormat.indentFirst = 0;
    vp.paragraph(QString::fromUtf8(kLineaUnidades));
    ImprimeVeredicto(vp, in.estado, estilos);
}

}  // namespace tarelvo
