#include "ui/options/opciones_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "common/number_text.h"
#include "engine/method_options.h"

namespace tarelvo {

namespace {

// The option's value as its box shows it: "0.00", with more decimals only when the value has
// them, so that "OK" without a change keeps every value exactly.
QString Texto(double v) {
    std::string patron = "0.00";
    for (;;) {
        const std::string t = numtext::format(v, patron);
        if (static_cast<float>(numtext::read(t)) == static_cast<float>(v) || patron.size() >= 12)
            return QString::fromStdString(t);
        patron += '0';
    }
}

QLineEdit* Caja(QWidget* p, const char* nombre) {
    auto* e = new QLineEdit(p);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(60);
    return e;
}

QComboBox* Lista(QWidget* p, const char* nombre, const QStringList& textos) {
    auto* c = new QComboBox(p);
    c->setObjectName(QString::fromLatin1(nombre));
    c->addItems(textos);
    return c;
}

QLabel* Rotulo(const QString& texto, QWidget* p) { return new QLabel(texto, p); }

}  // namespace

OpcionesDialog::OpcionesDialog(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Opciones"));
    setWindowTitle(QStringLiteral("Opciones de cálculo"));
    setWindowModality(Qt::WindowModal);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9);
    setFont(f);

    auto* minimos = new QGroupBox(QStringLiteral("FACTORES DE SEGURIDAD MINIMOS"), this);
    auto* gm = new QGridLayout(minimos);
    FsMinVuelco = Caja(minimos, "FsMinVuelco");
    FsMinDesliz = Caja(minimos, "FsMinDesliz");
    FsMinVuelcoSismo = Caja(minimos, "FsMinVuelcoSismo");
    FsMinDeslizSismo = Caja(minimos, "FsMinDeslizSismo");
    gm->addWidget(Rotulo(QStringLiteral("Sin sismo"), minimos), 0, 1);
    gm->addWidget(Rotulo(QStringLiteral("Con sismo"), minimos), 0, 2);
    gm->addWidget(Rotulo(QStringLiteral("Vuelco"), minimos), 1, 0);
    gm->addWidget(FsMinVuelco, 1, 1);
    gm->addWidget(FsMinVuelcoSismo, 1, 2);
    gm->addWidget(Rotulo(QStringLiteral("Deslizamiento"), minimos), 2, 0);
    gm->addWidget(FsMinDesliz, 2, 1);
    gm->addWidget(FsMinDeslizSismo, 2, 2);

    auto* base = new QGroupBox(QStringLiteral("FRICCION EN LA BASE"), this);
    auto* gb = new QGridLayout(base);
    Friccion = Lista(base, "Friccion",
                     {QStringLiteral("tan φ"), QStringLiteral("tan(2φ/3)"),
                      QStringLiteral("Coeficiente μ")});
    Mu = Caja(base, "Mu");
    gb->addWidget(Friccion, 0, 0);
    gb->addWidget(Rotulo(QStringLiteral("μ ="), base), 0, 1, Qt::AlignRight);
    gb->addWidget(Mu, 0, 2);
    gb->addWidget(Rotulo(QStringLiteral("Adherencia: 2/3 de la cohesión"), base), 1, 0, 1, 3);

    auto* pasiva = new QGroupBox(QStringLiteral("PRESION PASIVA FRENTE A LA ZAPATA"), this);
    auto* gp = new QVBoxLayout(pasiva);
    PasivaFrente = Lista(pasiva, "PasivaFrente",
                         {QStringLiteral("Según la opción PRESION PASIVA"),
                          QStringLiteral("No considerar")});
    gp->addWidget(PasivaFrente);

    auto* materiales = new QGroupBox(QStringLiteral("CONCRETO Y CAPACIDAD DE CARGA"), this);
    auto* gc = new QGridLayout(materiales);
    GammaC = Caja(materiales, "GammaC");
    ReglaCapacidad = Lista(materiales, "ReglaCapacidad",
                           {QStringLiteral("3 con cohesión, 2 sin cohesión"),
                            QStringLiteral("Factor dado")});
    FsCapacidad = Caja(materiales, "FsCapacidad");
    gc->addWidget(Rotulo(QStringLiteral("Peso unitario del concreto (To/m3)"), materiales), 0, 0);
    gc->addWidget(GammaC, 0, 2);
    gc->addWidget(Rotulo(QStringLiteral("F.S. de la capacidad"), materiales), 1, 0);
    gc->addWidget(ReglaCapacidad, 2, 0);
    gc->addWidget(FsCapacidad, 2, 2);

