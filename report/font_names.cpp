#include "report/font_names.h"

#include <QFontDatabase>

namespace tarelvo {

namespace {
const char* const kArial = "Arial";
const char* const kLiberation = "Liberation Sans";
}  // namespace

void SustituyeArial() {
    if (!QFontDatabase::hasFamily(QString::fromLatin1(kArial)))
        QFont::insertSubstitution(QString::fromLatin1(kArial), QString::fromLatin1(kLiberation));
}

QString FamiliaInstalada(const QString& familia) {
    if (familia.compare(QLatin1String(kArial), Qt::CaseInsensitive) == 0 &&
        !QFontDatabase::hasFamily(familia) &&
        QFontDatabase::hasFamily(QString::fromLatin1(kLiberation)))
        return QString::fromLatin1(kLiberation);
    return familia;
}

QFont FuenteParaDialogo(const PageFont& f) {
    QFont q(FamiliaInstalada(f.family));
    q.setPointSizeF(f.size > 0 ? f.size : 10);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeout);
    // The dialog picks its style row by name: "Bold", not the default "Regular".
    q.setStyleName(f.bold && f.italic ? QStringLiteral("Bold Italic")
                   : f.bold           ? QStringLiteral("Bold")
                   : f.italic         ? QStringLiteral("Italic")
                                      : QStringLiteral("Regular"));
    return q;
}

void AplicaFuenteDeDialogo(const QFont& elegida, PageFont& f) {
    if (elegida.family() != FamiliaInstalada(f.family)) f.family = elegida.family();
    if (elegida.pointSizeF() > 0) f.size = elegida.pointSizeF();
    f.bold = elegida.bold();
    f.italic = elegida.italic();
    f.underline = elegida.underline();
    f.strikeout = elegida.strikeOut();
}

}  // namespace tarelvo
