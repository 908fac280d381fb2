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

void MuroCont1::AnchoCambia() {
    if (s_.TipoMuro != 0)
        Centro->setFieldText(Fmt(Num(Ancho) + 0.05 * Num(Altura)));
    else
        Centro->setFieldText(Fmt(Num(Ancho)));
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
}

void MuroCont1::ReacCambia() {
    if (Num(Reac->caption()) > 0) {
        Reac->setCaption(Fmt(Num(Reac->caption())));
        Label42->show();
        Label43->show();
        Label43->setText(Reac->caption());
    } else {
        Label42->hide();
        Label43->hide();
    }
    s_.Reac = F(Num(Reac->caption()));
}

void MuroCont1::SobrecCambia() {
    if (Num(Sobrec->caption()) > 0) {
        Sobrec->setCaption(Fmt(Num(Sobrec->caption())));
        Label39->show();
        Label44->show();
        Label44->setText(Sobrec->caption());
    } else {
        Label39->hide();
        Label44->hide();
    }
    s_.Sobrec = F(Num(Sobrec->caption()));
    Chequea();
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
    static const int kCentroLeft[] = {2400, 2310, 2490};
    if (index >= 0 && index <= 2) scaler_->setLeft(Centro, kCentroLeft[index]);
    AnchoEtiqueta();
    Chequea();
}

void MuroCont1::Click_Option2() {
    s_.Pasiva = Option2->isSelected(0) ? 1 : 0;
    s_.PasivaSel = s_.Pasiva;
    Chequea();
}

void MuroCont1::Option3Click(int index) {
    Click_Option2();
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

    StoreOnChange(AltZap, s_.AltZap);
    onLeave(AltZap, [this] {
        Limite(AltZap, 0.25, "0.25");
        s_.AltZap = F(Num(AltZap));
    });

    for (auto [field, var] : {std::pair{Punta, &s_.Punta}, std::pair{Talon, &s_.Talon}}) {
        StoreOnChange(field, *var);
        onChange(field, [this] { AnchoEtiqueta(); });
        onLeave(field, [this, field = field, var = var] {
            Limite(field, 0.2, "0.20");
            *var = F(Num(field));
        });
    }

    onLeave(Dsz, [this] { DszSale(); });

    StoreOnChange(AltDent, s_.AltDent);
    onLeave(AltDent, [this] {
        Limite(AltDent, 0, "0.00");
        s_.AltDent = F(Num(AltDent));
    });
    StoreOnChange(AnchDent, s_.AnchDent);
    onLeave(AnchDent, [this] { Limite(AnchDent, 0.2, "0.20"); });

    StoreOnChange(Phi1, s_.Phi1);
    onLeave(Phi1, [this] {
        Limite(Phi1, 0, "0.00");
        s_.Phi1 = F(Num(Phi1));
    });
    // The friction angle of the foundation soil is limited on entering its field.
    StoreOnChange(Phi2, s_.Phi2);
    connect(Phi2, &FieldEdit::entered, this, [this] {
        Limite(Phi2, 0, "0.00");
        s_.Phi2 = F(Num(Phi2));
    });
    StoreOnChange(Gamma1, s_.Gamma1);
    onLeave(Gamma1, [this] {
        Limite(Gamma1, 0.1, "0.10");
        s_.Gamma1 = F(Num(Gamma1));
    });
    StoreOnChange(Gamma2, s_.Gamma2);
    onLeave(Gamma2, [this] {
        Limite(Gamma2, 0.1, ".10");
        s_.Gamma2 = F(Num(Gamma2));
    });
    StoreOnChange(Cohes, s_.Cohes);
    onLeave(Cohes, [this] {
        Limite(Cohes, 0, "0.00");
        s_.Cohes = F(Num(Cohes));
    });
    StoreOnChange(Cohes1, s_.Cohes1);
    onChange(Cohes1, [this] { Chequea(); });
    onChange(Titulo, [this] { s_.Titulo = Titulo->text().toStdString(); });

    connect(Beta, &ValueLabel::captionChanged, this, [this] { BetaCambia(); });
    connect(Reac, &ValueLabel::captionChanged, this, [this] { ReacCambia(); });
    connect(Sobrec, &ValueLabel::captionChanged, this, [this] { SobrecCambia(); });
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
