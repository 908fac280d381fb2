// Project files, the new project and the exit: "&Salva", "&Abre", "&Nuevo" and "&Termina".
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include "files/confirm_dialog.h"
#include "files/file_io.h"
#include "files/mur_format.h"
#include "files/mur_project.h"
#include "files/safe_save.h"
#include "ui/main/combo_text.h"
#include "ui/main/field_edit.h"
#include "ui/main/field_numbers.h"
#include "ui/main/murocont1.h"
#include "ui/main/option_array.h"
#include "ui/main/value_label.h"

namespace tarelvo {

namespace {


// The list position of a list's text; a value typed in that is not on the list is kept as
// the nearest entry, so that the file can always be read back.
int PosicionLista(const QComboBox* c) {
    const int i = c->findText(c->currentText());
    if (i >= 0) return i;
    std::vector<int> lista;
    for (int k = 0; k < c->count(); ++k) lista.push_back(static_cast<int>(Num(c->itemText(k))));
    return PosicionEnLista(Num(c->currentText()), lista.data(), c->count());
}

}  // namespace

void MuroCont1::Muestra() {
    show();
    setEnabled(true);
}

void MuroCont1::ConnectFiles() {
    chooser_ = [](QWidget* parent, bool guardar, const QString& inicial) {
        const QString filtro = QStringLiteral("(*.mur) (*.mur)");
        return guardar ? QFileDialog::getSaveFileName(parent, QStringLiteral("Salva"), inicial,
                                                      filtro)
                       : QFileDialog::getOpenFileName(parent, QStringLiteral("Abre"), inicial,
                                                      filtro);
    };
    question_ = [](QWidget* parent, const QString& title, const QString& text) {
        return QMessageBox::warning(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel) ==
               QMessageBox::Ok;
    };
    salir_ = [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    };

    nuevo_ = new ConfirmDialog("NUEVO", QStringLiteral("OK para borrar los datos"), this);
    sale_ = new ConfirmDialog("SaleForm", QStringLiteral("OK para terminar"), this);

    connect(nuevo_, &ConfirmDialog::aceptado, this, [this] { NuevOk(); });
    for (ConfirmDialog* d : {nuevo_, sale_})
        connect(d, &ConfirmDialog::cancelado, this, [this, d] {
            setEnabled(true);
            d->hide();
        });
    connect(sale_, &ConfirmDialog::aceptado, this, [this] {
        salidaConf_ = 1;
        sale_->hide();
        QCoreApplication::processEvents();
        if (salir_) salir_();
    });

    connect(Command5, &QPushButton::clicked, this, [this] {
        setEnabled(false);
        nuevo_->show();
        nuevo_->raise();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        setEnabled(false);
        sale_->show();
        sale_->raise();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        setEnabled(false);
        SalvaArchivo();
    });
    connect(Command4, &QPushButton::clicked, this, [this] {
        setEnabled(false);
        CargaArchi();
    });
}

// Closing the window by its frame asks, as "&Termina" does, so that a slip of the mouse never
// loses the project; once the exit is confirmed the window closes.
void MuroCont1::closeEvent(QCloseEvent* event) {
    if (salidaConf_) {
        event->accept();
        return;
    }
    event->ignore();
    if (!sale_->isVisible()) {
        setEnabled(false);
        sale_->show();
        sale_->raise();
    }
}

void MuroCont1::NuevOk() {
    Titulo->setFieldText(QString());
    Ancho->setFieldText(QStringLiteral("0.20"));
    Altura->setFieldText(QStringLiteral("1.00"));
    AltZap->setFieldText(QStringLiteral("0.25"));
    Punta->setFieldText(QStringLiteral("0.30"));
    Talon->setFieldText(QStringLiteral("0.30"));
    if (Option5->isSelected(2)) {
        Punta->setFieldText(QStringLiteral("0.20"));
        Talon->setFieldText(QStringLiteral("0.30"));
    }
    Phi1->setFieldText(QStringLiteral("30.0"));
    Phi2->setFieldText(QStringLiteral("30.0"));
    Gamma1->setFieldText(QStringLiteral("1.8"));
    Gamma2->setFieldText(QStringLiteral("1.8"));
    Cohes->setFieldText(QStringLiteral("0.0"));
    AnchDent->setFieldText(QStringLiteral("0.20"));
    AltDent->setFieldText(QStringLiteral("0.50"));
    Option1->select(0);
    Option2->select(1);
    Option3->select(1);
    for (ValueLabel* v : {Beta, Reac, Sobrec}) v->setCaption(QStringLiteral("0.00"));
    PonLista(Combo1, QStringLiteral("210"));
    PonLista(Combo2, QStringLiteral("2800"));
    Padm->setCaption(QStringLiteral("0.00"));
    Label8->setText(Fmt(Num(Padm->caption())));
    s_.TipoMuro = 0;
    DatosIniciales(s_);
    // The lists keep their texts; the default project's materials are what they show.
    s_.Fc = F(Num(Combo1->currentText()));
    s_.Fy = F(Num(Combo2->currentText()));
    Option1->select(0);
    Option2->select(1);
    Click_Option2();
    Dsz->setFieldText(QStringLiteral("0.50"));
    CambiaDsz();
    Motor([this] {
        CalculaMuro(s_, *this);
        ChequeaMuro(s_, *this, *this);
    });
    AnchoEtiqueta();
    setEnabled(true);
    nuevo_->hide();
}

void MuroCont1::SalvaArchivo() {
    const QString ruta = chooser_ ? chooser_(this, true, QString::fromStdString(s_.NombreArchivo))
                                  : QString();
    if (!ruta.isEmpty()) {
        s_.NombreArchivo = ruta.toStdString();
        Chequea();
        // The footing position as its option shows it, which the state only learns when the
        // option is clicked.
        const ProyectoMur p = ProyectoDeEstado(s_, PosicionLista(Combo1), PosicionLista(Combo2),
                                               Option5->isSelected(3) ? 1 : 0);
        const std::string fuera = FueraDeRango(p);
        if (!fuera.empty()) {
            Mensaje(QStringLiteral("Tarelvo"), QString::fromStdString(fuera), QMessageBox::Warning);
            return Muestra();
        }
        const std::string contenido = EscribeMur(p);
        // OK retries the write (a disk that was not ready); Cancel gives up.
        for (;;) {
            const ResultadoArchivo r = GuardaArchivoSeguro(s_.NombreArchivo, contenido);
            if (r.ok) break;
            if (!question_ || !question_(this, QStringLiteral("Tarelvo"),
                                         QString::fromStdString(r.mensaje)))
                break;
        }
    }
    Muestra();
}

void MuroCont1::CargaArchi() {
    const QString ruta = chooser_ ? chooser_(this, false, QString::fromStdString(s_.NombreArchivo))
                                  : QString();
    // A cancelled or failed load leaves the default project, never a mixed one.
    auto falla = [this](const std::string& mensaje) {
        if (!mensaje.empty())
            Mensaje(QStringLiteral("Tarelvo"), QString::fromStdString(mensaje),
                    QMessageBox::Warning);
        NuevOk();
        Muestra();
    };
    if (ruta.isEmpty()) return falla("");

    // A text that differs from any loaded value, so that writing the loaded one below always
    // runs the top thickness rules.
    ++silencio_;
    Ancho->setFieldText(Fmt(s_.Ancho + 0.1));
    s_.NombreArchivo = ruta.toStdString();
    std::string contenido;
    const ResultadoArchivo r = LeeArchivoProyecto(s_.NombreArchivo, contenido);
    LecturaMur l;
    if (r.ok) l = LeeMur(contenido);
    if (!r.ok || !l.ok) {
        --silencio_;
        return falla(r.ok ? l.error : r.mensaje);
    }
    const ProyectoMur& p = l.proyecto;

    s_.Titulo = p.titulo;
    s_.FormaMuro = static_cast<std::int16_t>(p.formaMuro);
    s_.Beta = p.beta;
    s_.Sobrec = p.sobrec;
    s_.Reac = p.reac;
    s_.Pasiva = static_cast<std::int16_t>(p.pasiva);
    s_.AltDent = p.altDent;
    s_.AnchDent = p.anchDent;
    s_.Ancho = p.ancho;  // metres until its field converts it
    s_.Altura = p.altura;
    s_.AltZap = p.altZap;
    s_.Dsz = p.dsz;
    s_.Punta = p.punta;
    s_.Talon = p.talon;
    s_.Phi1 = p.phi1;
    s_.Phi2 = p.phi2;
    s_.Gamma1 = p.gamma1;
    s_.Gamma2 = p.gamma2;
    s_.Cohes = p.cohes;
    s_.ZapCentrada = static_cast<std::int16_t>(p.zapCentrada);
    s_.Padm = p.padm;

    const int tipo = p.formaMuro == 0 ? 0 : p.formaMuro == 1 ? 1 : 2;
    Option1->select(tipo);
    s_.TipoMuro = static_cast<std::int16_t>(tipo);
    Option5->select(p.zapCentrada != 0 ? 3 : 2);
    Option2->select(p.pasiva == 1 ? 0 : 1);
    AltDent->setFieldText(Fmt(s_.AltDent));
    // The key's width goes into its field before "Incluye" stores the key from the fields;
    // otherwise the width on screen would replace the one in the file.
    AnchDent->setFieldText(Fmt(p.anchDent));
    Option3->select(s_.AltDent > 0 ? 0 : 1);
    Titulo->setFieldText(QString::fromStdString(s_.Titulo));
    // The field keeps at most kLargoTitulo characters of a longer title from an older file;
    // the project holds what it shows, which a save can write.
    s_.Titulo = Titulo->text().toStdString();

    // The fields take the values of the file, not what the checks run by the option handlers
    // above made of a half-loaded state (a centred footing re-derived from the previous wall,
    // say). The friction angles go in before the slope, so that the slope is compared with the
    // file's own angle.
    Ancho->setFieldText(Fmt(p.ancho));
    Altura->setFieldText(Fmt(p.altura));
    AltZap->setFieldText(Fmt(p.altZap));
    Dsz->setFieldText(Fmt(p.dsz));
    AnchDent->setFieldText(Fmt(p.anchDent));
    Punta->setFieldText(Fmt(p.punta));
    Talon->setFieldText(Fmt(p.talon));
    Phi1->setFieldText(Fmt(p.phi1));
    Phi2->setFieldText(Fmt(p.phi2));
    Beta->setCaption(Fmt(p.beta));
    Reac->setCaption(Fmt(p.reac));
    Sobrec->setCaption(Fmt(p.sobrec));
    Gamma1->setFieldText(Fmt(p.gamma1));
    Gamma2->setFieldText(Fmt(p.gamma2));
    Cohes->setFieldText(Fmt(p.cohes));
    Padm->setCaption(Fmt(p.padm));
    // A field whose text was already the loaded one ran no handler; its value is stored here.
    s_.Punta = F(Num(Punta));
    s_.Talon = F(Num(Talon));
    s_.AltZap = F(Num(AltZap));
    if (s_.AltDent > 0) s_.AnchDent = F(Num(AnchDent));

    AcoplaCentro();
    AnchoEtiqueta();
    PonLista(Combo1, Combo1->itemText(p.comboFc));
    PonLista(Combo2, Combo2->itemText(p.comboFy));
    --silencio_;
    Chequea();
    Muestra();
    QCoreApplication::processEvents();
}

}  // namespace tarelvo
