// Finishing a page: its border; and once the document is complete, every page's header and
// footer.
#include <algorithm>

#include "report/header_lines.h"
#include "report/page_document.h"
#include "report/text_metrics.h"

namespace tarelvo {

namespace {
// Between the header or footer and the body; the border runs halfway.
constexpr double kGap = 120;
}  // namespace

void PageDocument::finishPage() {
    if (pages_.empty()) return;
    finishing_ = true;
    drawPageBorder();
    finishing_ = false;
}

void PageDocument::drawHeadersAndFooters() {
    finishing_ = true;
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (!header.isEmpty()) {
            if (beforeHeader) beforeHeader(*this);
            drawHeaderFooter(i, header, true);
        }
        if (!footer.isEmpty()) {
            if (beforeFooter) beforeFooter(*this);
            drawHeaderFooter(i, footer, false);
        }
    }
    finishing_ = false;
}

void PageDocument::drawHeaderFooter(std::size_t pageIndex, const QString& text, bool isHeader) {
    // Split first: a "|" in the title is the title's, not a new part.
    QStringList parts = text.split(QLatin1Char('|'));
    for (QString& s : parts) {
        s = ExpandeCampos(s, fields, static_cast<int>(pageIndex) + 1, pageCount());
        s.remove(QLatin1Char('\r'));
    }
    const double lineHeight = LineHeight(headerFont);
    // As many lines as the margin holds; one at least, kept on the paper even when the margin
    // is too narrow for it.
    const double margin = isHeader ? flowTop() - kGap : pageHeight() - flowBottom() - kGap;
    const int maxLines = std::max(1, static_cast<int>(margin / lineHeight));
    const std::array<QStringList, 3> partLines =
        HeaderLines(headerFont, parts, flowRight() - flowLeft(), maxLines);
    for (int part = 0; part < 3; ++part) {
        const QStringList& lines = partLines[static_cast<std::size_t>(part)];
        if (lines.isEmpty()) continue;
        const double blockHeight = lines.size() * lineHeight;
        double y = isHeader ? std::max(0.0, flowTop() - kGap - blockHeight)
                            : std::min(flowBottom() + kGap, pageHeight() - blockHeight);
        for (const QString& line : lines) {
            const double w = TextWidth(headerFont, line);
            TextItem t;
            switch (part) {
                case 0: t.x = flowLeft(); break;
                case 1: t.x = (flowLeft() + flowRight() - w) / 2; break;
                default: t.x = flowRight() - w; break;
            }
            t.y = y;
            t.text = line;
            t.font = headerFont;
            t.color = headerColor;
            t.role = isHeader ? TextRole::Header : TextRole::Footer;
            if (!line.isEmpty()) pages_[pageIndex].items.push_back(t);
            y += lineHeight;
        }
    }
}

void PageDocument::drawPageBorder() {
    const int style = setup.border;
    if (style <= 0) return;
    PagePen edge;
    edge.width = 15;
    const double top = flowTop() - kGap / 2, bottom = flowBottom() + kGap / 2;
    const double left = flowLeft(), right = flowRight();
    auto rule = [&](double xa, double ya, double xb, double yb) {
        add(LineItem{QPointF(xa, ya), QPointF(xb, yb), edge});
    };
    const auto b = static_cast<PageBorder>(std::min(style, 4));
    if (b == PageBorder::Top || b == PageBorder::TopAndBottom || b == PageBorder::Box)
        rule(left, top, right, top);
    if (b == PageBorder::Bottom || b == PageBorder::TopAndBottom || b == PageBorder::Box)
        rule(left, bottom, right, bottom);
    if (b == PageBorder::Box) {
        rule(left, top, left, bottom);
        rule(right, top, right, bottom);
    }
}

}  // namespace tarelvo
