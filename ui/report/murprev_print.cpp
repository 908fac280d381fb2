// "Imprime": which pages go out, and printing them.
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include "report/devices.h"
#include "ui/report/murprev.h"
#include "ui/report/murprev_busy.h"
#include "ui/report/murprev_updown.h"
#include "report/page_printer.h"
#include "ui/report/preview_widget.h"

namespace tarelvo {

int MurPrev::RangoElegido() const {
    for (std::size_t i = 0; i < Option1.size(); ++i)
        if (Option1[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

void MurPrev::RangoClick(int index) {
    const QString count = QString::number(vp_.pageCount());
    // The boxes go with their arrows: a page typed under "To&das las paginas" would
    // otherwise print instead of all of them.
    const bool paginas = index == 2;
    for (QWidget* w : {static_cast<QWidget*>(UpDown1), static_cast<QWidget*>(UpDown2),
                       static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)})
        w->setEnabled(paginas);
    UpDown1->setMaximum(index == 0 ? 1 : vp_.pageCount());
    UpDown2->setMaximum(vp_.pageCount());
    if (index == 0) {
        Text1->setText(QStringLiteral("1"));
        Text2->setText(count);
    } else if (index == 1) {
        Text1->setText(QString::number(Vp->page()));
        Text2->setText(QString::number(Vp->page()));
    } else {
        if (Text1->text().isEmpty()) Text1->setText(QStringLiteral("1"));
        if (Text2->text().isEmpty()) Text2->setText(count);
    }
}

void MurPrev::Imprime() {
    // The pages being rebuilt are not the ones to print; they go out once they are complete.
    if (construyendo_) {
        imprimePendiente_ = true;
        return;
    }
    const int shown = Vp->page();
    if (vp_.setup.device == kPdfDevice) {
        const QString inicial = vp_.setup.pdfPath.isEmpty() ? QStringLiteral("Reporte.pdf")
                                                            : vp_.setup.pdfPath;
        QString path = fileChooser_(this, inicial);
        if (path.isEmpty()) return;
        if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
        vp_.setup.pdfPath = path;
    }
    QString error;
    {
        MurPrevOcupado ocupado;
        error = PrintPages(vp_, MurPrevUpDown::Numero(Text1->text()),
                           MurPrevUpDown::Numero(Text2->text()));
    }
    if (!error.isEmpty()) presenter_(this, error);
    Vp->setPage(shown);
    UpdateControlBar();
}

}  // namespace tarelvo
