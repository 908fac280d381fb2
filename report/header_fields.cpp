#include "report/header_fields.h"

#include <QDate>

namespace tarelvo {

QString ExpandeCampos(const QString& texto, const CamposPagina& campos, int pagina,
                      int paginas) {
    QString out;
    out.reserve(texto.size() + 16);
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c == QLatin1Char('%') && i + 1 < texto.size() && texto[i + 1] == QLatin1Char('d')) {
            out += QString::number(pagina);
            ++i;
            continue;
        }
        if (c != QLatin1Char('&') || i + 1 >= texto.size()) {
            out += c;
            continue;
        }
        // Title, date and program are typed by people: they may hold "&" themselves, and
        // they are put in whole, never read again for fields.
        switch (texto[i + 1].toUpper().unicode()) {
            case 'T': out += campos.titulo; break;
            case 'D': out += campos.fecha; break;
            case 'A': out += campos.programa; break;
            case 'P': out += QString::number(pagina); break;
            case 'N': out += QString::number(paginas); break;
            case '&': out += QLatin1Char('&'); break;
            default: out += c; continue;
        }
        ++i;
    }
    return out;
}

QString ProgramaYVersion() {
    return QStringLiteral("Tarelvo ") + QStringLiteral(TARELVO_VERSION);
}

QString FechaDeHoy() { return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")); }

}  // namespace tarelvo
