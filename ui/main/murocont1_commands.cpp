// Start-up, the command buttons, the height check of "C&hequeo" and the state side of the
// front ground and passive wedge.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "engine/start_project.h"
#include "ui/export/autocad_form.h"
#include "export/drawing_inputs.h"
#include "ui/report/murprev.h"
#include "ui/about/frm_about.h"
#include "ui/diagrams/diagramas_form.h"
#include "ui/files/confirm_dialog.h"
#include "ui/options/opciones_dialog.h"
#include "ui/reinforcement/murref.h"
#include "ui/main/combo_text.h"
#include "ui/main/field_edit.h"
#include "ui/main/field_numbers.h"
#include "ui/main/murocont1.h"
#include "ui/window_fit.h"
#include "ui/main/option_array.h"
#include "ui/main/twips_scaler.h"

namespace tarelvo {

void MuroCont1::Arranque() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    scaler_->setTop(Label44, 720);
    scaler_->setTop(Label39, 990);
    ProjectState inicial;
    CamposMuro c;
    ProyectoInicial(inicial, c);
    PonProyecto(inicial, c);
    CambiaDsz();
    Motor([this] {
        CalculaMuro(s_, *this);
        ChequeaMuro(s_, *this, *this);
    });
    MarcaGuardado();
    QApplication::restoreOverrideCursor();
}

void MuroCont1::Calcular() {
    Motor([this] { tarelvo::Calcular(s_, *this, *this); });
}

// The height as its field holds it. A check never changes what the engineer typed: neither
// the stem base nor the footing of a wall made lower, which only "&Calculo" designs again
// (AvisoDiseno says so).
void MuroCont1::CambiAltura() {
    const QString texto = Altura->text();
    int i = 0;
    while (i < texto.size() && texto[i] == QLatin1Char(' ')) ++i;
    if (i == texto.size() || Num(Altura) < 1.0) return;
    s_.Altura = Guarda(Altura);
    AnchoEtiqueta();
    CambiaDsz();
    s_.AlturaAnt = s_.Altura;
}

// The front ground: the foundation depth stays between the footing thickness and the top of
// the stem.
void MuroCont1::CambiaDsz() {
    s_.Dsz = Guarda(Dsz);
    s_.AltZap = Guarda(AltZap);
    if (s_.Dsz < s_.AltZap) {
        s_.Dsz = s_.AltZap;
        Dsz->setFieldText(Fmt(s_.Dsz));
    }
    const double tope = Num(AltZap) + Num(Altura);
    if (s_.Dsz > tope) {
        s_.Dsz = static_cast<float>(tope);
        Dsz->setFieldText(Fmt(s_.Dsz));
    }
    s_.AltLibre = AlturaLibre(s_);
    DibujaSuelo();
    Click_Option2();
    Option2->select(s_.Pasiva == 1 ? 0 : 1);
    Click_Option2();
}

bool MuroCont1::PreparaRefuerzo() {
    // Inputs changed since the last check are checked as "C&hequeo" would.
    if (!(vigente_ ? Chequea() : ChequeoCompleto())) return false;
    if (!murref_) {
        murref_ = new Murref(s_, grupos_);
        murref_->resize(size());
        murref_->setMessagePresenter([this](QWidget* parent, const QString& title, const QString& text,
                                            QMessageBox::Icon icon) {
            if (presenter_) presenter_(parent, title, text, icon);
        });
        connect(murref_, &Murref::geometria, this, [this] {
            // The bars chosen in the form may have changed the verdict: the panel shows it
            // from the state as the form left it, without checking anew.
            MuestraResultados(s_);
            show();
            // Back in front with the keyboard, so that typing goes to its fields.
            raise();
            activateWindow();
            murref_->hide();
        });
        // The exit is asked over the reinforcement form, the window on screen then.
        connect(murref_, &Murref::termina, this, [this] { Pregunta(sale_, murref_); });
    }
    grupos_.PreseleccionaBarras(s_);
    murref_->Distribuye(stemShapeSelected(), Option3->isSelected(0), Titulo->text().toStdString());
    // The check published its verdict before the bars were laid out for it.
    MuestraResultados(s_);
    return true;
}

// The schematic's front ground, its depth field beside it, and the footing's dimension lines.
void MuroCont1::DibujaSuelo() {
    esquema_.SueloFrontal(s_.Dsz, s_.AltZap, s_.Altura);
    esquema_.DimenZap();
    RedibujaEsquema();
    scaler_->setTop(Dsz, static_cast<int>(esquema_.DszTop()));
}

void MuroCont1::DimenZap() {
    esquema_.DimenZap();
    RedibujaEsquema();
    Click_Option2();
}

