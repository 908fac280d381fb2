#include "report/text_metrics.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>

namespace tarelvo {

double UsableFontSize(double points) {
    if (std::isnan(points)) return 10;
    if (points < 1) return 1;
    if (points > 1000) return 1000;
    return points;
}

QFont TwipsFont(const PageFont& f) {
    QFont q(f.family.isEmpty() ? QStringLiteral("Arial") : f.family);
    q.setPixelSize(static_cast<int>(std::lround(UsableFontSize(f.size) * 20)));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeout);
    // Measures must not depend on the screen the program happens to run on.
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

double TextWidth(const PageFont& f, const QString& text) {
    return QFontMetricsF(TwipsFont(f)).horizontalAdvance(text);
}

double LineHeight(const PageFont& f) {
    const QFontMetricsF m(TwipsFont(f));
    return m.height() + std::max(0.0, m.leading());
}

double Ascent(const PageFont& f) { return QFontMetricsF(TwipsFont(f)).ascent(); }

}  // namespace tarelvo
