// The report window's controls: the control bar across the top, the setup panels down the
// left, and the preview filling the rest.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/report/murprev.h"
#include "ui/window_fit.h"
#include "ui/report/murprev_sheet_icon.h"
#include "ui/report/murprev_updown.h"
#include "ui/report/preview_widget.h"

namespace tarelvo {

namespace {

constexpr int kPanelWidth = 316;

template <class W>
W* Nombra(W* w, const char* name, int index = -1) {
    w->setObjectName(QString::fromLatin1(name));
    if (index >= 0) w->setProperty("index", index);
    return w;
}

QPushButton* Boton(QWidget* parent, const char* name, int index, const QString& caption) {
    return Nombra(new QPushButton(caption, parent), name, index);
}

// A label whose accelerator moves the focus to `buddy`.
QLabel* Etiqueta(QWidget* parent, const QString& caption, QWidget* buddy = nullptr) {
    auto* l = new QLabel(caption, parent);
    if (buddy) l->setBuddy(buddy);
    return l;
}

}  // namespace

MurPrev::MurPrev(ProjectState& state, Prepara prepara, QWidget* parent)
    : QWidget(parent), s_(state), prepara_(std::move(prepara)) {
    setObjectName(QStringLiteral("MurPrev"));
    setWindowTitle(QStringLiteral("Print Preview"));
    Frame1[0] = nullptr;
    Command5[2] = nullptr;
    Text3[2] = Text4[2] = nullptr;
    Picture1[2] = nullptr;

    ConstruyeBarra();
    ConstruyeGeneral();
    ConstruyePapel();
    ConstruyeImprime();
    ConstruyeEstilos();
    ConstruyeEncabezado();
    Vp = Nombra(new PreviewWidget(this), "Vp");
    Vp->setDocument(&vp_);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    for (QWidget* w : {static_cast<QWidget*>(Frame1[1]), static_cast<QWidget*>(Frame3),
                       static_cast<QWidget*>(Frame4), static_cast<QWidget*>(Frame1[2]),
                       static_cast<QWidget*>(Frame2)}) {
        w->setFixedWidth(kPanelWidth);
        left->addWidget(w);
    }
    left->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(Vp, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 6, 6, 6);
    top->addWidget(Frame5);
    top->addLayout(body, 1);
    Frame3->hide();
    Frame4->hide();

    vp_.setup = DefaultPageSetup();
    vp_.onDocumentComplete = [this] {
        Vp->refresh();
        UpdateControlBar();
    };
    Conecta();
    // The control bar and the settings panels need this much to show every caption.
    setMinimumSize(960, 640);
    // As large as the screen's free area lets it be, up to the size the pages read best at.
    ColocaEnPantalla(this, QSize(1200, 900));
}

namespace {
const char* const kHintsPagina[] = {"Primera página", "Página anterior", "Página siguiente",
                                    "Última página"};
const char* const kHintsZoom[] = {"Zoom mínimo", "Reducir el zoom", "Aumentar el zoom",
                                  "Zoom máximo"};
}  // namespace

void MurPrev::ConstruyeBarra() {
    Frame5 = Nombra(new QFrame(this), "Frame5");
    Frame5->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* row = new QHBoxLayout(Frame5);
    row->setContentsMargins(6, 4, 6, 4);
    const QString flechas[] = {QStringLiteral("|<"), QStringLiteral("<"), QStringLiteral(">"),
                               QStringLiteral(">|")};
    const auto valor = [this](const char* name) {
        auto* l = Nombra(new QLabel(Frame5), name);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumWidth(40);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    for (int i = 0; i < 4; ++i) {
        cmdPage[static_cast<std::size_t>(i)] = Boton(Frame5, "cmdPage", i, flechas[i]);
        cmdPage[static_cast<std::size_t>(i)]->setFixedWidth(32);
        cmdPage[static_cast<std::size_t>(i)]->setToolTip(QString::fromUtf8(kHintsPagina[i]));
        row->addWidget(cmdPage[static_cast<std::size_t>(i)]);
    }
    row->addWidget(new QLabel(QStringLiteral("Pagina:"), Frame5));
    lblPage = valor("lblPage");
    row->addWidget(lblPage);
    row->addSpacing(16);
    for (int i = 0; i < 4; ++i) {
        cmdZoom[static_cast<std::size_t>(i)] = Boton(Frame5, "cmdZoom", i, flechas[i]);
        cmdZoom[static_cast<std::size_t>(i)]->setFixedWidth(32);
        cmdZoom[static_cast<std::size_t>(i)]->setToolTip(QString::fromUtf8(kHintsZoom[i]));
        // The zoom's arrows look apart from the pages': italic, on a lighter face.
        QFont f = cmdZoom[static_cast<std::size_t>(i)]->font();
        f.setItalic(true);
        cmdZoom[static_cast<std::size_t>(i)]->setFont(f);
        cmdZoom[static_cast<std::size_t>(i)]->setStyleSheet(
            QStringLiteral("QPushButton { background-color: #e8f0fb; }"));
        row->addWidget(cmdZoom[static_cast<std::size_t>(i)]);
    }
    row->addWidget(new QLabel(QStringLiteral("Zoom:"), Frame5));
    lblZoom = valor("lblZoom");
    row->addWidget(lblZoom);
    row->addSpacing(16);
    Command1 = Boton(Frame5, "Command1", -1, QStringLiteral("&Imprimir"));
    Command2 = Boton(Frame5, "Command2", -1, QStringLiteral("&Salir"));
    row->addWidget(Command1);
    row->addWidget(Command2);
    row->addStretch(1);
    cmbDevice = Nombra(new QComboBox(Frame5), "cmbDevice");
    cmbDevice->setMinimumWidth(220);
    row->addWidget(cmbDevice);
}

void MurPrev::ConstruyeGeneral() {
    QGroupBox* f = Nombra(new QGroupBox(QStringLiteral("General"), this), "Frame1", 1);
    Frame1[1] = f;
    auto* col = new QVBoxLayout(f);

    auto* botones = new QHBoxLayout;
    Command6 = Boton(f, "Command6", -1, QStringLiteral("Header/Footer"));
    Command4 = Boton(f, "Command4", -1, QStringLiteral("Font/Color"));
    botones->addWidget(Command6);
    botones->addWidget(Command4);
    col->addLayout(botones);

    auto* orient = new QGroupBox(QStringLiteral("Orientacion"), f);
    auto* og = new QGridLayout(orient);
    opOrient[0] = Nombra(new QRadioButton(QStringLiteral("P&ortrait"), orient), "opOrient", 0);
    opOrient[1] = Nombra(new QRadioButton(QStringLiteral("&Landscape"), orient), "opOrient", 1);
    og->addWidget(opOrient[0], 0, 0);
    og->addWidget(opOrient[1], 1, 0);
    for (int i = 0; i < 2; ++i) {
        imgOrient[static_cast<std::size_t>(i)] =
            Nombra(new MurPrevSheetIcon(i == 1, orient), "imgOrient", i);
        og->addWidget(imgOrient[static_cast<std::size_t>(i)], 0, 1, 2, 1, Qt::AlignCenter);
    }
    imgOrient[1]->hide();
    col->addWidget(orient);

    auto* margenes = new QGroupBox(QStringLiteral("Margenes"), f);
    auto* mg = new QGridLayout(margenes);
    const QString rotulos[] = {QStringLiteral("&Top"), QStringLiteral("Le&ft"),
                               QStringLiteral("Botto&m"), QStringLiteral("Rig&ht")};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        txtMargin[k] = Nombra(new QLineEdit(ToInches(1440), margenes), "txtMargin", i);
        txtMargin[k]->setFixedWidth(56);
        scrlMargin[k] = Nombra(new QScrollBar(Qt::Vertical, margenes), "scrlMargin", i);
        scrlMargin[k]->setRange(0, 100);
        scrlMargin[k]->setValue(50);
        scrlMargin[k]->setFixedSize(16, txtMargin[k]->sizeHint().height());
        auto* cell = new QHBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(txtMargin[k]);
        cell->addWidget(scrlMargin[k]);
        mg->addWidget(Etiqueta(margenes, rotulos[i], txtMargin[k]), i / 2, (i % 2) * 2);
        mg->addLayout(cell, i / 2, (i % 2) * 2 + 1);
    }
    col->addWidget(margenes);

    auto* bordes = new QHBoxLayout;
    cmbBorders = Nombra(new QComboBox(f), "cmbBorders");
    cmbBorders->addItems({QStringLiteral("Ninguno"), QStringLiteral("Abajo"),
                          QStringLiteral("Arriba"), QStringLiteral("Arriba y Abajo"),
                          QStringLiteral("Alrededor")});
    cmbBorders->setCurrentIndex(0);
    bordes->addWidget(Etiqueta(f, QStringLiteral("&Bordes"), cmbBorders));
    bordes->addWidget(cmbBorders, 1);
    col->addLayout(bordes);
}

void MurPrev::ConstruyePapel() {
    QGroupBox* f = Nombra(new QGroupBox(QStringLiteral("Papel"), this), "Frame1", 2);
    Frame1[2] = f;
    auto* col = new QVBoxLayout(f);
    cmbPaperSizes = Nombra(new QComboBox(f), "cmbPaperSizes");
    // A list of twenty at a time, not one reaching across the whole screen.
    cmbPaperSizes->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    cmbPaperSizes->setMaxVisibleItems(20);
    col->addWidget(cmbPaperSizes);
}

void MurPrev::ConstruyeImprime() {
    Frame2 = Nombra(new QGroupBox(QStringLiteral("Imprime"), this), "Frame2");
    auto* g = new QGridLayout(Frame2);
    const QString opciones[] = {QStringLiteral("To&das las paginas"),
                                QStringLiteral("Pa&gina actual"), QStringLiteral("Pagi&nas:")};
    for (int i = 0; i < 3; ++i) {
        Option1[static_cast<std::size_t>(i)] =
            Nombra(new QRadioButton(opciones[i], Frame2), "Option1", i);
        g->addWidget(Option1[static_cast<std::size_t>(i)], i, 0, 1, 6);
    }
    Text1 = Nombra(new QLineEdit(Frame2), "Text1");
    Text2 = Nombra(new QLineEdit(Frame2), "Text2");
    UpDown1 = Nombra(new MurPrevUpDown(Text1, Frame2), "UpDown1");
    UpDown2 = Nombra(new MurPrevUpDown(Text2, Frame2), "UpDown2");
    for (QLineEdit* t : {Text1, Text2}) t->setFixedWidth(44);
    g->addWidget(new QLabel(QStringLiteral("Desde"), Frame2), 3, 0, Qt::AlignRight);
    g->addWidget(Text1, 3, 1);
    g->addWidget(UpDown1, 3, 2);
    g->addWidget(new QLabel(QStringLiteral("Hasta"), Frame2), 3, 3, Qt::AlignRight);
    g->addWidget(Text2, 3, 4);
    g->addWidget(UpDown2, 3, 5);
    Check3 = Nombra(new QCheckBox(QStringLiteral("Datos"), Frame2), "Check3");
    Check4 = Nombra(new QCheckBox(QStringLiteral("Refuerzo"), Frame2), "Check4");
    Check5 = Nombra(new QCheckBox(QStringLiteral("Memoria"), Frame2), "Check5");
    Check6 = Nombra(new QCheckBox(QStringLiteral("Diagramas"), Frame2), "Check6");
    for (QCheckBox* c : {Check3, Check4, Check5, Check6}) c->setChecked(true);
    g->addWidget(Check3, 4, 0, 1, 3);
    g->addWidget(Check4, 4, 3, 1, 3);
    g->addWidget(Check5, 5, 0, 1, 3);
    g->addWidget(Check6, 5, 3, 1, 3);
    g->setColumnStretch(6, 1);
}

void MurPrev::ConstruyeEstilos() {
    Frame3 = Nombra(new QGroupBox(QStringLiteral("Font/Color"), this), "Frame3");
    auto* g = new QGridLayout(Frame3);
    g->setHorizontalSpacing(4);
    const QString columnas[] = {QStringLiteral("Font"), QStringLiteral("Tamaño"),
                                QStringLiteral("Color"), QStringLiteral("Efecto")};
    for (int c = 0; c < 4; ++c)
        g->addWidget(new QLabel(columnas[c], Frame3), 0, c + 1, Qt::AlignCenter);
    g->setColumnStretch(1, 1);
    const std::pair<int, QString> filas[] = {{0, QStringLiteral("Header")},
                                             {1, QStringLiteral("Footer")},
                                             {3, QStringLiteral("Sub-Titulos")},
                                             {4, QStringLiteral("Texto")}};
    int row = 1;
    for (const auto& [i, rotulo] : filas) {
        const auto k = static_cast<std::size_t>(i);
        Command5[k] = Boton(Frame3, "Command5", i, QString());
        Text3[k] = Nombra(new QLineEdit(Frame3), "Text3", i);
        Text4[k] = Nombra(new QLineEdit(Frame3), "Text4", i);
        Picture1[k] = Nombra(new QFrame(Frame3), "Picture1", i);
        for (QLineEdit* t : {Text3[k], Text4[k]}) {
            t->setReadOnly(true);
            t->setCursor(Qt::ArrowCursor);
            t->installEventFilter(this);
        }
        // A long font name must not squeeze the row labels out of the panel.
        Command5[k]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        Command5[k]->setMinimumWidth(52);
        Text3[k]->setFixedWidth(36);
        Text4[k]->setFixedWidth(60);
        Picture1[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        Picture1[k]->setFixedSize(26, 20);
        Picture1[k]->setAutoFillBackground(true);
        Picture1[k]->installEventFilter(this);
        g->addWidget(new QLabel(rotulo, Frame3), row, 0);
        g->addWidget(Command5[k], row, 1);
        g->addWidget(Text3[k], row, 2);
        g->addWidget(Picture1[k], row, 3, Qt::AlignCenter);
        g->addWidget(Text4[k], row, 4);
        MuestraEstilo(i);
        ++row;
    }
    Command7 = Boton(Frame3, "Command7", -1, QStringLiteral("OK"));
    g->addWidget(Command7, row, 3, 1, 2);
}

void MurPrev::ConstruyeEncabezado() {
    Frame4 = Nombra(new QGroupBox(QStringLiteral("Header/Footer"), this), "Frame4");
    auto* col = new QVBoxLayout(Frame4);
    const QString rotulos[] = {QStringLiteral("Header"), QStringLiteral("Footerr")};
    for (int i = 0; i < 2; ++i) {
        auto* t = Nombra(new QPlainTextEdit(Frame4), "Text5", i);
        t->setTabChangesFocus(true);
        t->setFixedHeight(64);
        Text5[static_cast<std::size_t>(i)] = t;
        col->addWidget(new QLabel(rotulos[i], Frame4));
        col->addWidget(t);
    }
    Text6 = Nombra(new QPlainTextEdit(Frame4), "Text6");
    Text6->setReadOnly(true);
    // Its full height where the window has it; in the smallest window it scrolls rather than
    // run under the "OK" button.
    Text6->setMinimumHeight(60);
    Text6->setMaximumHeight(150);
    Text6->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // A hint, not a box to type in: it takes the panel's colour.
    QPalette hint = Text6->palette();
    hint.setColor(QPalette::Base, hint.color(QPalette::Window));
    Text6->setPalette(hint);
    col->addWidget(Text6);
    Command8 = Boton(Frame4, "Command8", -1, QStringLiteral("OK"));
    col->addWidget(Command8, 0, Qt::AlignRight);
}

}  // namespace tarelvo
