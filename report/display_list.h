// The display list of one report page: what was composed on it, in page twips (1440 per inch,
// x to the right, y downward from the paper's top-left corner), in drawing order. Rendering a
// page replays this list; nothing else about the page is kept.
#pragma once

#include <variant>
#include <vector>

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QString>

namespace tarelvo {

struct PageFont {
    QString family = QStringLiteral("Arial");
    double size = 10;  // points
    bool bold = false, italic = false, underline = false, strikeout = false;
};

// Pen styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible.
struct PagePen {
    QColor color = Qt::black;
    double width = 0;  // twips; 0 draws the thinnest line the device has
    int style = 0;
};

// Brush styles: 0 filled, 1 unfilled; 2 to 7 hatch (horizontal, vertical, both diagonals,
// cross, diagonal cross).
struct PageBrush {
    QColor color = Qt::black;
    int style = 1;
};

// What a text was placed as; the look is the same, tests and the preview tell them apart.
enum class TextRole { Free, Paragraph, Cell, Header, Footer };

// A text whose unturned box has its top-left corner at (x, y); the angle (tenths of a degree,
// counter-clockwise) turns it about that corner, so 900 reads upward from it.
struct TextItem {
    double x = 0, y = 0;
    QString text;
    PageFont font;
    QColor color = Qt::black;
    int angle = 0;
    TextRole role = TextRole::Free;
};

struct LineItem {
    QPointF from, to;
    PagePen pen;
};

struct CircleItem {
    QPointF centre;
    double radius = 0;
    PagePen pen;
    PageBrush brush;
};

struct PolygonItem {
    QPolygonF points;  // closed: the last point joins the first
    PagePen pen;
    PageBrush brush;
};

using PageItem = std::variant<TextItem, LineItem, CircleItem, PolygonItem>;

struct Page {
    std::vector<PageItem> items;
};

}  // namespace tarelvo
