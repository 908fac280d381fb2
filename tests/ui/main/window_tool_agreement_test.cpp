// The main window and tarelvo-calc make the same project of the same file, the same design and
// the same values typed in: every state variable is compared exactly, and so are the texts of
// the controls that hold the project.
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <sstream>

#include "cli/calc_tool.h"
#include "common/number_text.h"
#include "engine/state_fields.h"
#include "main_window_fixture.h"

namespace tarelvo::test {
namespace {

std::string Texto(const ProjectState& s, const StateField& f) {
    switch (f.kind) {
        case StateField::Float: return numtext::format(s.*(f.f), "0.###########");
        case StateField::Int16: return std::to_string(s.*(f.i));
        case StateField::Text: return s.*(f.t);
    }
    return "";
}

// The variables whose values differ, one line each; empty when the states agree.
std::string Diferencias(const ProjectState& ventana, const ProjectState& herramienta) {
    std::string d;
    for (const StateField& f : StateFields()) {
        const bool igual = f.kind == StateField::Float  ? ventana.*(f.f) == herramienta.*(f.f)
                           : f.kind == StateField::Int16 ? ventana.*(f.i) == herramienta.*(f.i)
                                                         : ventana.*(f.t) == herramienta.*(f.t);
        if (!igual)
            d += std::string(f.name) + ": ventana " + Texto(ventana, f) + ", herramienta " +
                 Texto(herramienta, f) + "\n";
    }
    return d;
}

std::string Diferencias(const CamposMuro& a, const CamposMuro& b) {
    const std::pair<const char*, std::string CamposMuro::*> textos[] = {
        {"titulo", &CamposMuro::titulo}, {"altura", &CamposMuro::altura},
        {"ancho", &CamposMuro::ancho},   {"centro", &CamposMuro::centro},
        {"altZap", &CamposMuro::altZap}, {"punta", &CamposMuro::punta},
        {"talon", &CamposMuro::talon},   {"dsz", &CamposMuro::dsz},
        {"altDent", &CamposMuro::altDent}, {"anchDent", &CamposMuro::anchDent},
        {"phi1", &CamposMuro::phi1},     {"gamma1", &CamposMuro::gamma1},
        {"cohes1", &CamposMuro::cohes1}, {"phi2", &CamposMuro::phi2},
        {"gamma2", &CamposMuro::gamma2}, {"cohes", &CamposMuro::cohes},
        {"beta", &CamposMuro::beta},     {"reac", &CamposMuro::reac},
        {"sobrec", &CamposMuro::sobrec}, {"padm", &CamposMuro::padm},
        {"fc", &CamposMuro::fc},         {"fy", &CamposMuro::fy},
        {"anchoZapata", &CamposMuro::anchoZapata}};
    std::string d;
    for (const auto& [nombre, t] : textos)
        if (a.*t != b.*t) d += std::string(nombre) + ": \"" + a.*t + "\" / \"" + b.*t + "\"\n";
    if (a.formaMuro != b.formaMuro) d += "formaMuro\n";
    if (a.centrica != b.centrica) d += "centrica\n";
    if (a.pasiva != b.pasiva) d += "pasiva\n";
    if (a.dentellon != b.dentellon) d += "dentellon\n";
    return d;
}

// A wall in a project file, the pairs given to the tool after it, and the same values put into
// the window's controls once it is loaded.
struct Muro {
    const char* nombre;
    const char* archivo;
    std::vector<std::string> pares;
    std::function<void(class Acuerdo&)> enVentana;
};

void PrintTo(const Muro& m, std::ostream* os) { *os << m.nombre; }

class Acuerdo : public MainWindowTest {
public:
    using MainWindowTest::Click;
    using MainWindowTest::Press;
    using MainWindowTest::TypeAndLeave;
    MuroCont1& ventana() { return *w; }

protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        w->setFileChooser([this](QWidget*, bool, const QString&) { return ruta; });
    }
    std::string Guarda(const Muro& m) {
        ruta = dir.filePath(QString::fromLatin1(m.nombre) + ".mur");
        QFile f(ruta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(m.archivo);
        return ruta.toStdString();
    }
    void Carga(const Muro& m) {
        Guarda(m);
        w->Command4->click();
        ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    }
    // The project the tool makes of the arguments.
    void Herramienta(const std::vector<std::string>& args) {
        std::ostringstream err;
        ASSERT_EQ(ProyectoCalculado(args, estado, herramienta, err), 0) << err.str();
    }

    QTemporaryDir dir;
    QString ruta;
    ProjectState estado;
    HeadlessWindow herramienta;
};

// The stem-top thickness and the inclined stem's base from 0.15 and 0.50 (the base field shows
// 0.17), an eccentric footing, values that round in their fields, an admissible pressure that
// rounds to nothing.
const Muro kFrente{
    "frente",
    "Frente\r\n 1  10  .5  1.5  1  0  .333 \r\n"
    " .15  .5  .25  .3  .3  .45  30.004  30  1.8  1.8  0 \r\n 4  1  0  .004 \r\n",
    {"Altura=2.4", "Ancho=17", "Punta=0.25", "Talon=1.35", "Gamma1=1.95", "Cohes1=0.5", "Dsz=0.1",
     "Sobrec=1.5", "Padm=2", "Fc=240", "ConDent=1", "FormaMuro=2"},
    [](Acuerdo& t) {
        MuroCont1& v = t.ventana();
        t.TypeAndLeave(v.Altura, "2.4");
        t.TypeAndLeave(v.Ancho, "0.17");
        t.TypeAndLeave(v.Punta, "0.25");
        t.TypeAndLeave(v.Talon, "1.35");
        t.TypeAndLeave(v.Gamma1, "1.95");
        t.TypeAndLeave(v.Cohes1, "0.5");
        t.TypeAndLeave(v.Dsz, "0.1");
        t.Press(v.Spin3, true);
        t.Press(v.Spin21, true, 2);
        v.Combo1->setCurrentIndex(v.Combo1->findText("240"));
        t.Click(v.Option3, 0);
        t.Click(v.Option1, 2);
    }};

// A centred footing whose toe and heel are not yet centred, with a shear key; "Centrica"
// clicked again after a new toe and heel are typed.
const Muro kRelleno{
    "relleno",
    "Relleno\r\n 2  5  1  1.5  0  .4  .3 \r\n"
    " .15  2.5  .35  .6  .55  1.3  32  28  1.9  2  1.2 \r\n 2  0  1  1.5 \r\n",
    {"Altura=3", "Ancho=20", "Talon=1.0", "Punta=0.4", "Phi2=33", "Reac=2.5", "Beta=8",
     "Centrica=1"},
    [](Acuerdo& t) {
        MuroCont1& v = t.ventana();
        t.TypeAndLeave(v.Altura, "3");
        t.TypeAndLeave(v.Ancho, "0.2");
        t.TypeAndLeave(v.Talon, "1.0");
        t.TypeAndLeave(v.Punta, "0.4");
        t.TypeAndLeave(v.Phi2, "33");
        t.Press(v.Spin2, true);
        t.Press(v.Spin17, true, 3);
        t.Click(v.Option5, 3);
        t.Click(v.Option1, 2);
    }};

// A straight stem made inclined, with its base typed in, the key and the pressure changed.
const Muro kRecto{
    "recto",
    "Recto\r\n 0  0  0  0  1  0  0 \r\n .25  3  .4  .8  .6  1.6  30  30  1.8  1.8  0 \r\n"
    " 2  0  0  0 \r\n",
    {"Pasiva=0", "ConDent=1", "AltDent=0.45", "AnchDent=0.25", "Padm=0.8", "Centrica=0",
     "FormaMuro=1", "Centro=0.5"},
    [](Acuerdo& t) {
        MuroCont1& v = t.ventana();
        t.Click(v.Option2, 1);
        t.Click(v.Option3, 0);
        t.TypeAndLeave(v.AltDent, "0.45");
        t.TypeAndLeave(v.AnchDent, "0.25");
        t.Press(v.Spin22, true, 16);
        t.Click(v.Option5, 2);
        t.Click(v.Option1, 1);
        t.TypeAndLeave(v.Centro, "0.5");
        t.Click(v.Option2, 1);  // checks again
    }};

// Unstable walls for "&Calculo": eccentric and centred.
const Muro kAlto{"alto",
                 "Alto\r\n 1  0  1  0  0  0  .2 \r\n"
                 " .15  3  .25  .5  .3  .3  30  30  1.8  1.8  0 \r\n 2  0  0  0 \r\n",
                 {},
                 nullptr};
const Muro kCentrado{"centrado",
                     "Centrado\r\n 2  12  .5  0  1  .5  .3 \r\n"
                     " .15  2.5  .3  .5  .35  .45  30  30  1.8  1.8  0 \r\n 3  1  1  0 \r\n",
                     {},
                     nullptr};

class AcuerdoPorMuro : public Acuerdo, public ::testing::WithParamInterface<Muro> {};

TEST_P(AcuerdoPorMuro, LoadedAndChecked) {
    const Muro& m = GetParam();
    Carga(m);
    Herramienta({ruta.toStdString()});
    EXPECT_EQ(Diferencias(s, estado), "");
    EXPECT_EQ(Diferencias(w->Campos(), herramienta.campos), "");
}

TEST_P(AcuerdoPorMuro, DesignedWithCalculo) {
    const Muro& m = GetParam();
    Carga(m);
    if (!w->Command1->isEnabled()) return;  // a stable wall offers no design
    w->Command1->click();
    Herramienta({"--design", ruta.toStdString()});
    EXPECT_EQ(Diferencias(s, estado), "");
    EXPECT_EQ(Diferencias(w->Campos(), herramienta.campos), "");
}

TEST_P(AcuerdoPorMuro, ValuesTypedAfterTheLoad) {
    const Muro& m = GetParam();
    if (!m.enVentana) return;
    Carga(m);
    m.enVentana(*this);
    std::vector<std::string> args{ruta.toStdString()};
    args.insert(args.end(), m.pares.begin(), m.pares.end());
    Herramienta(args);
    EXPECT_EQ(Diferencias(s, estado), "");
    EXPECT_EQ(Diferencias(w->Campos(), herramienta.campos), "");
}

INSTANTIATE_TEST_SUITE_P(Muros, AcuerdoPorMuro,
                         ::testing::Values(kFrente, kRelleno, kRecto, kAlto, kCentrado),
                         [](const auto& info) { return std::string(info.param.nombre); });

// --dump against the window once "&Refuerzo" has laid out the bars, as the tool does before
// dumping.
class AcuerdoDump : public Acuerdo {
protected:
    std::string Compara(std::vector<std::string> args) {
        if (!w->Command7->isEnabled()) return "\"&Refuerzo\" no está disponible";
        w->Command7->click();
        args.insert(args.begin(), "--dump");
        std::ostringstream out, err;
        if (RunCalcTool(args, out, err) != 0) return "falló: " + err.str();
        std::map<std::string, std::string> dump;
        std::istringstream in(out.str());
        for (std::string l; std::getline(in, l);)
            dump[l.substr(0, l.find('='))] = l.substr(l.find('=') + 1);
        std::string d;
        for (const StateField& f : StateFields()) {
            if (!dump.count(f.name)) {
                d += std::string(f.name) + " falta\n";
                continue;
            }
            const std::string& t = dump[f.name];
            const bool igual =
                f.kind == StateField::Float  ? static_cast<float>(numtext::read(t)) == s.*(f.f)
                : f.kind == StateField::Int16 ? std::to_string(s.*(f.i)) == t
                                              : s.*(f.t) == t;
            if (!igual) d += std::string(f.name) + ": ventana " + Texto(s, f) + ", --dump " + t + "\n";
        }
        if (dump["Verdict"] != w->Panel3D1->text().toStdString()) d += "Verdict\n";
        return d;
    }
};

TEST_F(AcuerdoDump, AfterTheStartUpCheck) { EXPECT_EQ(Compara({}), ""); }

TEST_F(AcuerdoDump, AfterADesign) {
    Click(w->Option5, 2);
    TypeAndLeave(w->Altura, "3");
    Press(w->Spin3, true);
    w->Combo1->setCurrentIndex(w->Combo1->findText("180"));
    Click(w->Option1, 0);
    ASSERT_TRUE(w->Command1->isEnabled());
    w->Command1->click();
    EXPECT_EQ(Compara({"--design", "Altura=3", "Sobrec=1", "Fc=180", "Centrica=0"}), "");
}

TEST_F(AcuerdoDump, AfterALoadAndPairs) {
    Carga(kFrente);
    kFrente.enVentana(*this);
    std::vector<std::string> args{ruta.toStdString()};
    args.insert(args.end(), kFrente.pares.begin(), kFrente.pares.end());
    EXPECT_EQ(Compara(args), "");
}

}  // namespace
}  // namespace tarelvo::test
