#include "ui/reinforcement/murref.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/bar_spacing.h"
#include "engine/results_view.h"
#include "ui/main/twips_scaler.h"
#include "ui/reinforcement/esquema_refuerzo_canvas.h"

namespace tarelvo {

const QColor Murref::kRojoOscuro(128, 0, 0);
const QColor Murref::kAzulOscuro(0, 0, 128);
const QColor Murref::kNegro(0, 0, 0);
const QColor Murref::kRojo(255, 0, 0);

namespace {

const QSize kDiseno(11100, 6300);
const char* const kEtiquetas[7] = {"Label17", "Label18", "Label19", "Label20",
                                   "Label23", "Label24", "Label25"};

void Color(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}


// The schematic elements that draw each group's bars, and whether each shows only when a
// given element is visible.
struct Elemento {
    const char* nombre;
    const char* siVisible;  // null: always
    bool fila;              // a dot row Label4/Label5 (0 to 10)
};
const std::vector<Elemento>& ElementosDe(int grupo) {
    static const std::vector<Elemento> k[7] = {
        {{"Line11", "Line11", false}, {"Line13", "Line13", false}, {"Line20", "Line20", false},
         {"Line21", "Line20", false}},
        {{"Label2", "Label2", false}, {"Label4", "Label4(0)", true}},
        {{"Line16", "Line16", false}, {"Line17", "Line16", false}, {"Line18", "Line18", false},
         {"Line19", "Line18", false}},
        {{"Label1", "Label1", false}, {"Label5", "Label5(0)", true}},
        {{"Line14", nullptr, false}, {"Line15", nullptr, false}},
        {{"Line12", nullptr, false}},
        {{"Label3", nullptr, false}, {"Label21", nullptr, false}}};
    return k[grupo];
}

}  // namespace

Murref::Murref(ProjectState& state, GruposBarras& grupos, QWidget* parent)
    : QWidget(parent), s_(state), g_(grupos) {
    setObjectName(QStringLiteral("MURREF"));
    setWindowTitle(QStringLiteral("MURO DE CONTENCION -REFUERZO-"));
    resize(kDiseno.width() / 15, kDiseno.height() / 15);
    // Below this the texts of the rows no longer fit their boxes.
    setMinimumSize(860, 488);
    scaler_ = new TwipsScaler(this, kDiseno);
    Construye();
    g_.Carga(s_);
    Refresca();
}

void Murref::Construye() {
    auto place = [this](QWidget* w, const char* name, int l, int t, int wd, int h, double pt = 8,
                        bool bold = false) {
        w->setObjectName(QString::fromLatin1(name));
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(pt);
        f.setBold(bold);
        w->setFont(f);
        scaler_->place(w, l, t, wd, h, pt);
    };
    auto label = [&](QWidget* parent, const char* name, const QString& text, int l, int t, int wd,
                     int h = 255, double pt = 8, bool bold = false) {
        auto* lb = new QLabel(text, parent);
        place(lb, name, l, t, wd, h, pt, bold);
        return lb;
    };

    label(this, "LabelTipo", QStringLiteral("Tipo"), 2400, 330, 1500, 255, 8, true);
    label(this, "LabelArea", QStringLiteral("Area"), 4200, 330, 600, 255, 8, true);
    label(this, "LabelMom", QStringLiteral("Mom"), 4860, 330, 700, 255, 8, true);
    label(this, "LabelMuro", QStringLiteral("REFUERZO EN EL MURO"), 120, 640, 3000, 255, 8, true);
    label(this, "LabelZapata", QStringLiteral("REFUERZO EN LA ZAPATA"), 120, 3000, 3000, 255, 8,
          true);

    // Each row names its group in the words of the report and the drawings.
    const int filas[7] = {960, 1290, 1980, 2310, 3300, 3630, 3960};
    auto Mayusculas = [](const char* palabras) {
        QString t = QString::fromUtf8(palabras);
        for (int i = 0; i < t.size(); ++i)
            if (i == 0 || t[i - 1] == QLatin1Char(' ')) t[i] = t[i].toUpper();
        return t;
    };
    static const char* const kCombos[7] = {"Combo1", "Combo2", "Combo3", "Combo4",
                                           "Combo5", "Combo6", "Combo7"};
    static const char* const kAreas[7] = {"Label28", "Label29", "Label30", "Label31",
                                          "Label32", "Label33", "Label34"};
    for (int i = 0; i < 7; ++i) {
        const int top = filas[i];
        const GruposBarras::Nombres& n = GruposBarras::Palabras(i);
        label(this, (std::string("LabelCara") + std::to_string(i)).c_str(),
              Mayusculas(n.cara) + QLatin1Char(':'), 120, top + 30, 1250);
        label(this, (std::string("LabelDir") + std::to_string(i)).c_str(), Mayusculas(n.direccion),
              1320, top + 30, 1050);
        auto* c = new QComboBox(this);
        place(c, kCombos[i], 2400, top, 1500, 330);
        // Only the bars of the table: a typed text would be no bar at all.
        for (const Barra& b : kBarras) c->addItem(QString::fromUtf8(b.texto));
        c->setEditable(false);
        c->installEventFilter(this);
        Combo[i] = c;
        Area[i] = label(this, kAreas[i], QStringLiteral("99.99"), 4200, top + 30, 600);
        Area[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Label38 = label(this, "Label38", QStringLiteral("99.99"), 4860, 990, 700);
    Label40 = label(this, "Label40", QStringLiteral("99.99"), 4860, 3330, 700);
    Label41 = label(this, "Label41", QStringLiteral("99.99"), 4860, 3660, 700);
    for (QLabel* l : {Label38, Label40, Label41}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const int separTop[3] = {1620, 2640, 4290};
    static const char* const kSepar[3] = {"Separ1", "Separ2", "Separ3"};
    for (int k = 0; k < 3; ++k) {
        label(this, (std::string("LabelSepar") + std::to_string(k)).c_str(),
              QStringLiteral("Separacion Minima:"), 700, separTop[k] + 30, 1680);
        auto* e = new QLineEdit(QString::fromStdString(g_.separacion(k)), this);
        place(e, kSepar[k], 2400, separTop[k], 600, 315);
        Separ[k] = e;
    }

    label(this, "Label42", QStringLiteral("Titulo"), 120, 4750, 700);
    Label43 = label(this, "Label43", QString(), 820, 4750, 10100);

    Geometria = new QPushButton(QStringLiteral(" &Geometria"), this);
    place(Geometria, "Command1", 900, 5400, 1500, 420);
    Termina = new QPushButton(QStringLiteral("&Termina"), this);
    place(Termina, "Command2", 2700, 5400, 1500, 420);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    place(frame, "Frame1", 5820, 330, static_cast<int>(EsquemaRefuerzo::kAncho),
          static_cast<int>(EsquemaRefuerzo::kAlto));
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, Qt::white);
    frame->setPalette(pal);
    frame->installEventFilter(this);
    Frame1 = frame;
    auto* canvas = new EsquemaRefuerzoCanvas(esquema_, frame);
    place(canvas, "EsquemaRefuerzo", 0, 0, static_cast<int>(EsquemaRefuerzo::kAncho),
          static_cast<int>(EsquemaRefuerzo::kAlto));
    for (int i = 0; i < 7; ++i) {
        Resultado[i] = label(frame, kEtiquetas[i], QString(), 0, 0, 1200, 255, 7.5);
        Color(Resultado[i], kAzulOscuro);
    }
    Label46 = label(frame, "Label46", QString(), 0, 0, 1200, 255, 7.5);
    Label47 = label(frame, "Label47", QString(), 0, 0, 1200, 255, 7.5);
    for (QLabel* l : {Label46, Label47}) Color(l, kAzulOscuro);
    UbicaEtiquetas();

    for (int i = 0; i < 7; ++i) {
        QComboBox* c = Combo[i];
        connect(c, &QComboBox::currentIndexChanged, this, [this, i](int pos) {
            if (refrescando_) return;
            g_.Selecciona(s_, i, pos);
            Refresca();
        });
    }
    // A spacing is judged once typed: "0," on the way to "0,25" is no spacing yet.
    for (int k = 0; k < 3; ++k)
        connect(Separ[k], &QLineEdit::editingFinished, this, [this, k] { SeparacionEditada(k); });
    connect(Geometria, &QPushButton::clicked, this, &Murref::geometria);
    connect(Termina, &QPushButton::clicked, this, &Murref::termina);
}

// The widgets show what the bar groups hold.
void Murref::Refresca() {
    refrescando_ = true;
    for (int i = 0; i < 7; ++i) {
        QComboBox* c = Combo[i];
        const int pos = g_.posicion(i);
        if (c->currentIndex() != pos) c->setCurrentIndex(pos);
        Resultado[i]->setText(QString::fromStdString(g_.etiqueta(i)));
        ColorResultado(i);
    }
    for (int k = 0; k < 3; ++k) {
        const QString t = QString::fromStdString(g_.separacion(k));
        if (Separ[k]->text() != t) Separ[k]->setText(t);
    }
    refrescando_ = false;
}

// A group whose bars cannot be placed stays red, focused or not, and says why when pointed at.
void Murref::ColorResultado(int grupo) {
    const bool falla = (s_.BarrasSinEspacio & (1 << grupo)) != 0;
    Color(Resultado[grupo], falla ? kRojo : foco_ == grupo ? kRojoOscuro : kAzulOscuro);
    Resultado[grupo]->setToolTip(falla ? QString::fromStdString(AvisoBarras(grupo)) : QString());
}

void Murref::SeparacionEditada(int caja) {
    if (refrescando_) return;
    const std::string texto = Separ[caja]->text().toStdString();
    const std::string anterior = g_.separacion(caja);
    std::string normal;
    if (LeeSeparacion(texto, normal)) {
        if (normal != anterior) g_.CambiaSeparacion(s_, caja, normal);
        Refresca();
        return;
    }
    // The box is put back before the message takes the focus, so that leaving it again
    // finds a spacing it keeps.
    Refresca();
    if (presenter_)
        presenter_(this, QStringLiteral("Tarelvo"),
                   QString::fromStdString(MensajeSeparacion(texto, anterior)),
                   QMessageBox::Warning);
}

void Murref::UbicaEtiquetas() {
    auto ubica = [this](QLabel* l, const char* nombre) {
        const EsquemaRefuerzo::Marca& m = esquema_.marca(nombre);
        scaler_->place(l, static_cast<int>(m.left), static_cast<int>(m.top),
                       static_cast<int>(m.width), static_cast<int>(m.height), 7.5);
        l->setVisible(m.visible);
    };
    for (int i = 0; i < 7; ++i) ubica(Resultado[i], kEtiquetas[i]);
    ubica(Label46, "Label46");
    ubica(Label47, "Label47");
}

void Murref::Distribuye(int forma, bool conDentellon, const std::string& titulo) {
    esquema_.MuestraEsquema(forma, conDentellon);
    const ColumnasRefuerzo c = DistribuyeRefuerzo(s_, g_, titulo);
    Refresca();
    Label46->setText(QString::fromStdString(c.llave));
    Label47->setText(QString::fromUtf8(c.llaveBarras.c_str()));
    for (int i = 0; i < 7; ++i) Area[i]->setText(QString::fromStdString(c.area[i]));
    Label38->setText(QString::fromStdString(c.momMuro));
    Label40->setText(QString::fromStdString(c.momTalon));
    Label41->setText(QString::fromStdString(c.momPunta));
    Label43->setText(QString::fromStdString(c.titulo));
    esquema_.UbicaEsquema(forma, s_.Punta, s_.Talon);
    UbicaEtiquetas();
    update();
}

// The group that has the focus shows in dark red: its list, its description and the bars it
// describes on the schematic.
void Murref::Marca(int grupo, bool foco) {
    const QColor c = foco ? kRojoOscuro : kNegro;
    Color(Combo[grupo], c);
    if (foco) foco_ = grupo;
    else if (foco_ == grupo) foco_ = -1;
    ColorResultado(grupo);
    for (const Elemento& e : ElementosDe(grupo)) {
        auto visible = [this](const char* n) {
            const std::string s(n);
            return s.rfind("Line", 0) == 0 ? esquema_.line(s).visible : esquema_.marca(s).visible;
        };
        const bool marca = foco && (!e.siVisible || visible(e.siVisible));
        if (!foco || marca) {
            if (e.fila) {
                for (int i = 0; i < EsquemaRefuerzo::kPuntos; ++i)
                    esquema_.marca(EsquemaRefuerzo::Punto(e.nombre, i)).marcada = marca;
            } else if (std::string(e.nombre).rfind("Line", 0) == 0) {
                esquema_.line(e.nombre).marcada = marca;
            } else {
                esquema_.marca(e.nombre).marcada = marca;
            }
        }
    }
    Frame1->update();
}

bool Murref::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (int i = 0; i < 7; ++i)
            if (watched == Combo[i]) Marca(i, event->type() == QEvent::FocusIn);
    }
    if (watched == Frame1 && event->type() == QEvent::MouseButtonPress) Geometria->setFocus();
    return QWidget::eventFilter(watched, event);
}

// Closing the form by its frame goes back to the main window, as " &Geometria" does, instead
// of ending the program behind a hidden main window.
void Murref::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit geometria();
}

void Murref::mousePressEvent(QMouseEvent* event) {
    Geometria->setFocus();
    QWidget::mousePressEvent(event);
}

}  // namespace tarelvo
