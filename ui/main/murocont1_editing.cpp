// The editing rules: what each control stores in the project state and when, the lower limits
// on leaving a field, the couplings between fields, the spins and the option groups.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "engine/field_limits.h"
#include "ui/main/field_edit.h"
#include "ui/main/field_numbers.h"
#include "ui/main/murocont1.h"
#include "ui/main/option_array.h"
#include "ui/main/spin_button.h"
#include "ui/main/twips_scaler.h"
#include "ui/main/value_label.h"

namespace tarelvo {

namespace {

// A spin box and its two spins: by 1.00 and by 0.05.
struct SpinCaja {
    ValueLabel* box;
    SpinButton* grueso;
    SpinButton* fino;
};

// Connects a field so that every change of its text stores its number into `var`.
void StoreOnChange(FieldEdit* f, float& var) {
    QObject::connect(f, &QLineEdit::textChanged, f, [f, &var] { var = Guarda(f); });
}

}  // namespace

// The field's lower limit, by its name, applied as it is left.
void MuroCont1::Limite(FieldEdit* field) {
    if (const LimiteCampo* l = LimiteAlSalir(Std(field->objectName())))
        field->setFieldText(QString::fromStdString(ConLimite(*l, Std(field->text()))));
}

// Footing width = heel + toe + stem base.
void MuroCont1::AnchoEtiqueta() {
    Label4->setText(QString::fromStdString(
        AnchoZapata(Std(Talon->text()), Std(Punta->text()), Std(Centro->text()))));
}

// The stem base follows the top: the same thickness for a straight stem, the top plus 5 % of
// the height for an inclined one.
void MuroCont1::AcoplaCentro() {
    Centro->setFieldText(QString::fromStdString(
        CentroAcoplado(s_.TipoMuro, Std(Ancho->text()), Std(Altura->text()))));
}

void MuroCont1::AnchoCambia() {
    AcoplaCentro();
    s_.Ancho = AnchoDeCampo(Std(Ancho->text()));
    AnchoEtiqueta();
}

// A straight stem's base is its top; an inclined one's is what is being typed, its minimum
// applied once the field is left (a rule per keystroke would turn a partial "0." into it).
void MuroCont1::CentroCambia() {
    if (s_.TipoMuro == 0) Centro->setFieldText(Fmt(Num(Ancho)));
    AnchoEtiqueta();
}

// A base no thicker than the top makes the stem straight; an inclined stem is never thinner at
// its base than the top plus 5 % of the height, which the engineer is told of.
void MuroCont1::CentroSale() {
    if (Num(Ancho) >= Num(Centro)) {
        Centro->setFieldText(Ancho->text());
        s_.TipoMuro = 0;
        Option1Click(0);
        Option1->select(0);
        return;
    }
    const QString minimo = QString::fromStdString(CentroTecleado(
        s_.TipoMuro, Std(Ancho->text()), Std(Altura->text()), Std(Centro->text())));
    if (minimo == Centro->text()) return;
    Centro->setFieldText(minimo);
    Mensaje(QStringLiteral("Tarelvo"),
            QStringLiteral("El espesor del muro en la base no puede ser menor que %1 (el espesor "
                           "en el tope más el 5 % de la altura)")
                .arg(minimo),
            QMessageBox::Information);
}

// The foundation depth lies between the footing thickness and the wall height.
void MuroCont1::DszSale() {
    Dsz->setFieldText(QString::fromStdString(
        DszAlSalir(Std(Dsz->text()), Std(AltZap->text()), s_.AltZap, s_.Altura)));
    s_.Dsz = Guarda(Dsz);
}

void MuroCont1::BetaCambia() {
    if (TaludExcede(Std(Beta->caption()), Std(Phi1->text()))) {
        Mensaje(QStringLiteral("ATENCION"), QString::fromUtf8(kAvisoTalud), QMessageBox::NoIcon);
        Beta->setCaption(Fmt(Num(Phi1)));
    }
    s_.Beta = Guarda(Beta->caption());
    ActualizaTalud();
}

// The slope's value and the surcharge arrows move up to make room for the sloping line.
void MuroCont1::ActualizaTalud() {
    const bool talud = Num(Beta->caption()) > 0;
    Label22->setVisible(talud);
    Label29->setVisible(talud);
    if (talud) Label29->setText(Beta->caption());
    scaler_->setTop(Label44, talud ? 450 : 720);
    scaler_->setTop(Label39, talud ? 720 : 990);
    esquema_.Talud(Num(Beta->caption()));
    RedibujaEsquema();
}

// A load above zero shows its arrow and a copy of its value on the schematic.
void MuroCont1::CargaCambia(ValueLabel* valor, QLabel* flecha, QLabel* copia, float& variable) {
    valor->setCaption(QString::fromStdString(CaptionCarga(Std(valor->caption()))));
    const bool carga = Num(valor->caption()) > 0;
    flecha->setVisible(carga);
    copia->setVisible(carga);
    if (carga) copia->setText(valor->caption());
    variable = Guarda(valor->caption());
}

void MuroCont1::PadmCambia() {
    Padm->setCaption(QString::fromStdString(CaptionPadm(Std(Padm->caption()))));
    if (Num(Padm->caption()) > 0) Label8->setText(Padm->caption());
    s_.Padm = Guarda(Padm->caption());
}

// One press of a spin. A step is not clamped, so a value can pass a bound by less than one
// step; the next press in the same direction sets the bound.
void MuroCont1::Spin(ValueLabel* label, double step, bool up, double bound,
                     const char* boundText) {
    const double v = Num(label->caption());
    if (up)
        label->setCaption(v >= bound ? QString::fromLatin1(boundText) : Fmt(v + step));
    else
        label->setCaption(v <= 0 ? QStringLiteral("0.00") : Fmt(v - step));
    label->repaint();
}

void MuroCont1::Option1Click(int index) {
    Centro->setEnabled(true);
    s_.TipoMuro = static_cast<std::int16_t>(index);
    s_.FormaMuro = static_cast<std::int16_t>(index);
    AcoplaCentro();
    Centro->setEnabled(index != 0);
    // The base thickness field sits under the stem foot of the outline shown.
    scaler_->setLeft(Centro, static_cast<int>(esquema_.TipoMuro(index)));
    RedibujaEsquema();
    AnchoEtiqueta();
    Chequea();
}

void MuroCont1::Click_Option2() {
    s_.Pasiva = Option2->isSelected(0) ? 1 : 0;
    s_.PasivaSel = s_.Pasiva;
    esquema_.CunaPasiva(s_.Pasiva == 1, Option3->isSelected(0));
    RedibujaEsquema();
    Chequea();
}

void MuroCont1::Option3Click(int index) {
    Click_Option2();
    esquema_.Dentellon(index == 0);
    RedibujaEsquema();
    if (index == 0) {
        AltDent->show();
        AnchDent->show();
        s_.AltDent = Guarda(AltDent);
        s_.AnchDent = Guarda(AnchDent);
        s_.ConDent = -1;
    } else {
        AltDent->hide();
        AnchDent->hide();
        s_.AltDent = 0;
        s_.ConDent = 0;
    }
    Chequea();
}

// "Centrica": the check centres the stem on the toe and heel the fields hold and writes them
// back before computing the footing.
void MuroCont1::Option5Click(int index) {
    s_.ZapCentrada = index == 2 ? 0 : 1;
    Chequea();
}

void MuroCont1::ConnectEditing() {
    auto onLeave = [this](FieldEdit* f, auto fn) { connect(f, &FieldEdit::left, this, fn); };
    auto onChange = [this](FieldEdit* f, auto fn) { connect(f, &QLineEdit::textChanged, this, fn); };

    onLeave(Altura, [this] {
        Limite(Altura);
        s_.Altura = Guarda(Altura);
        // A higher inclined stem needs a thicker base; a base already thicker stays.
        if (s_.TipoMuro != 0)
            Centro->setFieldText(QString::fromStdString(CentroTecleado(
                s_.TipoMuro, Std(Ancho->text()), Std(Altura->text()), Std(Centro->text()))));
    });

    onChange(Ancho, [this] { AnchoCambia(); });
    onLeave(Ancho, [this] {
        Limite(Ancho);
        s_.Ancho = AnchoDeCampo(Std(Ancho->text()));
    });

    onChange(Centro, [this] { CentroCambia(); });
    onLeave(Centro, [this] { CentroSale(); });

    // Fields that store on every change, and on leaving apply their lower limit and store.
    auto limited = [this, onLeave](FieldEdit* f, float& var) {
        StoreOnChange(f, var);
        onLeave(f, [this, f, &var] {
            Limite(f);
            var = Guarda(f);
        });
    };
    limited(AltZap, s_.AltZap);
    limited(Punta, s_.Punta);
    limited(Talon, s_.Talon);
    onChange(Punta, [this] { AnchoEtiqueta(); });
    onChange(Talon, [this] { AnchoEtiqueta(); });
    limited(AltDent, s_.AltDent);
    limited(Phi1, s_.Phi1);
    limited(Gamma1, s_.Gamma1);
    limited(Gamma2, s_.Gamma2);
    limited(Cohes, s_.Cohes);

    onLeave(Dsz, [this] { DszSale(); });

    StoreOnChange(AnchDent, s_.AnchDent);
    onLeave(AnchDent, [this] { Limite(AnchDent); });

    // The friction angle of the foundation soil is not below 0, which it checks on entering
    // its field.
    StoreOnChange(Phi2, s_.Phi2);
    connect(Phi2, &FieldEdit::entered, this, [this] {
        if (Num(Phi2) < 0) Phi2->setFieldText(QStringLiteral("0.00"));
        s_.Phi2 = Guarda(Phi2);
    });
    StoreOnChange(Cohes1, s_.Cohes1);
    onChange(Cohes1, [this] { Chequea(); });
    onChange(Titulo, [this] { s_.Titulo = Titulo->text().toStdString(); });

    connect(Beta, &ValueLabel::captionChanged, this, [this] { BetaCambia(); });
    connect(Reac, &ValueLabel::captionChanged, this,
            [this] { CargaCambia(Reac, Label42, Label43, s_.Reac); });
    connect(Sobrec, &ValueLabel::captionChanged, this, [this] {
        CargaCambia(Sobrec, Label39, Label44, s_.Sobrec);
        Chequea();
    });
    connect(Padm, &ValueLabel::captionChanged, this, [this] { PadmCambia(); });

    // The arrow keys in a spin's box step it as its spins do.
    for (const SpinCaja& p : {SpinCaja{Beta, Spin17, Spin1}, SpinCaja{Reac, Spin2, Spin18},
                               SpinCaja{Sobrec, Spin3, Spin19}, SpinCaja{Padm, Spin21, Spin22}})
        connect(p.box, &ValueLabel::paso, this, [p](bool arriba, bool fino) {
            SpinButton* spin = fino ? p.fino : p.grueso;
            emit(arriba ? spin->up() : spin->down());
        });

    struct SpinPair {
        SpinButton* spin;
        ValueLabel* label;
        double step;
    };
    for (const SpinPair& p : {SpinPair{Spin17, Beta, 1.0}, SpinPair{Spin1, Beta, 0.05},
                              SpinPair{Spin2, Reac, 1.0}, SpinPair{Spin18, Reac, 0.05},
                              SpinPair{Spin3, Sobrec, 1.0}, SpinPair{Spin19, Sobrec, 0.05},
                              SpinPair{Spin21, Padm, 1.0}, SpinPair{Spin22, Padm, 0.05}}) {
        // The range the command-line tool holds its values to as well.
        const RangoSpin* r = RangoDeSpin(Std(p.label->objectName()));
        const double tope = r->maximo;
        const char* const texto = r->textoMaximo;
        connect(p.spin, &SpinButton::up, this,
                [this, p, tope, texto] { Spin(p.label, p.step, true, tope, texto); });
        connect(p.spin, &SpinButton::down, this,
                [this, p, tope, texto] { Spin(p.label, p.step, false, tope, texto); });
    }

    // Every change of a list's selection or text; the placeholder text is not a value change.
    auto combo = [this](QComboBox* c, float& var, const char* placeholder) {
        connect(c, &QComboBox::currentTextChanged, this, [this, c, &var, placeholder] {
            var = Guarda(c->currentText());
            if (c->currentText() != QLatin1String(placeholder)) {
                s_.FsVuelcoAnt = 0;
                s_.FsDeslizAnt = 0;
            }
        });
    };
    combo(Combo1, s_.Fc, "Combo1");
    combo(Combo2, s_.Fy, "Combo2");

    connect(Option1, &OptionArray::clicked, this, [this](int i) { Option1Click(i); });
    connect(Option2, &OptionArray::clicked, this, [this](int) { Click_Option2(); });
    connect(Option3, &OptionArray::clicked, this, [this](int i) { Option3Click(i); });
    connect(Option5, &OptionArray::clicked, this, [this](int i) { Option5Click(i); });
}

}  // namespace tarelvo
