// Project files, the new project and the exit: "&Salva", "&Abre", "&Nuevo" and "&Termina".
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "ui/files/confirm_dialog.h"
#include "files/file_io.h"
#include "files/mur_format.h"
#include "files/mur_project.h"
#include "files/project_load.h"
#include "files/safe_save.h"
#include "engine/start_project.h"
#include "ui/main/combo_text.h"
#include "ui/main/field_edit.h"
#include "ui/main/field_numbers.h"
#include "ui/main/murocont1.h"
#include "ui/main/option_array.h"
#include "ui/main/value_label.h"

namespace tarelvo {

namespace {

const char* const kFiltroMur = "Proyectos de muro (*.mur)";

// A name without an extension gets ".mur", so that "&Abre" can show the file.
QString ConExtension(const QString& ruta) {
    return QFileInfo(ruta).suffix().isEmpty() ? ruta + QStringLiteral(".mur") : ruta;
}

}  // namespace

void MuroCont1::Muestra() {
    show();
    setEnabled(true);
}

void MuroCont1::ConnectFiles() {
    chooser_ = [](QWidget* parent, bool guardar, const QString& inicial) {
        QFileDialog d(parent, guardar ? QStringLiteral("Salva") : QStringLiteral("Abre"), inicial,
                      QString::fromLatin1(kFiltroMur));
        d.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        d.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // The dialog adds ".mur" itself, so its overwrite question names the real file.
        d.setDefaultSuffix(QStringLiteral("mur"));
        return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()
                   ? d.selectedFiles().first()
                   : QString();
    };
    saveQuestion_ = [](QWidget* parent) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarelvo"),
                        QStringLiteral("El proyecto tiene cambios que no se han guardado.\n"
                                       "¿Desea guardarlos antes de continuar?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        // Enter must never throw work away.
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        return static_cast<QMessageBox::StandardButton>(box.exec());
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

    // One question a command: once the save question is answered, nothing more is asked.
    connect(Command5, &QPushButton::clicked, this, [this] {
        bool pregunto = false;
        if (!PuedeDescartar(&pregunto)) return;
        if (pregunto)
            NuevOk();
        else
            Pregunta(nuevo_, this);
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        bool pregunto = false;
        if (!PuedeDescartar(&pregunto)) return;
        if (pregunto)
            emit sale_->aceptado();
        else
            Pregunta(sale_, this);
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        setEnabled(false);
        SalvaArchivo();
    });
    connect(Command4, &QPushButton::clicked, this, [this] {
        if (!PuedeDescartar()) return;
        setEnabled(false);
        CargaArchi();
    });
}

bool MuroCont1::Cambiado() const {
    return !MismosDatos(Campos(), guardado_) || ValoresOpciones(s_) != opcGuardadas_;
}

void MuroCont1::Pregunta(ConfirmDialog* d, QWidget* ventana) { d->Muestra(ventana); }

bool MuroCont1::PuedeDescartar(bool* pregunto) {
    if (!Cambiado()) return true;
    if (pregunto) *pregunto = true;
    const QMessageBox::StandardButton r =
        saveQuestion_ ? saveQuestion_(this) : QMessageBox::Cancel;
    if (r == QMessageBox::No) return true;
    if (r != QMessageBox::Yes) return false;
    // A project with a file goes back to it; a new one asks where, as "&Salva" does.
    if (s_.NombreArchivo.empty()) return SalvaArchivo();
    const bool ok = EscribeProyecto(s_.NombreArchivo);
    Muestra();
    return ok;
}

// Closing the window by its frame asks, as "&Termina" does, so that a slip of the mouse never
// loses the project; once the exit is confirmed the window closes.
void MuroCont1::closeEvent(QCloseEvent* event) {
    if (salidaConf_) {
        event->accept();
        return;
    }
    event->ignore();
    if (!isEnabled() || sale_->isVisible()) return;
    bool pregunto = false;
    if (!PuedeDescartar(&pregunto)) return;
    if (pregunto)
        emit sale_->aceptado();
    else
        Pregunta(sale_, this);
}

CamposMuro MuroCont1::Campos() const {
    CamposMuro c;
    c.titulo = Std(Titulo->text());
    const std::pair<std::string CamposMuro::*, const FieldEdit*> campos[] = {
        {&CamposMuro::altura, Altura}, {&CamposMuro::ancho, Ancho},
        {&CamposMuro::centro, Centro}, {&CamposMuro::altZap, AltZap},
        {&CamposMuro::punta, Punta},   {&CamposMuro::talon, Talon},
        {&CamposMuro::dsz, Dsz},       {&CamposMuro::altDent, AltDent},
        {&CamposMuro::anchDent, AnchDent}, {&CamposMuro::phi1, Phi1},
        {&CamposMuro::gamma1, Gamma1}, {&CamposMuro::cohes1, Cohes1},
        {&CamposMuro::phi2, Phi2},     {&CamposMuro::gamma2, Gamma2},
        {&CamposMuro::cohes, Cohes}};
    for (const auto& [texto, campo] : campos) c.*texto = Std(campo->text());
    c.beta = Std(Beta->caption());
    c.reac = Std(Reac->caption());
    c.sobrec = Std(Sobrec->caption());
    c.padm = Std(Padm->caption());
    c.fc = Std(Combo1->currentText());
    c.fy = Std(Combo2->currentText());
    c.anchoZapata = Std(Label4->text());
    c.formaMuro = stemShapeSelected();
    c.centrica = centricaSelected();
    c.pasiva = Option2->isSelected(0);
    c.dentellon = Option3->isSelected(0);
    return c;
}

void MuroCont1::PonProyecto(const ProjectState& nuevo, const CamposMuro& c) {
    auto pon = [](FieldEdit* f, const std::string& t) { f->setFieldText(QString::fromStdString(t)); };
    ++silencio_;
    s_ = nuevo;
    // The options first: their handlers rewrite the stem base, the toe and the heel, which the
    // fields below then set. The key's fields go in before "Incluye" stores the key from them.
    Option1->select(c.formaMuro);
    Option5->select(c.centrica ? 3 : 2);
    Option2->select(c.pasiva ? 0 : 1);
    pon(AltDent, c.altDent);
    pon(AnchDent, c.anchDent);
    Option3->select(c.dentellon ? 0 : 1);
    pon(Titulo, c.titulo);
    // The friction angle goes in before the slope, which is compared with it.
    for (auto [f, t] : {std::pair{Ancho, &c.ancho}, {Altura, &c.altura}, {AltZap, &c.altZap},
                        {Dsz, &c.dsz}, {Punta, &c.punta}, {Talon, &c.talon}, {Phi1, &c.phi1},
                        {Phi2, &c.phi2}, {Gamma1, &c.gamma1}, {Gamma2, &c.gamma2},
                        {Cohes, &c.cohes}, {Cohes1, &c.cohes1}})
        pon(f, *t);
    Beta->setCaption(QString::fromStdString(c.beta));
    Reac->setCaption(QString::fromStdString(c.reac));
    Sobrec->setCaption(QString::fromStdString(c.sobrec));
    Padm->setCaption(QString::fromStdString(c.padm));
    PonLista(Combo1, QString::fromStdString(c.fc));
    PonLista(Combo2, QString::fromStdString(c.fy));
    pon(Centro, c.centro);
    Label4->setText(QString::fromStdString(c.anchoZapata));
    s_ = nuevo;
    disenada_ = {};
    for (FieldEdit* f : findChildren<FieldEdit*>()) f->recuerda();
    --silencio_;
}

void MuroCont1::NuevOk() {
    ProjectState nuevo = s_;
    CamposMuro c = Campos();
    ProyectoNuevo(nuevo, c);
    PonProyecto(nuevo, c);
    CambiaDsz();
    Motor([this] {
        CalculaMuro(s_, *this);
        ChequeaMuro(s_, *this, *this);
    });
    MarcaGuardado();
    setEnabled(true);
    nuevo_->hide();
}

bool MuroCont1::SalvaArchivo() {
    QString ruta = chooser_ ? chooser_(this, true, QString::fromStdString(s_.NombreArchivo))
                            : QString();
    bool ok = false;
    if (!ruta.isEmpty()) {
        const QString conExtension = ConExtension(ruta);
        // The dialog asked about the name it was given; a different existing file is asked
        // about here, so that nothing is replaced without the user's word.
        const bool reemplaza =
            conExtension == ruta || !QFileInfo::exists(conExtension) ||
            (question_ && question_(this, QStringLiteral("Tarelvo"),
                                    QStringLiteral("El archivo %1 ya existe. ¿Desea reemplazarlo?")
                                        .arg(QFileInfo(conExtension).fileName())));
        if (reemplaza) ok = EscribeProyecto(conExtension.toStdString());
    }
    Muestra();
    return ok;
}

// Checks the wall and writes it; a failed write may be retried (a disk that was not ready).
bool MuroCont1::EscribeProyecto(const std::string& ruta) {
    Chequea();
    const ProyectoMur p = ProyectoDeEstado(s_, Campos(), grupos_);
    const std::string fuera = FueraDeRango(p);
    if (!fuera.empty()) {
        Mensaje(QStringLiteral("Tarelvo"), QString::fromStdString(fuera), QMessageBox::Warning);
        return false;
    }
    const std::string contenido = EscribeMur(p);
    bool reemplazaSoloLectura = false;
    for (;;) {
        const ResultadoArchivo r = GuardaArchivoSeguro(ruta, contenido, reemplazaSoloLectura);
        if (r.ok) break;
        // Read-only is the owner's word that the file should stay: replaced only on the user's.
        if (r.soloLectura) {
            if (!question_ ||
                !question_(this, QStringLiteral("Tarelvo"),
                           QStringLiteral("El archivo %1 es de solo lectura. ¿Desea reemplazarlo?")
                               .arg(QFileInfo(QString::fromStdString(ruta)).fileName())))
                return false;
            reemplazaSoloLectura = true;
            continue;
        }
        if (!question_ || !question_(this, QStringLiteral("Tarelvo"),
                                     QString::fromStdString(r.mensaje)))
            return false;
    }
    s_.NombreArchivo = ruta;
    MarcaGuardado();
    return true;
}

void MuroCont1::CargaArchi() {
    const QString ruta = chooser_ ? chooser_(this, false, QString::fromStdString(s_.NombreArchivo))
                                  : QString();
    // A cancelled load leaves the project exactly as it was.
    if (!ruta.isEmpty()) LeeProyecto(ruta);
    Muestra();
}

void MuroCont1::AbreAlIniciar(const QString& ruta) {
    LeeProyecto(ruta);
    Muestra();
}

// A file that cannot be read leaves the project as it was, after saying why.
void MuroCont1::LeeProyecto(const QString& ruta) {
    std::string contenido;
    const ResultadoArchivo r = LeeArchivoProyecto(ruta.toStdString(), contenido);
    LecturaMur l;
    if (r.ok) l = LeeMur(contenido);
    if (!r.ok || !l.ok) {
        Mensaje(QStringLiteral("Tarelvo"),
                QStringLiteral("No se pudo abrir %1:\n%2")
                    .arg(ruta, QString::fromStdString(r.ok ? l.error : r.mensaje)),
                QMessageBox::Warning);
        return;
    }

    ProjectState cargado = s_;
    cargado.NombreArchivo = ruta.toStdString();
    CamposMuro c = Campos();
    // The bars and spacing boxes the file gives go into the form's lists, which show them the
    // next time "&Refuerzo" opens it.
    const std::string aviso = CargaLectura(l, cargado, c, grupos_);
    PonProyecto(cargado, c);
    DibujaSuelo();
    if (!aviso.empty())
        Mensaje(QStringLiteral("ATENCION"), QString::fromUtf8(aviso.c_str()), QMessageBox::NoIcon);
    Chequea();
    MarcaGuardado();
    QCoreApplication::processEvents();
}

}  // namespace tarelvo
