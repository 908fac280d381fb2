// The report window's life: showing it, rebuilding the document, leaving it.
#include "ui/report/murprev.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "common/number_text.h"
#include "report/devices.h"
#include "ui/report/murprev_busy.h"
#include "ui/report/murprev_sheet_icon.h"
#include "ui/report/preview_widget.h"
#include "report/report_content.h"

namespace tarelvo {

QString ToInches(double twips) {
    std::string text = numtext::format(twips / 1440.0, "#0.##");
    if (!text.empty() && text.back() == '.') text.pop_back();
    return QString::fromStdString(text) + QLatin1Char('"');
}

// Load: what the window does the first time it is shown. The document is not built here:
// the activation that follows builds it, once the header and footer boxes are filled.
void MurPrev::Carga() {
    cargado_ = true;
    for (std::size_t i = 0; i < scrlMargin.size(); ++i) tagMargen_[i] = scrlMargin[i]->value();
    UpdateControlBar();
    Option1[0]->setChecked(true);
    RangoClick(0);
    Text6->setPlainText(
        QStringLiteral("Para separar el texto en dos o tres secciones (izquierda, central y "
                       "derecha), se coloca entre ellas el signo de barra vertical. Por "
                       "ejemplo:\n\n    Proyecto K1 | Muro M1| Pag %d\n\nEl texto puede "
                       "tener varias lineas.\n\nCampos: &T título del proyecto, &D fecha, "
                       "&A programa y versión, &P número de página (o %d), &N total de "
                       "páginas, && el signo &."));
}

void MurPrev::Activa() {
    if (!cargado_) Carga();
    if (prepara_ && !prepara_(fuente_)) {
        // The main window has told the user about the fault; there is nothing to show.
        QMetaObject::invokeMethod(this, &MurPrev::Salir, Qt::QueuedConnection);
        return;
    }
    // A window closed with a side panel open comes back with the panels as at the start.
    Frame3->hide();
    Frame4->hide();
    Frame1[1]->show();
    Frame1[2]->setEnabled(true);
    Frame2->setEnabled(true);
    Frame5->setEnabled(true);
    Vp->setInputEnabled(true);
    Text5[0]->setPlainText(EncabezadoInicial(s_));
    Text5[1]->setPlainText(PieInicial(s_));
    Check4->setEnabled(s_.RefuerzoDisp != 0);
    UpdatePreview();
}

void MurPrev::UpdatePreview() {
    // Queued events run inside a rebuild; one of them asking for another rebuild gets it
    // after this one, never in the middle of it.
    if (construyendo_) {
        pendiente_ = true;
        return;
    }
    construyendo_ = true;
    {
        MurPrevOcupado ocupado;
        do {
            pendiente_ = false;
            Construye();
            ++construcciones_;
        } while (pendiente_);
    }
    construyendo_ = false;
    if (imprimePendiente_) {
        imprimePendiente_ = false;
        Imprime();
    }
}

void MurPrev::Construye() {
    QCoreApplication::processEvents();
    LlenaDispositivos();
    LlenaPapeles();

    const int o = vp_.setup.orientation == 1 ? 1 : 0;
    opOrient[static_cast<std::size_t>(o)]->setChecked(true);
    imgOrient[static_cast<std::size_t>(o)]->show();
    imgOrient[static_cast<std::size_t>(1 - o)]->hide();

    if (cmbBorders->currentIndex() != vp_.setup.border) {
        const QSignalBlocker b(cmbBorders);
        cmbBorders->setCurrentIndex(vp_.setup.border);
    }
    for (int i = 0; i < 4; ++i) {
        const QString text = ToInches(Margen(i));
        if (txtMargin[static_cast<std::size_t>(i)]->text() != text)
            txtMargin[static_cast<std::size_t>(i)]->setText(text);
    }
    if (cmbPaperSizes->currentIndex() >= 0) {
        const int code = cmbPaperSizes->currentData().toInt();
        if (code != vp_.setup.paper) vp_.setup.paper = code;
    }
    QCoreApplication::processEvents();

    Inicia(vp_, Entradas());
    {
        const QSignalBlocker b(cmbBorders);
        cmbBorders->setCurrentIndex(vp_.setup.border);
    }
    vp_.endDoc();

    RangoClick(RangoElegido());
    QCoreApplication::processEvents();
}

void MurPrev::LlenaDispositivos() {
    const QSignalBlocker b(cmbDevice);
    if (cmbDevice->count() == 0) cmbDevice->addItems(DeviceNames());
    if (cmbDevice->currentText() != vp_.setup.device) {
        const int i = cmbDevice->findText(vp_.setup.device, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i >= 0) cmbDevice->setCurrentIndex(i);
    }
}

void MurPrev::LlenaPapeles() {
    const QString& device = vp_.setup.device;
    if (papelesDe_ != device || papeles_.empty()) {
        papelesDe_ = device;
        papeles_.clear();
        for (int code = 1; code <= kPaperLast; ++code)
            if (!PaperName(code).isEmpty() && DeviceSupportsPaper(device, code))
                papeles_.push_back(code);
        if (DeviceSupportsPaper(device, kPaperCustom)) papeles_.push_back(kPaperCustom);
    }
    const QSignalBlocker b(cmbPaperSizes);
    cmbPaperSizes->clear();
    for (int code : papeles_) cmbPaperSizes->addItem(PaperName(code), code);
    cmbPaperSizes->setCurrentIndex(cmbPaperSizes->findData(vp_.setup.paper));
}

ReportInputs MurPrev::Entradas() const {
    ReportInputs in;
    in.estado = s_;
    in.barras = fuente_.barras;
    in.datos = Check3->isChecked();
    // Its own enabled state: the panels disable the whole frame while they are open.
    in.refuerzo = Check4->isChecked() && Check4->isEnabledTo(Frame2);
    in.memoria = Check5->isChecked();
    in.diagramas = Check6->isChecked();
    in.encabezado = Text5[0]->toPlainText();
    in.pie = Text5[1]->toPlainText();
    in.titulo = QString::fromStdString(fuente_.titulo);
    in.estilos = estilos_;
    return in;
}

double& MurPrev::Margen(int index) {
    switch (index) {
    case 0: return vp_.setup.top;
    case 1: return vp_.setup.left;
    case 2: return vp_.setup.bottom;
    default: return vp_.setup.right;
    }
}

void MurPrev::Salir() {
    hide();
    emit salir();
}

void MurPrev::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Built once the window is on screen, as its activation comes after it is shown; a window
    // coming back from being minimised is not rebuilt.
    if (!event->spontaneous())
        QMetaObject::invokeMethod(
            this, [this] { if (isVisible()) Activa(); }, Qt::QueuedConnection);
}

void MurPrev::closeEvent(QCloseEvent* event) {
    // Closed from its frame it leaves as "&Salir" does, or the main window would stay disabled.
    event->accept();
    Salir();
}

}  // namespace tarelvo
