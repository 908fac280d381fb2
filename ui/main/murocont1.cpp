#include "ui/main/murocont1.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ui/alt_keys.h"

#include "common/number_text.h"
#include "ui/export/autocad_form.h"
#include "ui/report/murprev.h"
#include "ui/files/confirm_dialog.h"
#include "ui/diagrams/diagramas_form.h"
#include "ui/reinforcement/murref.h"
#include "ui/main/esquema_canvas.h"
#include "ui/main/field_edit.h"
#include "ui/main/field_numbers.h"
#include "ui/main/hints.h"
#include "ui/main/option_array.h"
#include "ui/main/status_panel.h"
#include "ui/main/twips_scaler.h"
#include "ui/main/used_thickness.h"

namespace tarelvo {

const QColor MuroCont1::kNavy(0, 0, 128);
const QColor MuroCont1::kRed(255, 0, 0);

void SetForeColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

QColor ForeColor(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

namespace {
// The design client area: both columns side by side.
const QSize kDesignSize(10215, 7395);
// The smallest client area, in the design's proportions (about 13 twips a pixel).
const QSize kMinimo(780, 565);
}  // namespace

MuroCont1::MuroCont1(ProjectState& state, QWidget* parent) : QWidget(parent), s_(state) {
    setObjectName(QStringLiteral("murocont1"));
    setWindowTitle(QStringLiteral("MURO DE CONTENCION -GEOMETRIA-"));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);
    // Laid out at the design size of 15 twips a pixel first; the caller resizes it.
    resize(kDesignSize.width() / 15, kDesignSize.height() / 15);
    // Below this every text would no longer fit its box.
    setMinimumSize(kMinimo);
    scaler_ = new TwipsScaler(this, kDesignSize);
    if (QCoreApplication* app = QCoreApplication::instance()) SinLetrasDeAlt(*app);

    BuildLeftColumn();
    BuildSchematicFields();
    BuildResultsPanel();
    ConnectEntradas();
    ConnectEditing();
    ConnectCommands();
    ConnectFiles();
    WatchForHints(this);
    ActualizaTitulo();

    presenter_ = [](QWidget* parent, const QString& title, const QString& text,
                    QMessageBox::Icon icon) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.exec();
    };
}

// The confirmation dialogs are windows of their own; they go with the main window.
MuroCont1::~MuroCont1() {
    delete nuevo_;
    delete sale_;
    delete murref_;
    delete autocad_;
    delete murprev_;
    delete diagramas_;
}

QSize MuroCont1::comfortableSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 960);
    const double k = std::min(avail.width() * 0.92 / kDesignSize.width(),
                              avail.height() * 0.88 / kDesignSize.height());
    return QSize(std::max(kMinimo.width(), static_cast<int>(kDesignSize.width() * k)),
                 std::max(kMinimo.height(), static_cast<int>(kDesignSize.height() * k)));
}

// --- What the engine reads ---

std::string MuroCont1::centroText() const { return Centro->text().toStdString(); }
bool MuroCont1::centricaSelected() const { return Option5->isSelected(3); }
int MuroCont1::stemShapeSelected() const {
    const int i = Option1->selected();
    return i < 0 ? 0 : i;
}

// --- Engine runs ---

void MuroCont1::Mensaje(const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (presenter_) presenter_(this, title, text, icon);
}

bool MuroCont1::Motor(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const EngineFault& f) {
        // Nothing may be printed or drawn from a wall the engine could not finish.
        for (QPushButton* b : {Command6, Command7, Command9, Command11}) b->setEnabled(false);
        if (silencio_ > 0) return false;
        Mensaje(QStringLiteral("Tarelvo"),
                QString::fromUtf8(f.what()) +
                    QStringLiteral("\n\nRevise los datos; los valores mostrados son los del "
                                   "último cálculo completo."),
                QMessageBox::Warning);
        return false;
    }
}

bool MuroCont1::Chequea() {
    return Motor([this] { ChequeaMuro(s_, *this, *this); });
}

bool MuroCont1::ChequeoCompleto() {
    CambiAltura();
    CambiaDsz();
    const bool ok = Chequea();
    AvisoDiseno();
    return ok;
}

// --- Results ---

void MuroCont1::MuestraResultados(const ProjectState& s) {
    ultimo_ = EvaluaResultados(s);
    const ResultsView& v = ultimo_;
    vigente_ = true;
    PintaResultados();
    Command1->setEnabled(v.calculo);
    Command6->setEnabled(v.preview);
    Command7->setEnabled(v.refuerzo);
    Command8->setEnabled(v.chequeo);
    Command9->setEnabled(v.diag);
    // The drawing needs what the reinforcement needs.
    Command11->setEnabled(v.refuerzo);
    MuestraMuroUsado();
}

