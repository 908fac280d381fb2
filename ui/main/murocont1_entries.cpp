// Entries as the engineer types them: every numeric field and spin box takes "," or "." as the
// decimal separator and shows the number it keeps; an entry that is no number, or above its
// input's upper limit, is refused with a message and the field gets its last value back. Any
// change of an input greys the results until the next check, and marks the title.
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/field_rules.h"
#include "ui/main/field_edit.h"
#include "ui/main/field_numbers.h"
#include "ui/main/murocont1.h"
#include "ui/main/option_array.h"
#include "ui/main/status_panel.h"
#include "ui/main/value_label.h"

namespace tarelvo {

const QColor MuroCont1::kGris(128, 128, 128);
const char* const MuroCont1::kDatosModificados = "DATOS MODIFICADOS";

namespace {

// How the engineer knows each input in a message.
const std::pair<const char*, const char*> kRotulos[] = {
    {"Altura", "H="},
    {"Ancho", "el espesor del muro en el tope"},
    {"Centro", "el espesor del muro en la base"},
    {"AltZap", "la altura de la zapata"},
    {"Punta", "la punta de la zapata"},
    {"Talon", "el talón de la zapata"},
    {"Dsz", "la profundidad de fundación"},
    {"AltDent", "la altura del dentellón"},
    {"AnchDent", "el ancho del dentellón"},
    {"Phi1", "φ del relleno"},
    {"Gamma1", "γ del relleno"},
    {"Cohes1", "c del relleno"},
    {"Phi2", "φ del suelo de fundación"},
    {"Gamma2", "γ del suelo de fundación"},
    {"Cohes", "c del suelo de fundación"},
    {"Beta", "el ángulo del relleno"},
    {"Reac", "la carga axial sobre el muro"},
    {"Sobrec", "la sobrecarga en el relleno"},
    {"Padm", "la presión admisible del terreno"},
};

std::string RotuloDe(const QWidget* w) {
    const std::string nombre = Std(w->objectName());
    for (const auto& [campo, rotulo] : kRotulos)
        if (nombre == campo) return rotulo;
    return nombre;
}

}  // namespace

// Connected before the editing rules, so that they run on the accepted text.
void MuroCont1::ConnectEntradas() {
    for (FieldEdit* f : {Altura, Ancho, Centro, AltZap, Punta, Talon, Dsz, AltDent, AnchDent, Phi1,
                         Gamma1, Cohes1, Phi2, Gamma2, Cohes}) {
        f->recuerda();
        connect(f, &FieldEdit::left, this, [this, f] { Acepta(f); });
        connect(f, &QLineEdit::textChanged, this, [this] { RevisaVigencia(); });
    }
    connect(Titulo, &QLineEdit::textChanged, this, [this] { RevisaVigencia(); });
    for (ValueLabel* v : {Beta, Reac, Sobrec, Padm}) {
        connect(v, &ValueLabel::tecleado, this, [this, v] { SpinTecleado(v); });
        connect(v, &ValueLabel::captionChanged, this, [this] { RevisaVigencia(); });
    }
}

bool MuroCont1::Acepta(FieldEdit* f) {
    const EntradaCampo e = LeeEntrada(Std(f->objectName()), RotuloDe(f), Std(f->text()));
    if (!e.aceptada) {
        // The field shows its last value before the message says why.
        f->setFieldText(f->anterior());
        Mensaje(QStringLiteral("Tarelvo"), QString::fromStdString(e.mensaje),
                QMessageBox::Warning);
        return false;
    }
    f->setFieldText(QString::fromStdString(e.texto));
    return true;
}

void MuroCont1::SpinTecleado(ValueLabel* v) {
    const EntradaCampo e = LeeEntrada(Std(v->objectName()), RotuloDe(v), Std(v->text()));
    if (!e.aceptada) {
        v->setText(v->caption());
        Mensaje(QStringLiteral("Tarelvo"), QString::fromStdString(e.mensaje),
                QMessageBox::Warning);
        return;
    }
    v->setCaption(QString::fromStdString(e.texto));
    // A handler may have rewritten the caption (the slope brought back to the friction angle).
    v->setText(v->caption());
}

void MuroCont1::RevisaVigencia() {
    CamposMuro ahora = Campos();
    ActualizaTitulo();
    // Neither the title nor the width label, which follows the other fields, is analysed.
    ahora.titulo = analizado_.titulo;
    ahora.anchoZapata = analizado_.anchoZapata;
    const bool vigente = MismosDatos(ahora, analizado_) && ValoresOpciones(s_) == opcAnalizadas_;
    if (vigente == vigente_) return;
    vigente_ = vigente;
    PintaResultados();
}

void MuroCont1::PintaResultados() {
    const ResultsView& v = ultimo_;
    Panel3D1->setText(vigente_ ? QString::fromStdString(v.verdict)
                               : QString::fromLatin1(kDatosModificados));
    SetForeColor(Panel3D1, !vigente_ ? kGris : v.verdictRed ? kRed : kNavy);
    QLabel* const labels[] = {Label30, Label31, Label18, Label25, Label27,
                              Label9,  Label28, Label10, Label32, Label8};
    for (int i = 0; i < 10; ++i) {
        labels[i]->setText(QString::fromStdString(v.values[i].text));
        SetForeColor(labels[i], !vigente_ ? kGris : v.values[i].red ? kRed : kNavy);
    }
    QLabel* const sismo[] = {FsVuelcoSismo, FsDeslizSismo};
    QLabel* const titulos[] = {EtqVuelcoSismo, EtqDeslizSismo};
    for (int i = 0; i < 2; ++i) {
        sismo[i]->setText(QString::fromStdString(v.sismo[i].text));
        SetForeColor(sismo[i], !vigente_ ? kGris : v.sismo[i].red ? kRed : kNavy);
        sismo[i]->setVisible(v.conSismo);
        titulos[i]->setVisible(v.conSismo);
    }
    // The warning keeps its last text while hidden.
    if (v.warningVisible) Label33->setText(QString::fromUtf8(v.warning.c_str()));
    SetForeColor(Label33, vigente_ ? kRed : kGris);
    MarcoAvisos->setVisible(v.warningVisible);
    Label33->setVisible(v.warningVisible);
}

void MuroCont1::ActualizaTitulo() {
    const QString nombre = s_.NombreArchivo.empty()
                               ? QStringLiteral("Sin título")
                               : QFileInfo(QString::fromStdString(s_.NombreArchivo)).fileName();
    setWindowTitle(nombre + QStringLiteral("[*] — Tarelvo"));
    setWindowModified(Cambiado());
}

void MuroCont1::AvisoDiseno() {
    const ZapataDisenada& d = disenada_;
    if (d.altura <= 0 || d.altura == s_.Altura) return;
    // A footing typed since is the engineer's own.
    if (AltZap->text() != d.altZap || Punta->text() != d.punta || Talon->text() != d.talon) return;
    Text1->setPlainText(QStringLiteral("La zapata fue diseñada para H = %1 m: use &Calculo para "
                                       "rediseñarla")
                            .arg(Fmt(d.altura)));
}

}  // namespace tarelvo
