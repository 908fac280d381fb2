// The editing rules: what each control stores in the project state and when, the lower limits
// on leaving a field, the couplings between fields, the spins and the option groups.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/main/field_edit.h"
#include "ui/main/field_numbers.h"
#include "ui/main/murocont1.h"
#include "ui/main/option_array.h"
#include "ui/main/spin_button.h"
#include "ui/main/twips_scaler.h"
#include "ui/main/value_label.h"

namespace tarelvo {

namespace {

// Connects a field so that every change of its text stores its number into `var`.
void StoreOnChange(FieldEdit* f, float& var) {
    QObject::connect(f, &QLineEdit::textChanged, f,
                     [f, &var] { var = F(Num(f)); });
}

}  // namespace

void MuroCont1::Limite(FieldEdit* field, double minimo, const char* texto) {
    if (Num(field) < minimo) field->setFieldText(QString::fromLatin1(texto));
}

// Footing width = heel + toe + stem base.
void MuroCont1::AnchoEtiqueta() {
    Label4->setText(Fmt(Num(Talon) + Num(Punta) + Num(Centro)));
}

// The stem base follows the top: the same thickness for a straight stem, the top plus 5 % of
// the height for an inclined one.
void MuroCont1::AcoplaCentro() {
    if (s_.TipoMuro != 0)
        Centro->setFieldText(Fmt(Num(Ancho) + 0.05 * Num(Altura)));
    else
        Centro->setFieldText(Fmt(Num(Ancho)));
}

void MuroCont1::AnchoCambia() {
    AcoplaCentro();
    s_.Ancho = F(Num(Ancho) * 100);
    AnchoEtiqueta();
}

// An inclined stem is never thinner at its base than the top plus 5 % of the height.
void MuroCont1::CentroCambia() {
    if (s_.TipoMuro != 0) {
        const double minimo = Num(Ancho) + 0.05 * Num(Altura);
        if (minimo > Num(Centro)) Centro->setFieldText(Fmt(minimo));
    } else {
        Centro->setFieldText(Fmt(Num(Ancho)));
    }
    AnchoEtiqueta();
}

// A base no thicker than the top makes the stem straight.
void MuroCont1::CentroSale() {
    if (Num(Ancho) >= Num(Centro)) {
        Centro->setFieldText(Ancho->text());
        s_.TipoMuro = 0;
        Option1Click(0);
        Option1->select(0);
    }
}

// The foundation depth lies between the footing thickness and the wall height.
void MuroCont1::DszSale() {
    if (Num(AltZap) > Num(Dsz)) Dsz->setFieldText(AltZap->text());
    if (Num(Dsz) < s_.AltZap) Dsz->setFieldText(Fmt(s_.AltZap));
    if (Num(Dsz) > s_.Altura) Dsz->setFieldText(Fmt(s_.Altura));
    s_.Dsz = F(Num(Dsz));
}

void MuroCont1::BetaCambia() {
    if (Num(Phi1) < Num(Beta->caption())) {
        Mensaje(QStringLiteral("ATENCION"),
                QStringLiteral("Para evitar inestabilidad en el Relleno, su Angulo de "
                               "Inclinacion no puede ser mayor que su Angulo de Friccion "
                               "Interna"),
                QMessageBox::NoIcon);
        Beta->setCaption(Fmt(Num(Phi1)));
    }
    s_.Beta = F(Num(Beta->caption()));
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
    if (Num(valor->caption()) > 0) {
        valor->setCaption(Fmt(Num(valor->caption())));
        flecha->show();
        copia->show();
        copia->setText(valor->caption());
    } else {
        flecha->hide();
        copia->hide();
    }
    variable = F(Num(valor->caption()));
}

void MuroCont1::PadmCambia() {
    if (Num(Padm->caption()) > 0) {
        Padm->setCaption(Fmt(Num(Padm->caption())));
        Label8->setText(Fmt(Num(Padm->caption())));
    } else {
        Padm->setCaption(QStringLiteral("0.00"));
    }
    s_.Padm = F(Num(Padm->caption()));
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
    QPalette p = Centro->palette();
    p.setColor(QPalette::Base, Qt::white);
    Centro->setPalette(p);
    s_.TipoMuro = static_cast<std::int16_t>(index);
    s_.FormaMuro = static_cast<std::int16_t>(index);
    if (index == 0) {
        Centro->setFieldText(Fmt(Num(Ancho)));
        Centro->setEnabled(false);
    } else {
        Centro->setFieldText(Fmt(Num(Ancho) + 0.05 * Num(Altura)));
    }
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
        s_.AltDent = F(Num(AltDent));
        s_.AnchDent = F(Num(AnchDent));
        s_.ConDent = -1;
    } else {
        AltDent->hide();
        AnchDent->hide();
        s_.AltDent = 0;
        s_.ConDent = 0;
    }
    Chequea();
}

