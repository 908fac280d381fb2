#include "report/text_wrap.h"

#include <QFontMetricsF>

#include "report/text_metrics.h"

namespace tarelvo {

namespace {

class Wrapper {
public:
    Wrapper(const PageFont& font, double firstWidth, double width)
        : metrics_(TwipsFont(font)), first_(firstWidth), rest_(width) {}

    void hardLine(const QString& text) {
        const QStringList words = text.split(QLatin1Char(' '));
        // Blanks are kept where they are; a line breaks only at one.
        QString line = words.first();
        for (int i = 1; i < words.size(); ++i) {
            const QString tried = line + QLatin1Char(' ') + words[i];
            if (line.trimmed().isEmpty() || fits(tried)) {
                line = tried;
                continue;
            }
            push(line);
            line = words[i];
        }
        push(line);
    }

    QStringList lines;

private:
    double available() const { return lines.isEmpty() ? first_ : rest_; }
    bool fits(const QString& s) const { return metrics_.horizontalAdvance(s) <= available(); }
    void push(const QString& line) {
        // A word too wide for its line is cut between characters.
        QString rest = line;
        while (!fits(rest) && rest.size() > 1) {
            int n = 1;
            while (n < rest.size() && fits(rest.left(n + 1))) ++n;
            lines.append(rest.left(n));
            rest = rest.mid(n);
        }
        lines.append(rest);
    }

    QFontMetricsF metrics_;
    double first_, rest_;
};

}  // namespace

QStringList WrapText(const PageFont& font, const QString& text, double firstWidth,
                     double width) {
    Wrapper w(font, firstWidth, width);
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    for (const QString& hard : plain.split(QLatin1Char('\n'))) w.hardLine(hard);
    return w.lines;
}

}  // namespace tarelvo
