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

    s_.NombreArchivo = ruta.toStdString();
    std::string contenido;
    const ResultadoArchivo r = LeeArchivoProyecto(s_.NombreArchivo, contenido);
    LecturaMur l;
    if (r.ok) l = LeeMur(contenido);
    if (!r.ok || !l.ok) return falla(r.ok ? l.error : r.mensaje);

    ProjectState cargado = s_;
    CamposMuro c = Campos();
    const std::string aviso = CargaProyecto(l.proyecto, cargado, c);
    PonProyecto(cargado, c);
    DibujaSuelo();
    if (!aviso.empty())
        Mensaje(QStringLiteral("ATENCION"), QString::fromUtf8(aviso.c_str()), QMessageBox::NoIcon);
    Chequea();
    Muestra();
    QCoreApplication::processEvents();
}

}  // namespace tarelvo
