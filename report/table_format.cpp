#include "report/table_format.h"

namespace tarelvo {

std::vector<TableColumn> ParseTableFormat(const QString& format) {
    std::vector<TableColumn> columns;
    if (format.trimmed().isEmpty()) return columns;
    for (const QString& entry : format.split(QLatin1Char('|'))) {
        TableColumn c;
        QString digits;
        for (const QChar ch : entry) {
            if (ch == QLatin1Char('<')) c.align = CellAlign::Left;
            else if (ch == QLatin1Char('>')) c.align = CellAlign::Right;
            else if (ch == QLatin1Char('^')) c.align = CellAlign::Centre;
            else if (ch.isDigit()) digits += ch;
        }
        bool ok = false;
        const double w = digits.toDouble(&ok);
        if (ok && w > 0) c.width = w;
        columns.push_back(c);
    }
    return columns;
}

std::vector<QStringList> ParseTableBody(const QString& body) {
    std::vector<QStringList> rows;
    if (body.isEmpty()) return rows;
    for (const QString& row : body.split(QLatin1Char(';')))
        rows.push_back(row.split(QLatin1Char('|')));
    return rows;
}

}  // namespace tarelvo