    auto* sismo = new QGroupBox(QStringLiteral("SISMO Y AGUA"), this);
    auto* gs = new QGridLayout(sismo);
    Kh = Caja(sismo, "Kh");
    Kv = Caja(sismo, "Kv");
    Hw = Caja(sismo, "Hw");
    HwMaximo = Rotulo(QString(), sismo);
    HwMaximo->setObjectName(QStringLiteral("HwMaximo"));
    gs->addWidget(Rotulo(QStringLiteral("Coeficiente sísmico horizontal kh"), sismo), 0, 0);
    gs->addWidget(Kh, 0, 1);
    gs->addWidget(Rotulo(QStringLiteral("Coeficiente sísmico vertical kv"), sismo), 1, 0);
    gs->addWidget(Kv, 1, 1);
    gs->addWidget(Rotulo(QStringLiteral("Altura del agua sobre la base hw (m)"), sismo), 2, 0);
    gs->addWidget(Hw, 2, 1);
    gs->addWidget(HwMaximo, 3, 0, 1, 2);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setFixedHeight(58);
    QPalette gris = Text1->palette();
    gris.setColor(QPalette::Base, QColor(192, 192, 192));
    Text1->setPalette(gris);

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    Cancela = new QPushButton(QStringLiteral("Cancela"), this);
    Cancela->setObjectName(QStringLiteral("Cancela"));
    Cancela->setAutoDefault(false);

    auto* columnas = new QHBoxLayout;
    auto* izq = new QVBoxLayout;
    izq->addWidget(minimos);
    izq->addWidget(base);
    izq->addWidget(pasiva);
    izq->addStretch();
    auto* der = new QVBoxLayout;
    der->addWidget(materiales);
    der->addWidget(sismo);
    der->addStretch();
    columnas->addLayout(izq);
    columnas->addLayout(der);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(OK);
    botones->addWidget(Cancela);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(columnas);
    todo->addWidget(Text1);
    todo->addLayout(botones);

    const std::pair<QWidget*, const char*> hints[] = {
        {FsMinVuelco, "Factor de seguridad mínimo contra el vuelco (1.0 a 3.0; usual 1.5)"},
        {FsMinDesliz,
         "Factor de seguridad mínimo contra el deslizamiento (1.0 a 3.0; usual 1.5)"},
        {FsMinVuelcoSismo,
         "Factor de seguridad mínimo contra el vuelco en el caso con sismo (1.0 a 3.0; usual "
         "1.1)"},
        {FsMinDeslizSismo,
         "Factor de seguridad mínimo contra el deslizamiento en el caso con sismo (1.0 a 3.0; "
         "usual 1.1)"},
        {Friccion,
         "Coeficiente de fricción entre la zapata y el suelo de fundación: tan φ (usual), "
         "tan(2φ/3), o un coeficiente μ dado. La adherencia es siempre 2/3 de la cohesión"},
        {Mu, "Coeficiente de fricción μ en la base (0.1 a 1.0), con la opción \"Coeficiente μ\""},
        {PasivaFrente,
         "Según la opción PRESION PASIVA: la cara de la zapata y el dentellón resisten siempre, "
         "y el suelo sobre la zapata solo si está \"Considerada\". No considerar: ninguna "
         "presión pasiva, por si el suelo frente al muro puede ser excavado"},
        {GammaC, "Peso unitario del concreto (2.0 a 2.6 To/m3; usual 2.4)"},
        {ReglaCapacidad,
         "Factor de seguridad sobre la capacidad de carga cuando la presión admisible se calcula "
         "(Presion Adm. Terreno 0.00): 3 con cohesión y 2 sin ella, o un factor dado"},
        {FsCapacidad, "Factor de seguridad dado sobre la capacidad de carga (2.0 a 4.0)"},
        {Kh, "Coeficiente sísmico horizontal kh (0 a 0.5); 0: sin caso sísmico"},
        {Kv, "Coeficiente sísmico vertical kv (0 a 0.3), con kh mayor que 0"},
        {Hw,
         "Altura del nivel freático sobre el fondo de la zapata (m), hasta la altura del "
         "respaldo virtual; 0: relleno drenado"},
        {OK, "Acepta las opciones y chequea el muro"},
        {Cancela, "Cierra sin cambiar ninguna opción"},
    };
    for (const auto& [w, texto] : hints) {
        hints_.insert(w, QString::fromUtf8(texto));
        w->setToolTip(QString::fromUtf8(texto));
        w->installEventFilter(this);
    }

