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

QFont TwipsFont(const FontSpec& spec) {
    QFont f(spec.family.isEmpty() ? QStringLiteral("Arial") : spec.family);
    f.setPixelSize(static_cast<int>(std::lround(UsableFontSize(spec.size) * 20)));
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    f.setStrikeOut(spec.strikeout);
    // Measures must not depend on the screen the program happens to run on.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double TextWidth(const FontSpec& spec, const QString& text) {
    return QFontMetricsF(TwipsFont(spec)).horizontalAdvance(text);
}

double LineHeight(const FontSpec& spec) {
    const QFontMetricsF m(TwipsFont(spec));
    return m.height() + std::max(0.0, m.leading());
}

double Ascent(const FontSpec& spec) { return QFontMetricsF(TwipsFont(spec)).ascent(); }

}  // namespace tarelvo
