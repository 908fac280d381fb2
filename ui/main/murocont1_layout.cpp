// The main window's controls at their design positions (twips).
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "files/mur_title.h"
#include "ui/main/esquema_canvas.h"
#include "ui/main/accel_button.h"
#include "ui/main/field_edit.h"
#include "ui/main/murocont1.h"
#include "ui/main/option_array.h"
#include "ui/main/spin_button.h"
#include "ui/main/status_panel.h"
#include "ui/main/twips_scaler.h"
#include "ui/main/value_label.h"

namespace tarelvo {

namespace {

const char* const kArial = "Arial";

QFont Font(const char* family, double pt, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(pt);
    f.setBold(bold);
    return f;
}

void Background(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

namespace {

struct Builder {
    TwipsScaler* sc;

    template <typename W>
    W* Place(W* w, const char* name, int l, int t, int wd, int h, double pt = 8,
             bool bold = false, const char* family = kArial) {
        w->setObjectName(QString::fromLatin1(name));
        w->setFont(Font(family, pt, bold));
        sc->place(w, l, t, wd, h, pt);
        return w;
    }
    QLabel* Label(QWidget* p, const char* name, const QString& caption, int l, int t, int wd,
                  int h, double pt = 8, bool bold = false) {
        auto* lb = Place(new QLabel(caption, p), name, l, t, wd, h, pt, bold);
        return lb;
    }
    QPushButton* Button(QWidget* p, const char* name, const QString& caption, int l, int t,
                        int wd, int h = 300) {
        return Place(new AccelButton(caption, p), name, l, t, wd, h);
    }
    FieldEdit* Field(QWidget* p, const char* name, const QString& text, int l, int t,
                     int wd = 400, int h = 315) {
        auto* f = Place(new FieldEdit(p), name, l, t, wd, h);
        f->setText(text);
        // White while it takes input, grey when it does not, whatever the frame behind it.
        QPalette pal = f->palette();
        pal.setColor(QPalette::Active, QPalette::Base, Qt::white);
        pal.setColor(QPalette::Inactive, QPalette::Base, Qt::white);
        pal.setColor(QPalette::Disabled, QPalette::Base, QColor(200, 200, 200));
        pal.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
        f->setPalette(pal);
        return f;
    }
    QFrame* Frame(QWidget* p, const char* name, int l, int t, int wd, int h) {
        auto* f = Place(new QFrame(p), name, l, t, wd, h);
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return f;
    }
    struct Choice {
        int index;
        const char* caption;
        int top;
    };
    // A frame with a bold heading and an option array, the default one selected.
    QFrame* OptionGroup(QWidget* p, const char* frameName, QRect rect, const char* headingName,
                        const char* heading, OptionArray* arr, const char* arrayName,
                        std::initializer_list<Choice> choices, int selected) {
        QFrame* f = Frame(p, frameName, rect.x(), rect.y(), rect.width(), rect.height());
        Label(f, headingName, QString::fromLatin1(heading), 120, 90, rect.width() - 170, 240, 8,
              true);
        for (const Choice& c : choices) {
            auto* r = Place(new QRadioButton(QString::fromLatin1(c.caption), f), arrayName, 240,
                            c.top, rect.width() - 300, 255);
            arr->add(c.index, r);
        }
        arr->button(selected)->setChecked(true);
        return f;
    }
};

}  // namespace

void MuroCont1::BuildLeftColumn() {
    Builder b{scaler_};
    Frame1 = b.Frame(this, "Frame1", 30, -15, 4416, 7380);
    QWidget* f1 = Frame1;

    Command5 = b.Button(f1, "Command5", "&Nuevo", 72, 168, 700);
    Command4 = b.Button(f1, "Command4", "&Abre", 800, 168, 700);
    Command2 = b.Button(f1, "Command2", "&Salva", 1538, 168, 700);
    Command6 = b.Button(f1, "Command6", "&Preview", 2270, 168, 700);
    Command11 = b.Button(f1, "Command11", "AutoCad", 3295, 168, 975);
    Command12 = b.Button(f1, "Command12", "&Opciones", 72, 490, 700);
    Command10 = b.Button(f1, "Command10", "A&bout", 800, 490, 700);
    Command9 = b.Button(f1, "Command9", "&Diag", 1538, 490, 700);
    Command7 = b.Button(f1, "Command7", "&Refuerzo", 2270, 490, 700);
    Command3 = b.Button(f1, "Command3", "&Termina", 3295, 490, 975);

    // The caption beside its field: the row of buttons above holds "&Opciones" where it stood.
    b.Label(f1, "Label16", "Titulo", 30, 840, 520, 315);
    Titulo = b.Field(f1, "Titulo", "", 560, 840, 3724, 315);
    // No longer than a project file holds.
    Titulo->setMaxLength(static_cast<int>(kLargoTitulo));

    // Wall type, and the footing position (indices 2 and 3 only).
    Option1 = new OptionArray(this);
    Frame9 = b.OptionGroup(f1, "Frame9", {45, 1155, 2460, 1290}, "Label1", "TIPO DE MURO", Option1,
                           "Option1",
                           {{0, "Muro Recto", 400},
                            {1, "Inclinado hacia Frente", 680},
                            {2, "Inclinado hacia Relleno", 960}},
                           0);
    Option5 = new OptionArray(this);
    Frame7 = b.OptionGroup(f1, "Frame7", {2540, 1170, 1770, 1260}, "Label62", "POSICION ZAPATA",
                           Option5, "Option5", {{2, "Excentrica", 480}, {3, "Centrica", 820}}, 3);

    // Loads driven by spin buttons.
    Frame6 = b.Frame(f1, "Frame6", 45, 2430, 4280, 1695);
    struct Row {
        const char* caption;
        const char* captionName;
        int captionIndex;
        const char* valueName;
        ValueLabel** value;
        const char* nearName;
        SpinButton** nearSpin;
        const char* farName;
        SpinButton** farSpin;
        int top;
        int nearLeft;
    };
    const Row rows[] = {
        {"Angulo del Relleno (Grados)", "Label2", -1, "Beta", &Beta, "Spin17", &Spin17, "Spin1",
         &Spin1, 140, 3408},
        {"Carga Axial sobre el Muro (To)", "Label40", -1, "Reac", &Reac, "Spin2", &Spin2,
         "Spin18", &Spin18, 510, 3420},
        {"Sobrecarga en Relleno (To/m2)", "Label41", 0, "Sobrec", &Sobrec, "Spin3", &Spin3,
         "Spin19", &Spin19, 880, 3420},
        {"Presion Adm. Terreno (Kg/cm2)", "Patkc", 1, "Padm", &Padm, "Spin21", &Spin21,
         "Spin22", &Spin22, 1250, 3408},
    };
    for (const Row& r : rows) {
        QLabel* cap = b.Label(Frame6, r.captionName, QString::fromUtf8(r.caption), 90, r.top + 40,
                              2650, 240);
        if (r.captionIndex >= 0) cap->setProperty("index", r.captionIndex);
        auto* v = b.Place(new ValueLabel(QStringLiteral("0.00"), Frame6), r.valueName, 2796,
                          r.top, 600, 315, 8, false, "MS Sans Serif");
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Background(v, Qt::white);
        *r.value = v;
        *r.nearSpin = b.Place(new SpinButton(Frame6), r.nearName, r.nearLeft, r.top - 30, 285, 375);
        *r.farSpin = b.Place(new SpinButton(Frame6), r.farName, 3732, r.top - 30, 285, 375);
    }

    // Passive pressure and shear key.
    Option2 = new OptionArray(this);
    Frame5 = b.OptionGroup(f1, "Frame5", {315, 4110, 1810, 1000}, "Label3", "PRESION PASIVA",
                           Option2, "Option2", {{0, "Considerada", 380}, {1, "Despreciada", 660}},
                           1);
    Option3 = new OptionArray(this);
    Frame2 = b.OptionGroup(f1, "Frame2", {2160, 4110, 1710, 1000}, "Label6", "DENTELLON", Option3,
                           "Option3", {{0, "Incluye", 380}, {1, "No incluye", 660}}, 1);

    // Materials. The lists start with their design-time placeholder texts; the start-up
    // sequence puts "210" and "2800" in them.
    Frame10 = b.Frame(f1, "Frame10", 120, 5120, 4188, 480);
    b.Label(Frame10, "Label12", "F'c", 120, 120, 350, 240);
    Combo1 = b.Place(new QComboBox(Frame10), "Combo1", 480, 75, 1000, 330);
    b.Label(Frame10, "Label14", "Kg/cm2", 1530, 120, 650, 240);
    b.Label(Frame10, "Label13", "Fy", 2250, 120, 300, 240);
    Combo2 = b.Place(new QComboBox(Frame10), "Combo2", 2560, 75, 1000, 330);
    b.Label(Frame10, "Label15", "Kg/cm2", 3610, 120, 560, 240);
    // Only the lists' own values: a project file holds a list position, so a value typed in
    // could never be saved as it was.
    Combo1->addItems({"160", "180", "210", "240", "280", "300", "350"});
    Combo2->addItems({"2800", "4200"});

    Text1 = b.Place(new QPlainTextEdit(f1), "Text1", 120, 5700, 4200, 1065);
    Text1->setReadOnly(true);
    Background(Text1, QColor(192, 192, 192));
}

void MuroCont1::BuildSchematicFields() {
    Builder b{scaler_};
    Frame3 = b.Frame(this, "Frame3", 4440, 0, 5745, 7380);
    Background(Frame3, QColor(224, 224, 224));
    QWidget* f3 = Frame3;
    // The lines lie under every field and label of the schematic.
    canvas_ = b.Place(new EsquemaCanvas(esquema_, QSize(5745, 7380), f3), "Esquema", 0, 0, 5745,
                      7380);

    Altura = b.Field(f3, "Altura", "1.00", 768, 1728, 495);
    b.Label(f3, "Label19", "H=", 500, 1765, 260, 240);
    Ancho = b.Field(f3, "Ancho", "0.20", 2440, 300);
    Centro = b.Field(f3, "Centro", "0.20", 2400, 3924);
    AltZap = b.Field(f3, "AltZap", "0.25", 84, 2736);
    Punta = b.Field(f3, "Punta", "0.30", 1788, 3912);
    Talon = b.Field(f3, "Talon", "0.30", 3000, 3912);
    Dsz = b.Field(f3, "Dsz", "0.50", 960, 2736);
    AltDent = b.Field(f3, "AltDent", "0.50", 510, 3030);
    AnchDent = b.Field(f3, "AnchDent", "0.20", 2568, 3216);
    Phi1 = b.Field(f3, "Phi1", "30.0", 4116, 1248, 520);
    Gamma1 = b.Field(f3, "Gamma1", "1.8", 4116, 1572, 520);
    Cohes1 = b.Field(f3, "Cohes1", "0.0", 4128, 1896, 520);
    Phi2 = b.Field(f3, "Phi2", "30.0", 4236, 3036, 520);
    Gamma2 = b.Field(f3, "Gamma2", "1.8", 4236, 3432, 520);
    Cohes = b.Field(f3, "Cohes", "0.0", 4236, 3816, 520);
    // The key fields show only with "Incluye".
    AltDent->hide();
    AnchDent->hide();

    const QString phi = QString::fromUtf8("φ = "), gamma = QString::fromUtf8("γ = ");
    b.Label(f3, "Label20", phi, 3770, 1285, 340, 240);
    b.Label(f3, "Label21", gamma, 3820, 1609, 290, 240);
    b.Label(f3, "Label53", "c = ", 3830, 1933, 290, 240);
    b.Label(f3, "Label23", phi, 3890, 3073, 340, 240);
    b.Label(f3, "Label24", gamma, 3940, 3469, 290, 240);
    b.Label(f3, "Label38", "c = ", 3940, 3853, 290, 240);
    Label22 = b.Label(f3, "Label22", QString::fromUtf8("β = "), 3860, 915, 290, 240);
    Label29 = b.Label(f3, "Label29", "", 4155, 915, 600, 240);
    Label22->hide();
    Label29->hide();

    // The footing width stands centred under its dimension line, leaving the room under the
    // stem-base box to the thickness the check used.
    Label4 = b.Label(f3, "Label4", "0.80", 2395, 4700, 500, 240);
    Label4->setAlignment(Qt::AlignCenter);
    // Over the Ancho box and under the Centro box; AlineaCotas keeps them there.
    EspTopeUsado = b.Label(f3, "EspTopeUsado", "", 2135, 45, 900, 240);
    EspBaseUsado = b.Label(f3, "EspBaseUsado", "", 2184, 4254, 900, 240);
    for (QLabel* l : {EspTopeUsado, EspBaseUsado}) {
        l->setAlignment(Qt::AlignCenter);
        SetForeColor(l, kNavy);
        l->hide();
    }
    Label43 = b.Label(f3, "Label43", "", 2100, 936, 500, 240);
    Label42 = b.Label(f3, "Label42", QString::fromUtf8("↓"), 2560, 936, 200, 260, 10, true);
    Label44 = b.Label(f3, "Label44", "", 3540, 405, 600, 240);
    Label39 = b.Label(f3, "Label39", QString::fromUtf8("↓↓↓↓↓↓↓↓"), 3450, 990, 1300, 260, 10,
                      true);
    for (QLabel* l : {Label43, Label42, Label44, Label39}) l->hide();

    QLabel* relleno = b.Label(f3, "Label26", "R\nE\nL\nL\nE\nN\nO", 4830, 1230, 150, 1470);
    relleno->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Every failed check on a line of its own: the frame takes the corner above the wall's top
    // and left of the axial load's value, where no line of the schematic is ever drawn (the
    // height's dimension starts at the wall's top), and scrolls when the lines need more room.
    auto* marco = b.Place(new QScrollArea(f3), "MarcoAvisos", 60, 45, 2040,
                          static_cast<int>(Esquema::kTopeMuro) - 75, 8, true);
    marco->setFrameShape(QFrame::NoFrame);
    marco->setWidgetResizable(true);
    marco->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    marco->viewport()->setAutoFillBackground(false);
    MarcoAvisos = marco;
    Label33 = new QLabel(QStringLiteral("Label33"));
    Label33->setObjectName(QStringLiteral("Label33"));
    Label33->setWordWrap(true);
    Label33->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    marco->setWidget(Label33);
    Label33->setAutoFillBackground(false);
    SetForeColor(Label33, kRed);
}

void MuroCont1::BuildResultsPanel() {
    Builder b{scaler_};
    Frame4 = b.Frame(Frame3, "Frame4", 60, 4960, 4990, 2100);
    Background(Frame4, QColor(192, 192, 192));
    QWidget* f4 = Frame4;

    // Wide enough for "MURO INESTABLE" and "DATOS MODIFICADOS" at the smallest size the window
    // takes.
    Panel3D1 = b.Place(new StatusPanel(f4), "Panel3D1", 80, 180, 1780, 345, 7.5, true);
    Panel3D1->setText(QStringLiteral("MURO ESTABLE"));
    Command8 = b.Button(f4, "Command8", "C&hequeo", 48, 1380, 1005, 330);
    Command1 = b.Button(f4, "Command1", "&Calculo", 1080, 1380, 810, 330);

    struct Pair {
        const char* heading;
        const char* headingName;
        int headingIndex;
        const char* valueName;
        QLabel** value;
        int left;
        int top;
        int headingWidth;
    };
    const Pair pairs[] = {
        {"Excent.", "Label45", 1, "Label30", &Label30, 120, 650, 900},
        {"Base/6", "Label45", 2, "Label31", &Label31, 120, 990, 900},
        {"FS vuelco", "Label45", 0, "Label18", &Label18, 1980, 180, 880},
        {"FS desliz", "Label46", -1, "Label25", &Label25, 1980, 520, 880},
        {"Cort en Muro", "Label7", -1, "Label27", &Label27, 1980, 860, 880},
        {"Cort en Base", "Label48", -1, "Label9", &Label9, 1980, 1200, 880},
        {" Presion Maxima", "Label11", -1, "Label10", &Label10, 3400, 180, 1100},
        {"Presion Minima", "Label34", -1, "Label32", &Label32, 3400, 520, 1100},
        {"Presion Admis.", "Label17", -1, "Label8", &Label8, 3400, 860, 1100},
        {"Cortante Admis.", "Label47", -1, "Label28", &Label28, 3400, 1200, 1100},
        // The earthquake case's row, under the static factors' column and the next one.
        {"Vuelco sismo", "EtqVuelcoSismo", -1, "FsVuelcoSismo", &FsVuelcoSismo, 1980, 1680,
         880},
        {"Desliz sismo", "EtqDeslizSismo", -1, "FsDeslizSismo", &FsDeslizSismo, 3400, 1680,
         1100},
    };
    for (const Pair& p : pairs) {
        QLabel* h = b.Label(f4, p.headingName, QString::fromLatin1(p.heading), p.left, p.top,
                            p.headingWidth, 260, 7);
        if (p.headingIndex >= 0) h->setProperty("index", p.headingIndex);
        // Right-aligned and reaching into the heading's unused end, so that a value as long
        // as "147.04" fits.
        QLabel* v = b.Label(f4, p.valueName, "1.08", p.left + p.headingWidth - 120, p.top - 20,
                            580, 300, 8, true);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetForeColor(v, kNavy);
        *p.value = v;
        if (p.value == &FsVuelcoSismo) EtqVuelcoSismo = h;
        if (p.value == &FsDeslizSismo) EtqDeslizSismo = h;
    }
    // The lines between the panel's cells.
    auto line = [&](const char* name, int l, int t, int w, int h) {
        auto* ln = b.Place(new QFrame(f4), name, l, t, w, h);
        ln->setFrameShape(w > h ? QFrame::HLine : QFrame::VLine);
        ln->setFrameShadow(QFrame::Sunken);
    };
    line("Line1", 1920, 60, 30, 1980);
    line("Line2", 3360, 60, 30, 1980);
    line("Line3", 30, 580, 1890, 30);
    line("Line44", 30, 1300, 1890, 30);
    line("Line45", 1950, 1540, 3000, 30);
}

}  // namespace tarelvo
