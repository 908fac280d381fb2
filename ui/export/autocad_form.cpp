#include "ui/export/autocad_form.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include "export/cad_drawing.h"
#include "export/cad_paths.h"
#include "export/cad_search.h"
#include "ui/export/desktop_open.h"
#include "export/dxf_export.h"

namespace tarelvo {

namespace {

const QString kTitulo = QStringLiteral("Tarelvo");
// The filter "(acad.exe)|acad.exe": its description, then its pattern in Qt's form.
const QString kFiltro = QStringLiteral("(acad.exe) (acad.exe)");

// The base name never carries an extension of its own: periods are dropped as they are typed
// or pasted.
class SinPuntos : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        int antes = 0;
        for (int i = 0; i < pos && i < input.size(); ++i) {
            if (input[i] == QLatin1Char('.')) ++antes;
        }
        input.remove(QLatin1Char('.'));
        pos -= antes;
        return Acceptable;
    }
};

// The messages carry CR line breaks; the message box breaks lines at LF.
QString ParaMostrar(const std::string& texto) {
    QString t = QString::fromStdString(texto);
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void ProcesaEventos() { QCoreApplication::processEvents(); }

}  // namespace

Autocad::Autocad(Prepara prepara, QWidget* parent)
    : QDialog(parent), prepara_(std::move(prepara)), plataforma_(std::make_shared<PlataformaPosix>()) {
    setObjectName(QStringLiteral("Autocad"));
    setWindowTitle(QStringLiteral("AUTOCAD DXF"));
    setModal(false);

    Option1 = new QRadioButton(QStringLiteral("DXF para AutoCad, con el guión MuroScr.scr"), this);
    Option2 = new QRadioButton(QStringLiteral("DXF para programas CAD actuales"), this);
    Option1->setChecked(true);
    Label1 = new QLabel(QStringLiteral("Nombre para archivo de AutoCad:"), this);
    Text1 = new QLineEdit(QStringLiteral("Muro1"), this);
    Text1->setValidator(new SinPuntos(Text1));
    Label2 = new QLabel(QStringLiteral("Directorio de AutoCad:"), this);
    Text2 = new QLineEdit(this);
    Command3 = new QPushButton(QStringLiteral("..."), this);
    Command2 = new QPushButton(QStringLiteral("OK"), this);
    Command1 = new QPushButton(QStringLiteral("Cancela"), this);
    Label3 = new QLabel(QStringLiteral("Cargando AutoCad..."), this);
    Label3->hide();
    const std::pair<QWidget*, const char*> nombres[] = {
        {Option1, "Option1"},   {Option2, "Option2"},
        {Label1, "Label1"}, {Text1, "Text1"},       {Label2, "Label2"},     {Text2, "Text2"},
        {Command3, "Command3"}, {Command2, "Command2"}, {Command1, "Command1"}, {Label3, "Label3"},
    };
    for (const auto& [w, n] : nombres) w->setObjectName(QLatin1String(n));
    Command2->setDefault(true);
    Text2->setMinimumWidth(260);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(Option1, 0, 0, 1, 2);
    rejilla->addWidget(Option2, 1, 0, 1, 2);
    rejilla->addWidget(Label1, 2, 0, 1, 2);
    rejilla->addWidget(Text1, 3, 0, 1, 2);
    rejilla->addWidget(Label2, 4, 0, 1, 2);
    rejilla->addWidget(Text2, 5, 0);
    rejilla->addWidget(Command3, 5, 1);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Label3);
    botones->addStretch();
    botones->addWidget(Command2);
    botones->addWidget(Command1);
    // A taller form keeps its rows together and gives the room to the space above the buttons.
    rejilla->setRowStretch(6, 1);
    rejilla->addLayout(botones, 7, 0, 1, 2);

    connect(Command1, &QPushButton::clicked, this, &Autocad::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &Autocad::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &Autocad::Command3Click);
    connect(Option2, &QRadioButton::toggled, this, &Autocad::OpcionCambiada);
    for (QRadioButton* o : {Option1, Option2})
        connect(o, &QRadioButton::clicked, this, [this] { eleccionPropia_ = true; });

    presenter_ = [](QWidget* p, const QString& title, const QString& text, QMessageBox::Icon icon) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, p);
        box.exec();
    };
    question_ = [](QWidget* p, const QString& title, const QString& text) {
        return QMessageBox::question(p, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
               QMessageBox::Yes;
    };
    chooser_ = [](QWidget* p, const QString& filter) {
        return QFileDialog::getOpenFileName(p, QString(), QString(), filter);
    };
    guardar_ = [](QWidget* p, const QString& sugerido) {
        QFileDialog d(p, QStringLiteral("Guardar el dibujo DXF"), sugerido, QStringLiteral("Dibujo DXF (*.dxf)"));
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setDefaultSuffix(QStringLiteral("dxf"));  // the dialog asks before replacing the named file
        return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
    };
    abrir_ = AbreConElEscritorio;
}

Autocad::~Autocad() = default;

bool Autocad::event(QEvent* e) {
    // The drawing for current CAD programs needs no CAD program to be found.
    if (e->type() == QEvent::WindowActivate && Option1->isChecked()) {
        AcadFind();
        // Without AutoCAD the form that needs none is the one that can work, until the user
        // picks a form himself.
        const std::string cad = Text2->text().toStdString();
        if (!eleccionPropia_ && !(TerminaEnAcadExe(cad) && ExisteArchivo(*plataforma_, cad)))
            Option2->setChecked(true);
    }
    return QDialog::event(e);
}

