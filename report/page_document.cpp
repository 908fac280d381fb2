#include "report/page_document.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "report/text_metrics.h"
#include "report/text_wrap.h"

namespace tarelvo {

namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

void PageDocument::startDoc() {
    pages_.clear();
    pages_.emplace_back();
    open_ = true;
    currentX = flowLeft();
    currentY = flowTop();
}

void PageDocument::endDoc() {
    if (!open_) return;
    finishPage();
    drawHeadersAndFooters();
    open_ = false;
    if (onDocumentComplete) onDocumentComplete();
}

void PageDocument::killDoc() {
    pages_.clear();
    open_ = false;
}

void PageDocument::newPage() {
    // A notification that asks for a page while one is being finished gets none.
    if (finishing_) return;
    ensureOpen();
    finishPage();
    pages_.emplace_back();
    currentX = flowLeft();
    currentY = flowTop();
}

void PageDocument::ensureOpen() {
    if (!open_) startDoc();
}

void PageDocument::breakBefore(double height) {
    // Half a twip of slack keeps a line that fits exactly on its page.
    if (currentY + height > flowBottom() + 0.5 && currentY > flowTop() + 0.5) newPage();
}

void PageDocument::paragraph(const QString& text) {
    ensureOpen();
    const double lineHeight = LineHeight(font);
    const ParagraphFormat& f = paragraphFormat;
    const double right = flowRight() - f.indentRight;
    const double xFirst = flowLeft() + f.indentFirst;
    const double xRest = flowLeft() + f.indentLeft;
    const QStringList lines = WrapText(font, text, right - xFirst, right - xRest);
    for (int i = 0; i < lines.size(); ++i) {
        breakBefore(lineHeight);
        if (!lines[i].isEmpty()) {
            TextItem t;
            t.x = i == 0 ? xFirst : xRest;
            t.y = currentY;
            t.text = lines[i];
            t.font = font;
            t.color = textColor;
            t.role = TextRole::Paragraph;
            add(t);
        }
        currentY += lineHeight;
    }
    currentY += f.spaceAfter;
    currentX = flowLeft();
}

void PageDocument::textAt(double x, double y, const QString& text) {
    ensureOpen();
    const double lineHeight = LineHeight(font);
    // Each line of a text below the one before, in the turned text's own "down".
    const double a = textAngle * kPi / 1800.0;
    const double downX = std::sin(a), downY = std::cos(a);
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    const QStringList lines = plain.split(QLatin1Char('\n'));
    double width = 0;
    for (int i = 0; i < lines.size(); ++i) {
        TextItem t;
        t.x = x + i * lineHeight * downX;
        t.y = y + i * lineHeight * downY;
        t.text = lines[i];
        t.font = font;
        t.color = textColor;
        t.angle = textAngle;
        if (!t.text.isEmpty()) add(t);
        width = TextWidth(font, lines[i]);
    }
    currentX = x + width * std::cos(a);
    currentY = y - width * std::sin(a);
}

double PageDocument::textWidth(const QString& text) const {
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, TextWidth(font, line));
    return widest;
}

double PageDocument::textHeight(const QString& text) const {
    return LineHeight(font) * (text.count(QLatin1Char('\n')) + 1);
}

void PageDocument::line(double x1, double y1, double x2, double y2) {
    ensureOpen();
    add(LineItem{QPointF(x1, y1), QPointF(x2, y2), pen});
}

void PageDocument::circle(double x, double y, double radius) {
    ensureOpen();
    add(CircleItem{QPointF(x, y), std::abs(radius), pen, brush});
}

void PageDocument::polygon(const QPolygonF& points) {
    ensureOpen();
    if (points.size() < 2) return;
    add(PolygonItem{points, pen, brush});
}

void PageDocument::polygon(const QString& coordinates) {
    const std::string text = coordinates.toStdString();
    std::vector<double> numbers;
    std::string_view rest(text);
    for (;;) {
        const numtext::Reading r = numtext::parse(rest);
        if (!r.found) break;
        numbers.push_back(r.value);
        rest.remove_prefix(r.length);
    }
    QPolygonF points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        points.append(QPointF(numbers[i], numbers[i + 1]));
    polygon(points);
}

}  // namespace tarelvo