void MuroCont1::MuestraMuroUsado() {
    const MuroMostrado m = MuroDeChequeo(s_, Num(Ancho), Num(Centro));
    // The fields keep the typed stem; the label and captions show the one analysed.
    if (!m.zapata.isEmpty()) Label4->setText(m.zapata);
    EspTopeUsado->setText(m.tope.texto);
    EspTopeUsado->setVisible(m.tope.visible);
    EspBaseUsado->setText(m.base.texto);
    EspBaseUsado->setVisible(m.base.visible);
}

// The top caption stands centred over the Ancho box, clear of the surcharge value on its
// right; the base caption centred under the Centro box.
void MuroCont1::ColocaEspesoresUsados() {
    const QRect ancho = scaler_->designRect(Ancho);
    const QRect tope = scaler_->designRect(EspTopeUsado);
    scaler_->move(EspTopeUsado, ancho.left() + (ancho.width() - tope.width()) / 2,
                  ancho.top() - 15 - tope.height());
    const QRect centro = scaler_->designRect(Centro);
    const QRect base = scaler_->designRect(EspBaseUsado);
    scaler_->move(EspBaseUsado, centro.left() + (centro.width() - base.width()) / 2,
                  centro.top() + centro.height() + 15);
}

void MuroCont1::AlineaCotas() {
    const Esquema::Cotas c = esquema_.AlineaCotas(stemShapeSelected(),
                                                  scaler_->designRect(Centro).width());
    scaler_->setLeft(Ancho, static_cast<int>(c.anchoLeft));
    scaler_->setLeft(Label42, static_cast<int>(c.label42Left));
    scaler_->setLeft(Label43, static_cast<int>(c.label43Left));
    scaler_->setLeft(Centro, static_cast<int>(c.centroLeft));
    scaler_->setLeft(Punta, static_cast<int>(c.puntaLeft));
    scaler_->setLeft(Talon, static_cast<int>(c.talonLeft));
    scaler_->setLeft(AnchDent, static_cast<int>(c.anchDentLeft));
    ColocaEspesoresUsados();
    // A footing design hands its footing to the fields after publishing its results, and the
    // fields' handlers write the typed sum into the width label: the analysed one goes back.
    MuestraMuroUsado();
    RedibujaEsquema();
    // The last step of every check and design: the inputs shown are now those analysed.
    analizado_ = Campos();
    opcAnalizadas_ = ValoresOpciones(s_);
    vigente_ = false;
    RevisaVigencia();
}

void MuroCont1::RedibujaEsquema() {
    if (canvas_) canvas_->update();
}

// A field whose text is already the new one runs no handler, so the numbers are stored here
// as well: the state must hold what the fields show (1.60, not the 1.5999995 of the design).
void MuroCont1::EscribeZapata(ProjectState& s, const std::string& altZap,
                              const std::string& punta, const std::string& talon) {
    AltZap->setFieldText(QString::fromStdString(altZap));
    s.AltZap = Guarda(AltZap);
    EscribePuntaTalon(s, punta, talon);
}

void MuroCont1::EscribePuntaTalon(ProjectState& s, const std::string& punta,
                                  const std::string& talon) {
    Punta->setFieldText(QString::fromStdString(punta));
    Talon->setFieldText(QString::fromStdString(talon));
    s.Punta = Guarda(Punta);
    s.Talon = Guarda(Talon);
    AnchoEtiqueta();
}

// The front ground follows a footing the design thickened past it, and the schematic with it.
void MuroCont1::EscribeDsz(ProjectState& s, const std::string& dsz) {
    Dsz->setFieldText(QString::fromStdString(dsz));
    s.Dsz = Guarda(Dsz);
    CambiaDsz();
}

// --- Hints ---

void MuroCont1::WatchForHints(QWidget* root) {
    root->setMouseTracking(true);
    for (QWidget* w : root->findChildren<QWidget*>()) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
        // Each control hears the mouse over itself only, not over the controls it holds.
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            w->setAttribute(Qt::WA_NoMousePropagation);
    }
}

bool MuroCont1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        QWidget* w = qobject_cast<QWidget*>(watched);
        // A control's inner parts (the viewport of the hint box, a combo's edit line)
        // speak for the control.
        while (w && w != this &&
               (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
            w = w->parentWidget();
        if (w && w != this) {
            const Hint h = HintFor(w->objectName());
            if (h.action == HintAction::Show)
                Text1->setPlainText(h.text);
            else if (h.action == HintAction::Clear)
                Text1->clear();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MuroCont1::mouseMoveEvent(QMouseEvent* event) {
    // The window's own background: the eccentricity and Base/6 values show.
    Label30->show();
    Label31->show();
    QWidget::mouseMoveEvent(event);
}

void MuroCont1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && s_.PrimeraActiv) {
        QCoreApplication::processEvents();
        s_.PrimeraActiv = 0;
    }
    QWidget::changeEvent(event);
}

}  // namespace tarelvo
