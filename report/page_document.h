// The report's page component: composes paragraphs, tables, texts and vector drawing onto
// pages within the margins of its page setup, keeping each page as a display list. Lengths are
// twips from the paper's top-left corner.
//
// Like a printer control, it works through current settings (font, colours, pen, brush,
// paragraph format, text angle, table border) that the operations read; the report sets them
// between operations. The headers and footers are drawn when the document ends, so that every
// page knows its number and the number of pages; a notification runs just before each, in
// which the report sets the header font and colour.
#pragma once

#include <functional>
#include <vector>

#include <QColor>
#include <QPolygonF>
#include <QString>

#include "report/display_list.h"
#include "report/header_fields.h"
#include "report/page_setup.h"

namespace tarelvo {

struct ParagraphFormat {
    double indentFirst = 0;  // first line, from the left margin
    double indentLeft = 0;   // other lines and tables, from the left margin
    double indentRight = 0;  // from the right margin
    double spaceAfter = 0;   // below each paragraph
};

class PageDocument {
public:
    PageDocument() = default;
    explicit PageDocument(const PageSetup& s) : setup(s) {}

    // --- Setup; a change applies to the pages composed after it ---
    PageSetup setup;
    double pageWidth() const { return PageWidth(setup); }
    double pageHeight() const { return PageHeight(setup); }

    // --- Document ---
    // Clears every page and starts page 1 with the pen at the top-left margin corner. Any
    // composing operation on a document that is not open starts one the same way.
    void startDoc();
    // Finishes the last page; the pages are then complete.
    void endDoc();
    // Throws the document away.
    void killDoc();
    // Finishes the current page and starts the next.
    void newPage();
    bool composing() const { return open_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Pages from 0; the last one is still being composed while composing().
    const std::vector<Page>& pages() const { return pages_; }

    // Runs when endDoc has finished the document.
    std::function<void()> onDocumentComplete;

    // --- Header and footer: left|centre|right, "\n" a new line, with the fields of
    // header_fields.h ("&P" or "%d" the page number, "&N" the pages, "&T" the title, ...) ---
    QString header, footer;
    CamposPagina fields;
    PageFont headerFont;
    QColor headerColor = Qt::black;
    // Run just before the header or footer of a page is drawn, to set headerFont and
    // headerColor for it.
    std::function<void(PageDocument&)> beforeHeader, beforeFooter;

    // --- Text ---
    PageFont font;
    QColor textColor = Qt::black;
    ParagraphFormat paragraphFormat;
    int textAngle = 0;  // tenths of a degree, counter-clockwise; 900 reads upward
    double currentX = 0, currentY = 0;

    // Prints a paragraph at currentY: wrapped within the margins and indents, onto new pages
    // as needed; an empty text is an empty line. Leaves currentX at the left margin and
    // currentY below the paragraph.
    void paragraph(const QString& text);
    // Places a text at (x, y), turned by textAngle; no wrapping, no page break. Leaves the
    // pen just after the text.
    void textAt(double x, double y, const QString& text);
    double textWidth(const QString& text) const;
    // Height of the text's lines in the current font; an empty text is one line.
    double textHeight(const QString& text = QString()) const;

    // --- Tables ---
    // 0 none, 1 line below, 2 line above, 3 both, 4 box, 5 or more box with its cell lines.
    int tableBorder = 0;
    // Rows flow from currentY at the left indent and across pages; a row never splits, and
    // a header row (empty: none) repeats at the top of every page the table reaches.
    void addTable(const QString& format, const QString& headerRow, const QString& body);
    // Run on each body cell's text just before it is placed, so that a cell can be set apart
    // by what it says; cells otherwise take the current text colour.
    std::function<void(TextItem&)> cellStyle;

    // --- Drawing ---
    PagePen pen;
    PageBrush brush;
    void line(double x1, double y1, double x2, double y2);
    void circle(double x, double y, double radius);
    void polygon(const QPolygonF& points);
    // A closed polygon from a text "x1 y1 x2 y2 ..." of numbers, each after a blank or a minus
    // sign; an unpaired last number is ignored, as is a polygon of fewer than two points.
    void polygon(const QString& coordinates);

    // The body's limits on the current page.
    double flowTop() const { return setup.top; }
    double flowBottom() const { return pageHeight() - setup.bottom; }
    double flowLeft() const { return setup.left; }
    double flowRight() const { return pageWidth() - setup.right; }

private:
    void ensureOpen();
    Page& page() { return pages_.back(); }
    void add(PageItem item) { page().items.push_back(std::move(item)); }
    // Moves to a new page when `height` more does not fit below currentY and the page already
    // holds something below its top.
    void breakBefore(double height);
    void finishPage();
    void drawHeadersAndFooters();
    void drawHeaderFooter(std::size_t pageIndex, const QString& text, bool isHeader);
    void drawPageBorder();

    std::vector<Page> pages_;
    bool open_ = false;
    bool finishing_ = false;
};

}  // namespace tarelvo
