// The page setup controls of the "General" and "Papel" panels and the printer list.
#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "engine/field_rules.h"
#include "ui/report/murprev.h"
#include "ui/report/murprev_busy.h"

namespace tarelvo {

void MurPrev::OrientacionClick(int index) {
    if (index == vp_.setup.orientation) return;
    MurPrevOcupado ocupado;
    vp_.startDoc();
    vp_.killDoc();
    vp_.setup.orientation = index;
    UpdatePreview();
    RangoClick(RangoElegido());
}

void MurPrev::BordesClick(int index) {
    if (index < 0 || index == vp_.setup.border) return;
    MurPrevOcupado ocupado;
    vp_.startDoc();
    vp_.killDoc();
    vp_.setup.border = index;
    UpdatePreview();
}

void MurPrev::DispositivoClick() {
    const QString device = cmbDevice->currentText();
    if (device.isEmpty() || device == vp_.setup.device) return;
    vp_.setup.device = device;
    UpdatePreview();
}

void MurPrev::PapelClick() {
    if (cmbPaperSizes->currentIndex() < 0) return;
    const int code = cmbPaperSizes->currentData().toInt();
    if (code == vp_.setup.paper) return;
    vp_.setup.paper = code;
    UpdatePreview();
}

namespace {

// How the engineer knows each margin box in a message.
const char* const kRotuloMargen[] = {"el margen superior", "el margen izquierdo",
                                     "el margen inferior", "el margen derecho"};

// A margin box's text as the field rules read an entry: "," or "." as the decimal separator.
// The inch mark the box shows may stay after the number.
EntradaCampo LeeMargen(int index, QString texto) {
    texto = texto.trimmed();
    if (texto.endsWith(QLatin1Char('"'))) texto.chop(1);
    return LeeEntrada("Margen", kRotuloMargen[index], texto.toStdString());
}

}  // namespace

void MurPrev::MargenSale(int index) {
    QLineEdit* box = txtMargin[static_cast<std::size_t>(index)];
    const EntradaCampo e = LeeMargen(index, box->text());
    if (!e.aceptada) {
        // The box shows the margin in force again before the message says why.
        box->setText(ToInches(Margen(index)));
        presenter_(this, QString::fromStdString(e.mensaje));
        return;
    }
    double twips = e.valor * 1440.0;
    // No margin below nothing, nor beyond the paper it is measured on (a typed 1e308 would
    // otherwise become infinite).
    const double paper = index % 2 == 0 ? vp_.pageHeight() : vp_.pageWidth();
    twips = std::isfinite(twips) ? std::clamp(twips, 0.0, paper) : (twips > 0 ? paper : 0.0);
    // The box shows the margin as taken, also when it is the one already set.
    const QString shown = ToInches(twips);
    if (box->text() != shown) box->setText(shown);
    if (twips == Margen(index)) return;
    Margen(index) = twips;
    UpdatePreview();
}

void MurPrev::MargenScroll(int index, int value) {
    const auto k = static_cast<std::size_t>(index);
    // A text that is no number steps from the margin in force.
    const EntradaCampo e = LeeMargen(index, txtMargin[k]->text());
    const double now = e.aceptada ? e.valor : Margen(index) / 1440.0;
    // The up arrow lowers the bar's value and widens the margin.
    const double next = value < tagMargen_[k] ? now + 0.1 : now - 0.1;
    txtMargin[k]->setText(QString::number(next, 'g', 12));
    // Back to the middle, so that the bar never runs out of arrow clicks.
    {
        const QSignalBlocker b(scrlMargin[k]);
        scrlMargin[k]->setValue((scrlMargin[k]->minimum() + scrlMargin[k]->maximum()) / 2);
    }
    tagMargen_[k] = scrlMargin[k]->value();
    MargenSale(index);
}

}  // namespace tarelvo
