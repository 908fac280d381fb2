// PageDocument::addTable: rows of cells flowing down the page and on to the next.
#include <algorithm>

#include "report/page_document.h"
#include "report/table_format.h"
#include "report/text_metrics.h"
#include "report/text_wrap.h"

namespace tarelvo {

namespace {

// Room between a cell's text and its edges.
constexpr double kPadX = 20;
constexpr double kPadY = 20;

struct Block {
    double top = 0;
    std::vector<double> rowLines;  // y of each line between rows
};

}  // namespace

void PageDocument::addTable(const QString& format, const QString& headerRow,
                            const QString& body) {
    ensureOpen();
    const std::vector<TableColumn> columns = ParseTableFormat(format);
    if (columns.empty()) return;
    const std::vector<QStringList> rows = ParseTableBody(body);
    const QStringList headerCells =
        headerRow.isEmpty() ? QStringList() : headerRow.split(QLatin1Char('|'));

    const double x0 = flowLeft() + paragraphFormat.indentLeft;
    double tableWidth = 0;
    for (const TableColumn& c : columns) tableWidth += c.width;
    const double lineHeight = LineHeight(font);

    Block block;
    block.top = currentY;

    auto closeBlock = [&]() {
        const double bottom = currentY;
        if (bottom <= block.top) return;
        PagePen edge;
        edge.width = 10;
        auto rule = [&](double xa, double ya, double xb, double yb) {
            add(LineItem{QPointF(xa, ya), QPointF(xb, yb), edge});
        };
        const int b = tableBorder;
        if (b == 2 || b == 3 || b >= 4) rule(x0, block.top, x0 + tableWidth, block.top);
        if (b == 1 || b == 3 || b >= 4) rule(x0, bottom, x0 + tableWidth, bottom);
        if (b >= 4) {
            rule(x0, block.top, x0, bottom);
            rule(x0 + tableWidth, block.top, x0 + tableWidth, bottom);
        }
        if (b >= 5) {
            double x = x0;
            for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
                x += columns[i].width;
                rule(x, block.top, x, bottom);
            }
            for (double y : block.rowLines) rule(x0, y, x0 + tableWidth, y);
        }
    };

    auto placeRow = [&](const QStringList& cells, bool isHeader, auto& self) -> void {
        PageFont cellFont = font;
        if (isHeader) cellFont.bold = true;
        std::vector<QStringList> lines(columns.size());
        int most = 1;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QString text = static_cast<int>(c) < cells.size() ? cells[static_cast<int>(c)]
                                                                    : QString();
            const double room = columns[c].width - 2 * kPadX;
            lines[c] = WrapText(cellFont, text, room, room);
            most = std::max(most, static_cast<int>(lines[c].size()));
        }
        const double rowHeight = most * lineHeight + 2 * kPadY;
        if (currentY + rowHeight > flowBottom() + 0.5 && currentY > flowTop() + 0.5) {
            closeBlock();
            newPage();
            block = Block{};
            block.top = currentY;
            if (!isHeader && !headerCells.isEmpty()) self(headerCells, true, self);
        }
        if (currentY > block.top) block.rowLines.push_back(currentY);
        double x = x0;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            for (int i = 0; i < lines[c].size(); ++i) {
                const QString& text = lines[c][i];
                if (text.isEmpty()) continue;
                const double w = TextWidth(cellFont, text);
                TextItem t;
                switch (columns[c].align) {
                    case CellAlign::Left: t.x = x + kPadX; break;
                    case CellAlign::Right: t.x = x + columns[c].width - kPadX - w; break;
                    case CellAlign::Centre: t.x = x + (columns[c].width - w) / 2; break;
                }
                t.y = currentY + kPadY + i * lineHeight;
                t.text = text;
                t.font = cellFont;
                t.color = textColor;
                t.role = TextRole::Cell;
                if (cellStyle && !isHeader) cellStyle(t);
                add(t);
            }
            x += columns[c].width;
        }
        currentY += rowHeight;
    };

    if (!headerCells.isEmpty()) placeRow(headerCells, true, placeRow);
    for (const QStringList& row : rows) placeRow(row, false, placeRow);
    closeBlock();
    currentX = flowLeft();
}

}  // namespace tarelvo