void MuroCont1::ConnectCommands() {
    connect(Command8, &QPushButton::clicked, this, [this] { ChequeoCompleto(); });
    connect(Command1, &QPushButton::clicked, this, [this] {
        // A failed design leaves the fields as they were; there is nothing new to check.
        if (Motor([this] { tarelvo::Calcular(s_, *this, *this); })) {
            disenada_ = {s_.Altura, AltZap->text(), Punta->text(), Talon->text()};
            Chequea();
        }
        // "&Calculo" has just disabled itself; the focus must not fall on "&Nuevo", where two
        // presses of Enter would wipe the project.
        Command8->setFocus(Qt::OtherFocusReason);
    });
    connect(Command7, &QPushButton::clicked, this, [this] {
        if (!PreparaRefuerzo()) return;
        ColocaEnPantalla(murref_, murref_->size(), this);
        murref_->show();
        murref_->raise();
        hide();
    });
    connect(Command6, &QPushButton::clicked, this, [this] {
        // Nothing is printed from results the inputs have left behind.
        if (!vigente_ && !ChequeoCompleto()) return;
        if (!murprev_) {
            // A window of its own: disabling the main window must leave it usable.
            murprev_ = new MurPrev(s_, [this](MurPrevFuente& f) {
                if (!PreparaRefuerzo()) return false;
                f.titulo = Titulo->text().toStdString();
                for (int g = 0; g < GruposBarras::kGrupos; ++g) f.barras[g] = grupos_.etiqueta(g);
                return true;
            });
            connect(murprev_, &MurPrev::salir, this, [this] {
                setEnabled(true);
                show();
            });
        }
        setEnabled(false);
        ColocaEnPantalla(murprev_, murprev_->size(), this);
        murprev_->show();
        murprev_->raise();
    });
    connect(Command11, &QPushButton::clicked, this, [this] {
        if (!vigente_ && !ChequeoCompleto()) return;
        if (!autocad_) {
            autocad_ = new Autocad([this](EntradaDibujo& e) {
                if (!PreparaRefuerzo()) return false;
                // The wall the check just analysed, not the fields as typed.
                e = EntradaDeProyecto(s_, grupos_);
                return true;
            });
            autocad_->setMessagePresenter(presenter_);
        }
        ColocaEnPantalla(autocad_, autocad_->sizeHint().expandedTo(autocad_->size()), this);
        autocad_->show();
        autocad_->raise();
        autocad_->activateWindow();
    });
    connect(Command9, &QPushButton::clicked, this, [this] {
        // The diagrams show the wall as a check finds it now, and only one the check completed.
        if (!(vigente_ ? Chequea() : ChequeoCompleto()) || !Command9->isEnabled()) return;
        if (!diagramas_) {
            diagramas_ = new DiagramasForm;
            diagramas_->resize(size() * 0.95);
            connect(diagramas_, &DiagramasForm::cerrado, this, [this] {
                setEnabled(true);
                show();
            });
        }
        diagramas_->Muestra(s_);
        setEnabled(false);
        ColocaEnPantalla(diagramas_, diagramas_->size(), this);
        diagramas_->show();
        diagramas_->raise();
        diagramas_->activateWindow();
    });
    connect(Command12, &QPushButton::clicked, this, [this] {
        if (!opciones_) {
            opciones_ = new OpcionesDialog(this);
            connect(opciones_, &OpcionesDialog::aceptado, this, [this] { OpcionesOk(); });
            connect(opciones_, &OpcionesDialog::cancelado, this, [this] { opciones_->hide(); });
        }
        opciones_->Carga(s_);
        opciones_->Muestra(this);
    });
    connect(Command10, &QPushButton::clicked, this, [this] {
        if (!about_) about_ = new FrmAbout(this);
        ColocaEnPantalla(about_, about_->sizeHint().expandedTo(about_->size()), this);
        about_->show();
        about_->raise();
    });
}

// A refused value keeps the dialog open on it; taken values are the project's, and the wall is
// checked with them at once.
void MuroCont1::OpcionesOk() {
    const std::vector<double> antes = ValoresOpciones(s_);
    if (const std::string error = opciones_->Lee(s_); !error.empty()) {
        // Over the dialog, which stays open on the refused value.
        if (presenter_)
            presenter_(opciones_, QStringLiteral("Tarelvo"), QString::fromStdString(error),
                       QMessageBox::Warning);
        return;
    }
    opciones_->hide();
    if (ValoresOpciones(s_) == antes) return;
    // Greyed and marked first: a check that faults leaves results of the old method.
    RevisaVigencia();
    if (vigente_) return;
    ChequeoCompleto();
}

}  // namespace tarelvo
