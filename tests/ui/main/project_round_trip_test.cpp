// Every project the window can hold saves, reloads and analyses to the same wall: random
// titles, values, options, bars and spacings, compared variable by variable.
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <random>

#include "common/number_text.h"
#include "main_window_fixture.h"
#include "state_differences.h"
#include "ui/files/confirm_dialog.h"
#include "ui/reinforcement/murref.h"

namespace tarelvo::test {
namespace {

class ProjectRoundTrip : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        w->setFileChooser([this](QWidget*, bool, const QString&) { return ruta; });
    }

    // A number between lo and hi with two or three decimals, as an engineer types it.
    QString Numero(double lo, double hi) {
        const double v = std::uniform_real_distribution<double>(lo, hi)(azar);
        return QString::fromStdString(numtext::format(v, Entre(0, 1) ? "0.00" : "0.000"));
    }
    int Entre(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(azar); }

    QString Titulo() {
        static const char* const kPiezas[] = {"Muro", " ", ",", "\"", "ñandú", "Á", "3", "–",
                                              "tramo", "'", ";", "€", "  "};
        QString t;
        for (int n = Entre(0, 12); n > 0; --n) t += QString::fromUtf8(kPiezas[Entre(0, 12)]);
        return t;
    }

    // A wall typed into the window, checked, and with its bars chosen now and then.
    void Muro() {
        Type(w->Titulo, Titulo());
        Click(w->Option5, Entre(2, 3));
        Click(w->Option2, Entre(0, 1));
        const std::pair<FieldEdit*, std::pair<double, double>> campos[] = {
            {w->Altura, {1, 6}},      {w->Ancho, {0.15, 0.4}},  {w->AltZap, {0.25, 0.8}},
            {w->Punta, {0.2, 2}},     {w->Talon, {0.3, 3.5}},   {w->Dsz, {0.3, 1.5}},
            {w->AltDent, {0, 1}},     {w->AnchDent, {0.2, 0.6}}, {w->Phi1, {25, 40}},
            {w->Phi2, {20, 40}},      {w->Gamma1, {1.6, 2.1}},  {w->Gamma2, {1.6, 2.1}},
            {w->Cohes, {0, 3}},       {w->Cohes1, {0, 0.3}}};
        for (const auto& [campo, rango] : campos)
            TypeAndLeave(campo, Numero(rango.first, rango.second));
        // The key's fields are typed while "Incluye" shows them.
        Click(w->Option3, Entre(0, 1));
        Press(w->Spin17, true, Entre(0, 20));
        Press(w->Spin19, true, Entre(0, 30));
        Press(w->Spin2, true, Entre(0, 4));
        Press(w->Spin22, true, Entre(0, 40));
        w->Combo1->setCurrentIndex(Entre(0, w->Combo1->count() - 1));
        w->Combo2->setCurrentIndex(Entre(0, w->Combo2->count() - 1));
        Click(w->Option1, Entre(0, 2));
        if (!w->Option1->isSelected(0)) TypeAndLeave(w->Centro, Numero(0.2, 1.2));
        w->Command8->click();
        barras = w->Command7->isEnabled() && Entre(0, 2) > 0;
        if (!barras) return;
        w->Command7->click();
        Murref* r = w->murref();
        for (QComboBox* c : r->Combo) c->setCurrentIndex(Entre(0, 3));
        for (QLineEdit* e : r->Separ) {
            e->setText(Numero(0.05, 0.5));
            QTest::keyClick(e, Qt::Key_Return);
        }
        r->Geometria->click();
    }

    QTemporaryDir dir;
    QString ruta;
    std::mt19937 azar;
    bool barras = false;
};

TEST_F(ProjectRoundTrip, EveryProjectReloadsToTheSameState) {
    int comparados = 0, conBarras = 0;
    for (unsigned semilla = 1; semilla <= 12; ++semilla) {
        SCOPED_TRACE("semilla " + std::to_string(semilla));
        azar.seed(semilla);
        // The spins step from a new project's zeros.
        w->Command5->click();
        w->nuevo()->Command2->click();
        messages.clear();
        Muro();
        ruta = dir.filePath(QString("p%1.mur").arg(semilla));
        w->Command2->click();
        if (!messages.empty()) continue;  // a wall the engine cannot compute
        ++comparados;
        conBarras += barras ? 1 : 0;
        const ProjectState guardado = s;
        CamposMuro campos = w->Campos();
        // "C&hequeo" writes a depth it brings to the footing's thickness "0.00" into its field
        // and keeps the exact one in the state, which the file holds and the load shows.
        if (numtext::read(campos.dsz) != s.Dsz) campos.dsz = numtext::format(s.Dsz, "0.###");
        std::array<std::string, GruposBarras::kGrupos> etiquetas;
        for (int g = 0; g < GruposBarras::kGrupos; ++g) etiquetas[g] = w->grupos().etiqueta(g);

        // Another wall in between, so that nothing is left over from the saved one.
        w->Command5->click();
        w->nuevo()->Command2->click();
        messages.clear();
        w->Command4->click();
        EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
        EXPECT_EQ(DiferenciasDeCampos(campos, w->Campos()), "");
        if (barras) {
            // The secondary steel is the layout step's: the bars as "&Refuerzo" lays them out
            // again, the ones saved at the same spacings.
            ASSERT_TRUE(w->PreparaRefuerzo());
            for (int g = 0; g < GruposBarras::kGrupos; ++g)
                EXPECT_EQ(w->grupos().etiqueta(g), etiquetas[g]) << g;
        }
        EXPECT_EQ(DiferenciasDeEstado(guardado, s), "");
    }
    EXPECT_GE(comparados, 8);
    EXPECT_GE(conBarras, 3);
}

}  // namespace
}  // namespace tarelvo::test
