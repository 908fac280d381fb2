#include "report/report_inputs.h"

namespace tarelvo {

QString EncabezadoInicial(const ProjectState& s, const std::string& titulo) {
    if (!s.Encabezado.empty()) return QString::fromStdString(s.Encabezado);
    return QString::fromStdString(titulo) + QLatin1Char('|');
}

QString PieInicial(const ProjectState& s) {
    if (!s.PiePagina.empty()) return QString::fromStdString(s.PiePagina);
    return QStringLiteral("||Pag %d");
}

}  // namespace tarelvo
