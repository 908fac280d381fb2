// The text forms a table is passed in. Format: one entry per column joined by "|", each an
// alignment ("<" left, ">" right, "^" centred), any "_" or blanks, and the width in twips
// ("<_3800|>_800|<_1200"). Body: cells joined by "|", rows by ";".
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

namespace tarelvo {

enum class CellAlign { Left, Right, Centre };

struct TableColumn {
    CellAlign align = CellAlign::Left;
    double width = 1440;  // a column without a width is one inch wide
};

std::vector<TableColumn> ParseTableFormat(const QString& format);

// Rows of cells; an empty body has no rows.
std::vector<QStringList> ParseTableBody(const QString& body);

}  // namespace tarelvo
