// Which handler each control of the report window runs.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "ui/report/murprev.h"
#include "ui/report/murprev_updown.h"
#include "ui/report/preview_widget.h"

namespace tarelvo {

void MurPrev::Conecta() {
    fontChooser_ = &MurPrev::EligeFuente;
    fileChooser_ = &MurPrev::EligeArchivo;
    presenter_ = &MurPrev::Avisa;

    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        connect(cmdPage[k], &QPushButton::clicked, this, [this, i] { PaginaBoton(i); });
        connect(cmdZoom[k], &QPushButton::clicked, this, [this, i] { ZoomBoton(i); });
        txtMargin[k]->installEventFilter(this);
        connect(scrlMargin[k], &QScrollBar::valueChanged, this,
                [this, i](int value) { MargenScroll(i, value); });
    }
    connect(Vp, &PreviewWidget::pageChanged, this, [this] {
        UpdateControlBar();
        if (Option1[1]->isChecked()) RangoClick(1);
    });
    connect(Vp, &PreviewWidget::zoomChanged, this, [this] { UpdateControlBar(); });
    connect(Command1, &QPushButton::clicked, this, &MurPrev::Imprime);
    connect(Command2, &QPushButton::clicked, this, &MurPrev::Salir);
    connect(cmbDevice, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MurPrev::DispositivoClick);
    connect(cmbPaperSizes, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MurPrev::PapelClick);
    connect(cmbBorders, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MurPrev::BordesClick);
    for (int i = 0; i < 2; ++i)
        connect(opOrient[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { OrientacionClick(i); });
    for (int i = 0; i < 3; ++i)
        connect(Option1[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { RangoClick(i); });
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& t) { UpDown2->setMinimum(MurPrevUpDown::Numero(t)); });
    for (QCheckBox* c : {Check3, Check4, Check5, Check6})
        connect(c, &QCheckBox::toggled, this, &MurPrev::UpdatePreview);
    connect(Command4, &QPushButton::clicked, this, [this] { AbrePanel(Frame3); });
    connect(Command6, &QPushButton::clicked, this, [this] { AbrePanel(Frame4); });
    connect(Command7, &QPushButton::clicked, this, [this] { CierraPanel(Frame3); });
    connect(Command8, &QPushButton::clicked, this, [this] { CierraPanel(Frame4); });
    for (int i : {0, 1, 3, 4})
        connect(Command5[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { EstiloClick(i); });
}

bool MurPrev::eventFilter(QObject* watched, QEvent* event) {
    const int index = watched->property("index").toInt();
    const QString name = watched->objectName();
    if (name == QLatin1String("txtMargin")) {
        auto* box = static_cast<QLineEdit*>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            // After the click that gave the focus, which would place the cursor instead.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
            break;
        case QEvent::FocusOut: {
            // Leaving for another window or a menu is not leaving the box.
            const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
            if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
                MargenSale(index);
            break;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                MargenSale(index);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }
    if ((name == QLatin1String("Text3") || name == QLatin1String("Text4") ||
         name == QLatin1String("Picture1")) &&
        event->type() == QEvent::MouseButtonRelease) {
        EstiloClick(index);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tarelvo
