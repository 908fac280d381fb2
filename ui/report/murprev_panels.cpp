// The side panels "Font/Color" and "Header/Footer", which take the place of "General" while
// the rest of the window waits.
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/number_text.h"
#include "ui/report/murprev.h"
#include "ui/report/preview_widget.h"

namespace tarelvo {

void MurPrev::AbrePanel(QGroupBox* panel) {
    Frame1[1]->hide();
    Frame1[2]->setEnabled(false);
    Frame2->setEnabled(false);
    Frame5->setEnabled(false);
    Vp->setInputEnabled(false);
    paginaRecordada_ = Vp->page();
    panel->show();
}

void MurPrev::CierraPanel(QGroupBox* panel) {
    if (panel == Frame4) {
        s_.Encabezado = Text5[0]->toPlainText().toStdString();
        s_.PiePagina = Text5[1]->toPlainText().toStdString();
    }
    panel->hide();
    Frame1[1]->show();
    Frame1[2]->setEnabled(true);
    Frame2->setEnabled(true);
    Frame5->setEnabled(true);
    Vp->setInputEnabled(true);
    UpdatePreview();
    Vp->setPage(paginaRecordada_);
    UpdateControlBar();
}

TextStyle& MurPrev::Estilo(int index) {
    switch (index) {
    case 0: return estilos_.header;
    case 1: return estilos_.footer;
    case 3: return estilos_.subtitle;
    default: return estilos_.text;
    }
}

void MurPrev::EstiloClick(int index) {
    TextStyle style = Estilo(index);
    if (!fontChooser_(this, style)) return;
    Estilo(index) = style;
    MuestraEstilo(index);
}

void MurPrev::MuestraEstilo(int index) {
    const auto k = static_cast<std::size_t>(index);
    const TextStyle& style = Estilo(index);
    // A "&" in a font's name is no accelerator.
    QString caption = style.font.family;
    Command5[k]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    std::string size = numtext::format(style.font.size, "#0.##");
    if (!size.empty() && size.back() == '.') size.pop_back();
    Text3[k]->setText(QString::fromStdString(size));
    Text4[k]->setText(style.font.bold ? QStringLiteral("Bold") : QStringLiteral("Regular"));
    // The style box's own font carries the effects; its text only names the weight.
    QFont f = Text4[k]->font();
    f.setBold(style.font.bold);
    f.setItalic(style.font.italic);
    f.setUnderline(style.font.underline);
    f.setStrikeOut(style.font.strikeout);
    Text4[k]->setFont(f);
    QPalette text = Text4[k]->palette();
    text.setColor(QPalette::Text, style.color);
    Text4[k]->setPalette(text);
    QPalette swatch = Picture1[k]->palette();
    swatch.setColor(QPalette::Window, style.color);
    Picture1[k]->setPalette(swatch);
}

}  // namespace tarelvo
