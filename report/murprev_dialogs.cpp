// The dialogs of the report window: font and colour of a style row, the PDF file, messages.
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

#include "report/murprev.h"

namespace tarelvo {

bool MurPrev::EligeFuente(QWidget* parent, TextStyle& style) {
    QFont initial(style.font.family);
    initial.setPointSizeF(style.font.size > 0 ? style.font.size : 10);
    initial.setBold(style.font.bold);
    initial.setItalic(style.font.italic);
    initial.setUnderline(style.font.underline);
    initial.setStrikeOut(style.font.strikeout);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Font"));
    if (!ok) return false;
    const QColor color = QColorDialog::getColor(style.color, parent, QStringLiteral("Color"));
    // Cancelling either half leaves the row as it was.
    if (!color.isValid()) return false;
    style.font.family = f.family();
    style.font.size = f.pointSizeF() > 0 ? f.pointSizeF() : style.font.size;
    style.font.bold = f.bold();
    style.font.italic = f.italic();
    style.font.underline = f.underline();
    style.font.strikeout = f.strikeOut();
    style.color = color;
    return true;
}

QString MurPrev::EligeArchivo(QWidget* parent, const QString& inicial) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Archivo PDF"), inicial,
                                        QStringLiteral("Archivo PDF (*.pdf)"));
}

void MurPrev::Avisa(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("Tarelvo"), text);
}

}  // namespace tarelvo
