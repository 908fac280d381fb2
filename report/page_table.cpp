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

// The smallest size a table's font is brought down to so that no word is cut.
constexpr double kSmallestSize = 6;

// The width a column needs for its widest word, so that no word is cut between characters.
std::vector<double> WordWidths(const std::vector<QStringList>& rows, const QStringList& header,
                               std::size_t columns, const PageFont& font) {
    PageFont bold = font;
    bold.bold = true;
    std::vector<double> need(columns, 0.0);
    auto measure = [&](const QStringList& cells, const PageFont& f) {
        for (std::size_t c = 0; c < columns && static_cast<int>(c) < cells.size(); ++c)
            for (const QString& w : QString(cells[static_cast<int>(c)])
                                         .replace(QLatin1Char('\n'), QLatin1Char(' '))
                                         .split(QLatin1Char(' '), Qt::SkipEmptyParts))
                need[c] = std::max(need[c], TextWidth(f, w) + 2 * kPadX);
    };
    measure(header, bold);
    for (const QStringList& r : rows) measure(r, font);
    return need;
}

// Column widths within `room`: as the format asks when they fit, else narrowed in proportion
// but never below the widest word; a column narrower than its widest word takes room from the
// others' slack. Returns false when even the words do not fit side by side.
bool FitColumns(std::vector<double>& widths, const std::vector<double>& words, double room) {
    const std::size_t n = widths.size();
    double wordsTotal = 0;
    for (double w : words) wordsTotal += w;
    if (wordsTotal > room + 0.5) return false;
    for (std::size_t c = 0; c < n; ++c) widths[c] = std::max(widths[c], words[c]);
    double total = 0;
    for (double w : widths) total += w;
    // Take the excess from the slack above each column's words, in proportion to it.
    const double excess = total - room;
    if (excess > 0) {
        double slack = 0;
        for (std::size_t c = 0; c < n; ++c) slack += widths[c] - words[c];
        for (std::size_t c = 0; c < n; ++c)
            widths[c] -= slack > 0 ? excess * (widths[c] - words[c]) / slack : 0;
    }
    return true;
}

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
    const double room = std::max(0.0, flowRight() - paragraphFormat.indentRight - x0);
    // The table stays within the margins: its columns narrow, then its font gets smaller,
    // before a word is cut; the current font is left as it was.
    const PageFont callerFont = font;
    std::vector<double> widths;
    for (;;) {
        widths.clear();
        for (const TableColumn& c : columns) widths.push_back(c.width);
        if (FitColumns(widths, WordWidths(rows, headerCells, columns.size(), font), room) ||
            font.size <= kSmallestSize)
            break;
        font.size = std::max(kSmallestSize, font.size - 0.5);
    }
    double tableWidth = 0;
    for (double w : widths) tableWidth += w;
    if (tableWidth > room && tableWidth > 0) {
        // Words too long for any layout: the columns shrink in proportion and cut them.
        for (double& w : widths) w *= room / tableWidth;
        tableWidth = room;
    }
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
                x += widths[i];
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
            const double inner = widths[c] - 2 * kPadX;
            lines[c] = WrapText(cellFont, text, inner, inner);
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
                    case CellAlign::Right: t.x = x + widths[c] - kPadX - w; break;
                    case CellAlign::Centre: t.x = x + (widths[c] - w) / 2; break;
                }
                t.y = currentY + kPadY + i * lineHeight;
                t.text = text;
                t.font = cellFont;
                t.color = textColor;
                t.role = TextRole::Cell;
                if (cellStyle && !isHeader) cellStyle(t);
                add(t);
            }
            x += widths[c];
        }
        currentY += rowHeight;
    };

    if (!headerCells.isEmpty()) placeRow(headerCells, true, placeRow);
    for (const QStringList& row : rows) placeRow(row, false, placeRow);
    closeBlock();
    currentX = flowLeft();
    font = callerFont;
}

}  // namespace tarelvo
