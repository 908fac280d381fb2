// The dialogs of the report window: font and colour of a style row, the PDF file, messages.
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

#include "report/font_names.h"
#include "ui/report/murprev.h"

namespace tarelvo {

bool MurPrev::EligeFuente(QWidget* parent, TextStyle& style) {
    bool ok = false;
    const QFont f =
        QFontDialog::getFont(&ok, FuenteParaDialogo(style.font), parent, QStringLiteral("Fuente"));
    if (!ok) return false;
    // The font chosen stands once its dialog says OK; cancelling the colour that follows
    // keeps the colour the row had.
    AplicaFuenteDeDialogo(f, style.font);
    const QColor color = QColorDialog::getColor(style.color, parent, QStringLiteral("Color"));
    if (color.isValid()) style.color = color;
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