void MuroCont1::Option5Click(int index) {
    if (index == 2) {
        s_.ZapCentrada = 0;
    } else {
        s_.ZapCentrada = 1;
        s_.Punta = static_cast<float>((static_cast<double>(s_.Base) - s_.EspBase / s_.FactCm) / 2);
        s_.Talon = s_.Punta;
    }
    Chequea();
    Punta->setFieldText(Fmt(s_.Punta));
    Talon->setFieldText(Fmt(s_.Talon));
    // The toe and heel fields put their typed sum in the width label; the checked wall's goes back.
    MuestraMuroUsado();
}

void MuroCont1::ConnectEditing() {
    auto onLeave = [this](FieldEdit* f, auto fn) { connect(f, &FieldEdit::left, this, fn); };
    auto onChange = [this](FieldEdit* f, auto fn) { connect(f, &QLineEdit::textChanged, this, fn); };

    onLeave(Altura, [this] {
        Limite(Altura, 0.5, "0.50");
        s_.Altura = F(Num(Altura));
    });

    onChange(Ancho, [this] { AnchoCambia(); });
    onLeave(Ancho, [this] {
        Limite(Ancho, 0.1, "0.10");
        s_.Ancho = F(Num(Ancho) * 100);
    });

    onChange(Centro, [this] { CentroCambia(); });
    onLeave(Centro, [this] { CentroSale(); });

    // Fields that store on every change, and on leaving apply their lower limit and store.
    auto limited = [this, onLeave](FieldEdit* f, float& var, double minimo, const char* texto) {
        StoreOnChange(f, var);
        onLeave(f, [this, f, &var, minimo, texto] {
            Limite(f, minimo, texto);
            var = F(Num(f));
        });
    };
    limited(AltZap, s_.AltZap, 0.25, "0.25");
    limited(Punta, s_.Punta, 0.2, "0.20");
    limited(Talon, s_.Talon, 0.2, "0.20");
    onChange(Punta, [this] { AnchoEtiqueta(); });
    onChange(Talon, [this] { AnchoEtiqueta(); });
    limited(AltDent, s_.AltDent, 0, "0.00");
    limited(Phi1, s_.Phi1, 0, "0.00");
    limited(Gamma1, s_.Gamma1, 0.1, "0.10");
    limited(Gamma2, s_.Gamma2, 0.1, ".10");
    limited(Cohes, s_.Cohes, 0, "0.00");

    onLeave(Dsz, [this] { DszSale(); });

    StoreOnChange(AnchDent, s_.AnchDent);
    onLeave(AnchDent, [this] { Limite(AnchDent, 0.2, "0.20"); });

    // The friction angle of the foundation soil is limited on entering its field.
    StoreOnChange(Phi2, s_.Phi2);
    connect(Phi2, &FieldEdit::entered, this, [this] {
        Limite(Phi2, 0, "0.00");
        s_.Phi2 = F(Num(Phi2));
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

    struct SpinPair {
        SpinButton* spin;
        ValueLabel* label;
        double step;
        double bound;
        const char* boundText;
    };
    for (const SpinPair& p : {SpinPair{Spin17, Beta, 1.0, 90, "90.00"},
                              SpinPair{Spin1, Beta, 0.05, 90, "90.00"},
                              SpinPair{Spin2, Reac, 1.0, 99.95, "99.95"},
                              SpinPair{Spin18, Reac, 0.05, 99.95, "99.95"},
                              SpinPair{Spin3, Sobrec, 1.0, 99.95, "99.95"},
                              SpinPair{Spin19, Sobrec, 0.05, 99.95, "99.95"},
                              SpinPair{Spin21, Padm, 1.0, 99.95, "99.95"},
                              SpinPair{Spin22, Padm, 0.05, 99.95, "99.95"}}) {
        connect(p.spin, &SpinButton::up, this,
                [this, p] { Spin(p.label, p.step, true, p.bound, p.boundText); });
        connect(p.spin, &SpinButton::down, this,
                [this, p] { Spin(p.label, p.step, false, p.bound, p.boundText); });
    }

    // Every change of a list's selection or text; the placeholder text is not a value change.
    auto combo = [this](QComboBox* c, float& var, const char* placeholder) {
        connect(c, &QComboBox::currentTextChanged, this, [this, c, &var, placeholder] {
            var = F(Num(c->currentText()));
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