void Autocad::Mensaje(const std::string& texto, QMessageBox::Icon icon) {
    if (presenter_) presenter_(this, kTitulo, ParaMostrar(texto), icon);
}

std::string Autocad::Carpeta() const {
    return (carpeta_.isEmpty() ? QDir::currentPath() : carpeta_).toStdString();
}

void Autocad::AcadFind() {
    if (ocupado_) return;
    const std::string actual = Text2->text().toStdString();
    // A program the user has found, typed or browsed to is never replaced.
    if (TerminaEnAcadExe(actual) && ExisteArchivo(*plataforma_, actual)) return;
    ocupado_ = true;
    const std::optional<std::string> hallado = tarelvo::AcadFind(*plataforma_, ProcesaEventos);
    ocupado_ = false;
    // An empty result says only that the program is not where it usually is; Text2 keeps what
    // it holds.
    if (hallado && !hallado->empty()) {
        Text2->setText(QString::fromStdString(*hallado));
        Text2->repaint();
    }
}

void Autocad::Command1Click() { hide(); }

bool Autocad::Busca() {
    const QString elegido = chooser_ ? chooser_(this, kFiltro) : QString();
    if (!TerminaEnAcadExe(elegido.toStdString())) return false;
    Text2->setText(elegido);
    Text2->repaint();
    return true;
}

void Autocad::Command3Click() { Busca(); }

void Autocad::OpcionCambiada() {
    const bool conCad = Option1->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Text2), static_cast<QWidget*>(Command3)}) {
        w->setEnabled(conCad);
    }
}

void Autocad::ExportaCad() {
    const std::string base = Text1->text().toStdString();
    const QString carpeta = QString::fromStdString(Carpeta());
    const QString sugerido =
        ValidaNombreBase(base).empty() ? QDir(carpeta).filePath(QString::fromStdString(NombreDxf(base))) : carpeta;
    const QString ruta = guardar_ ? guardar_(this, sugerido) : QString();
    if (ruta.isEmpty()) return;

    EntradaDibujo entrada;
    if (!prepara_ || !prepara_(entrada)) return;
    if (std::string error = EscribeDibujoCad(entrada, ruta.toStdString()); !error.empty()) {
        Mensaje(error, QMessageBox::Warning);
        return;
    }
    const QString pregunta = QStringLiteral("El dibujo está guardado en %1.\n¿Desea abrirlo con el programa del "
                                            "escritorio para archivos DXF?")
                                 .arg(QDir::toNativeSeparators(ruta));
    if (question_ && question_(this, kTitulo, pregunta) && !(abrir_ && abrir_(ruta))) {
        Mensaje("No hay en el escritorio un programa para abrir archivos DXF, o no se pudo iniciar.\n"
                "Abra el dibujo con su programa CAD: " + QDir::toNativeSeparators(ruta).toStdString(),
                QMessageBox::Information);
    }
    hide();
}

void Autocad::Command2Click() {
    if (ocupado_) return;
    ocupado_ = true;
    struct Libera {
        bool& b;
        ~Libera() { b = false; }
    } libera{ocupado_};

    if (Option2->isChecked()) {
        ExportaCad();
        return;
    }

    const std::string base = Text1->text().toStdString();
    if (std::string error = ValidaNombreBase(base); !error.empty()) {
        Mensaje(error, QMessageBox::Information);
        return;
    }
    Text2->setText(QString::fromStdString(QuitaBarrasFinales(Text2->text().toStdString())));
    Text2->repaint();

    const std::string actual = Text2->text().toStdString();
    if (!ExisteArchivo(*plataforma_, actual) || !TerminaEnAcadExe(actual)) {
        Mensaje("Autocad.exe no encontrado.\nUsted debe localizarlo ahora", QMessageBox::Information);
        if (!Busca()) {
            Mensaje("Lo siento, pero no puedo correr Autocad", QMessageBox::Information);
            return;
        }
    }

    const std::string carpeta = Carpeta();
    if (ExisteEnCarpeta(*plataforma_, carpeta, NombreDwg(base)) &&
        !(question_ && question_(this, kTitulo, ParaMostrar(PreguntaSobreescribe(base))))) {
        return;
    }

    Label3->show();
    ProcesaEventos();
    struct Oculta {
        QLabel* l;
        ~Oculta() {
            ProcesaEventos();
            l->hide();
        }
    } oculta{Label3};

    EntradaDibujo entrada;
    if (!prepara_ || !prepara_(entrada)) return;

    const ResultadoCad r = ImprimeDxf(entrada, base, Text2->text().toStdString(), carpeta, *plataforma_);
    switch (r.estado) {
        case ResultadoCad::Iniciado:
            if (!falloCad_) hide();
            falloCad_ = false;
            break;
        case ResultadoCad::DxfFallido:
            Mensaje(r.mensaje, QMessageBox::Warning);
            break;
        case ResultadoCad::ArchivoNoExiste:
            Mensaje(r.mensaje, QMessageBox::NoIcon);
            falloCad_ = true;
            break;
        case ResultadoCad::NoIniciado:
            Mensaje(r.mensaje, QMessageBox::Warning);
            falloCad_ = true;
            break;
    }
}

}  // namespace tarelvo