    connect(Friccion, &QComboBox::currentIndexChanged, this, [this] { Habilita(); });
    connect(ReglaCapacidad, &QComboBox::currentIndexChanged, this, [this] { Habilita(); });
    connect(OK, &QPushButton::clicked, this, [this] { emit aceptado(); });
    connect(Cancela, &QPushButton::clicked, this, [this] { emit cancelado(); });
}

void OpcionesDialog::Habilita() {
    Mu->setEnabled(Friccion->currentIndex() == 2);
    FsCapacidad->setEnabled(ReglaCapacidad->currentIndex() == 1);
}

void OpcionesDialog::Carga(const ProjectState& s) {
    FsMinVuelco->setText(Texto(s.FsMinVuelco));
    FsMinDesliz->setText(Texto(s.FsMinDesliz));
    FsMinVuelcoSismo->setText(Texto(s.FsMinVuelcoSismo));
    FsMinDeslizSismo->setText(Texto(s.FsMinDeslizSismo));
    Friccion->setCurrentIndex(s.Friccion);
    Mu->setText(Texto(s.Mu));
    PasivaFrente->setCurrentIndex(s.PasivaFrente == 0 ? 1 : 0);
    GammaC->setText(Texto(s.GammaC));
    ReglaCapacidad->setCurrentIndex(s.FsCapacidad > 0 ? 1 : 0);
    // The usual rule's factor for a soil with cohesion, as a start for a factor of one's own.
    FsCapacidad->setText(Texto(s.FsCapacidad > 0 ? s.FsCapacidad : 3.0));
    Kh->setText(Texto(s.Kh));
    Kv->setText(Texto(s.Kv));
    Hw->setText(Texto(s.Hw));
    HwMaximo->setText(QStringLiteral("Máximo para este muro: %1 m")
                          .arg(QString::fromStdString(numtext::format(tarelvo::HwMaximo(s), "0.00"))));
    Habilita();
    Text1->clear();
}

std::string OpcionesDialog::Lee(ProjectState& s) {
    ProjectState n = s;
    std::vector<std::pair<QLineEdit*, const char*>> cajas = {
        {FsMinVuelco, "FsMinVuelco"}, {FsMinDesliz, "FsMinDesliz"},
        {FsMinVuelcoSismo, "FsMinVuelcoSismo"}, {FsMinDeslizSismo, "FsMinDeslizSismo"},
        {GammaC, "GammaC"}, {Kh, "Kh"}, {Kv, "Kv"}, {Hw, "Hw"}};
    // A box that is not in use keeps its value out of the method.
    if (Mu->isEnabled()) cajas.push_back({Mu, "Mu"});
    if (FsCapacidad->isEnabled()) cajas.push_back({FsCapacidad, "FsCapacidad"});
    for (const auto& [caja, nombre] : cajas) {
        double v = 0;
        std::string error;
        if (!numtext::parseTyped(caja->text().toStdString(), v))
            error = std::string("El valor de ") + nombre + " no es un número: \"" +
                    caja->text().toStdString() + "\"";
        else
            error = AplicaOpcion(n, *OpcionDe(nombre), v);
        if (!error.empty()) {
            caja->setFocus(Qt::OtherFocusReason);
            caja->selectAll();
            return error;
        }
    }
    AplicaOpcion(n, *OpcionDe("Friccion"), Friccion->currentIndex());
    AplicaOpcion(n, *OpcionDe("PasivaFrente"), PasivaFrente->currentIndex() == 1 ? 0 : 1);
    if (!FsCapacidad->isEnabled()) n.FsCapacidad = 0;
    if (std::string error = RevisaHw(n); !error.empty()) {
        Hw->setFocus(Qt::OtherFocusReason);
        Hw->selectAll();
        return error;
    }
    s = n;
    return "";
}

void OpcionesDialog::Muestra(QWidget* ventana) {
    if (parentWidget() != ventana) setParent(ventana, windowFlags());
    setWindowModality(Qt::WindowModal);
    show();
    raise();
    activateWindow();
    FsMinVuelco->setFocus(Qt::OtherFocusReason);
}

bool OpcionesDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) &&
        hints_.contains(watched))
        Text1->setPlainText(hints_.value(watched));
    return QDialog::eventFilter(watched, event);
}

// Closing by the frame or with Escape is "Cancela".
void OpcionesDialog::closeEvent(QCloseEvent* e) {
    e->ignore();
    emit cancelado();
}

// Once closed, the window it served takes the keyboard back.
void OpcionesDialog::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (QWidget* v = parentWidget(); v && v->isVisible()) v->activateWindow();
}

void OpcionesDialog::reject() { emit cancelado(); }

}  // namespace tarelvo
