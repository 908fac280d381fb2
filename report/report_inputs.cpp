#include "report/report_inputs.h"

namespace tarelvo {

QString EncabezadoInicial(const ProjectState& s) {
    if (!s.Encabezado.empty()) return QString::fromStdString(s.Encabezado);
    return QStringLiteral("&T||&D");
}

QString PieInicial(const ProjectState& s) {
    if (!s.PiePagina.empty()) return QString::fromStdString(s.PiePagina);
    return QStringLiteral("&A||Página &P de &N");
}

}  // namespace tarelvo
