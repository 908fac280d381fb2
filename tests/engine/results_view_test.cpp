// The results panel as the window shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "common/number_text.h"
#include "engine/bar_groups.h"
#include "engine/stability_limits.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

struct Expected {
    const char* control;
    const char* text;
};

void ExpectTexts(const ResultsView& v, std::initializer_list<Expected> e) {
    for (const Expected& x : e) {
        bool found = false;
        for (const ResultValue& r : v.values)
            if (std::string(r.control) == x.control) {
                found = true;
                EXPECT_EQ(r.text, x.text) << x.control;
            }
        EXPECT_TRUE(found) << x.control;
    }
}

const ResultValue& Value(const ResultsView& v, const std::string& control) {
    for (const ResultValue& r : v.values)
        if (control == r.control) return r;
    throw std::runtime_error(control);
}

TEST(Results, DefaultWallIsStable) {
    FakeWindow w;
    ProjectState s = Defaults();
    ChequeaMuro(s, w, w);
    const ResultsView& v = w.shown;
    EXPECT_EQ(v.verdict, "MURO ESTABLE");
    EXPECT_FALSE(v.verdictRed);
    ExpectTexts(v, {{"Label30", "0.040"}, {"Label31", "0.133"}, {"Label18", "3.76"},
                    {"Label25", "2.21"}, {"Label27", "0.35"}, {"Label9", "0.41"},
                    {"Label28", "6.04"}, {"Label10", "0.24"}, {"Label32", "0.13"},
                    {"Label8", "0.56"}});
    for (const ResultValue& r : v.values) EXPECT_FALSE(r.red) << r.control;
    EXPECT_FALSE(v.calculo);
    EXPECT_TRUE(v.preview && v.refuerzo && v.chequeo && v.diag);
    EXPECT_FALSE(v.warningVisible);
    EXPECT_EQ(w.alinea, 1);

    s.Fc = 210;  // as the window's start-up leaves it
    ChequeaMuro(s, w, w);
    ExpectTexts(w.shown, {{"Label28", "6.53"}, {"Label18", "3.76"}, {"Label10", "0.24"}});
}

TEST(Results, UnstableWallHidesValuesButListsItsFailures) {
    FakeWindow w;
    ProjectState s = Defaults();
    s.Sobrec = 10;
    s.Ancho = 10;
    s.FormaMuro = 1;
    w.centro = "0.14";  // thin inclined stem: its shear fails as well
    ChequeaMuro(s, w, w);
    const ResultsView& v = w.shown;
    ASSERT_EQ(v.verdict, "MURO INESTABLE");
    EXPECT_TRUE(v.verdictRed);
    EXPECT_TRUE(Value(v, "Label30").red);
    EXPECT_FALSE(Value(v, "Label30").text.empty());
    EXPECT_FALSE(Value(v, "Label31").text.empty());
    for (const char* c : {"Label18", "Label25", "Label27", "Label28", "Label10", "Label32",
                          "Label8", "Label9"})
        EXPECT_TRUE(Value(v, c).text.empty()) << c;
    ASSERT_GE(v.avisos.size(), 2u);
    EXPECT_EQ(v.avisos[0], kAvisoExcent);
    EXPECT_NE(std::find(v.avisos.begin(), v.avisos.end(), kAvisoCorteMuro), v.avisos.end());
    EXPECT_TRUE(v.warningVisible);
    // The record of a failing wall can be kept: printed, reinforced and drawn.
    EXPECT_TRUE(v.calculo && v.chequeo && v.preview && v.refuerzo && v.diag);
}

TEST(Results, EveryFailedCheckIsListedInItsOrderAndRed) {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    ASSERT_TRUE(w.shown.avisos.empty());
    ASSERT_FALSE(EvaluaFallas(s).alguna());

    struct Caso {
        void (*falla)(ProjectState&);
        const char* aviso;
        const char* rojo;  // the value turned red, if any
    };
    const Caso casos[] = {
        {[](ProjectState& t) { t.FsVuelco = 1.49f; }, kAvisoVuelco, "Label18"},
        {[](ProjectState& t) { t.FsDesliz = 1.2f; }, kAvisoDesliz, "Label25"},
        {[](ProjectState& t) { t.EsfCortMuro = t.CortAdm * 1.1f; }, kAvisoCorteMuro, "Label27"},
        {[](ProjectState& t) { t.EsfCortZap = t.CortAdm * 1.1f; }, kAvisoCorteZapata, "Label9"},
        {[](ProjectState& t) { t.PresAdm = 1.0f; }, kAvisoPresion, "Label10"},
        {[](ProjectState& t) { t.CuantMuro = t.CuantMax * 1.01f; }, kAvisoCuantiaMuro, nullptr},
        {[](ProjectState& t) { t.CuantPunta = t.CuantMax * 1.01f; }, kAvisoCuantiaPunta, nullptr},
        {[](ProjectState& t) { t.CuantTalon = t.CuantMax * 1.01f; }, kAvisoCuantiaTalon, nullptr},
        {[](ProjectState& t) { t.BarrasSinEspacio = 1 << GruposBarras::ZapataInferior; },
         nullptr, nullptr},
    };
    ProjectState todas = s;
    std::vector<std::string> esperados;
    for (const Caso& c : casos) {
        ProjectState t = s;
        c.falla(t);
        c.falla(todas);
        const std::string aviso =
            c.aviso ? c.aviso : AvisoBarras(GruposBarras::ZapataInferior);
        esperados.push_back(aviso);
        const ResultsView v = EvaluaResultados(t);
        EXPECT_EQ(v.verdict, "NO CUMPLE") << aviso;
        EXPECT_TRUE(v.verdictRed);
        EXPECT_EQ(v.avisos, std::vector<std::string>{aviso});
        EXPECT_EQ(v.warning, aviso + "\n" + kRecalcule);
        EXPECT_TRUE(v.warningVisible && v.calculo && v.preview && v.refuerzo && v.diag);
        for (const ResultValue& r : v.values)
            EXPECT_EQ(r.red, c.rojo && std::string(c.rojo) == r.control) << r.control;
    }
    // All at once: every line, in the order of the checks, then "RECALCULE!".
    const ResultsView v = EvaluaResultados(todas);
    EXPECT_EQ(v.avisos, esperados);
    EXPECT_EQ(std::count(v.warning.begin(), v.warning.end(), '\n'),
              static_cast<long>(esperados.size()));
    EXPECT_EQ(v.warning.substr(v.warning.size() - 10), kRecalcule);

    // The minimum itself is enough, and the texts name the minimum the verdict applies.
    s.FsVuelco = kFsMinVuelco;
    s.FsDesliz = kFsMinDesliz;
    EXPECT_EQ(EvaluaResultados(s).verdict, "MURO ESTABLE");
    EXPECT_NE(std::string(kAvisoVuelco).find(numtext::format(kFsMinVuelco, "0.00")),
              std::string::npos);
    EXPECT_NE(std::string(kAvisoDesliz).find(numtext::format(kFsMinDesliz, "0.00")),
              std::string::npos);
}

TEST(Results, ASlidingWallDoesNotPass) {
    ProjectState s = MuroQueDesliza();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    EXPECT_LT(s.FsDesliz, 1.0f);
    EXPECT_EQ(w.shown.verdict, "NO CUMPLE");
    EXPECT_EQ(w.shown.avisos, std::vector<std::string>{kAvisoDesliz});
}

TEST(Results, ANumberThatIsNoneFailsItsCheck) {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float ProjectState::*campo : {&ProjectState::Excent, &ProjectState::FsVuelco,
                                       &ProjectState::FsDesliz, &ProjectState::EsfCortMuro,
                                       &ProjectState::EsfCortZap, &ProjectState::PresMin,
                                       &ProjectState::CuantMuro, &ProjectState::CuantTalon}) {
        ProjectState t = s;
        t.*campo = nan;
        EXPECT_TRUE(EvaluaFallas(t).alguna());
        EXPECT_NE(EvaluaResultados(t).verdict, "MURO ESTABLE");
    }
    s.Excent = nan;
    EXPECT_EQ(EvaluaResultados(s).verdict, "MURO INESTABLE");
}

TEST(Results, TheMiddleThirdHasTwoSides) {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    for (float lado : {1.0f, -1.0f}) {
        s.Excent = lado * s.Base6;
        EXPECT_EQ(EvaluaResultados(s).verdict, "MURO ESTABLE") << lado;
        s.Excent = std::nextafter(lado * s.Base6, lado);
        EXPECT_EQ(EvaluaResultados(s).verdict, "MURO INESTABLE") << lado;
    }
}

TEST(Results, ResultantBehindCentreShowsTheLargerPressureAsMaximum) {
    ProjectState s = Defaults();
    s.Punta = 1.5f;
    FakeWindow w;
    ChequeaMuro(s, w, w);
    ASSERT_GT(s.PresMin, s.PresMax);
    const std::string mayor = numtext::format(s.PresMin / 10.0, "0.00");
    ExpectTexts(w.shown, {{"Label10", mayor.c_str()}});
}

TEST(Results, StemSizedExactlyForShearPasses) {
    // After "&Calculo" the 5.95 m default wall has EspTope = EspReq and a stress one float
    // step above the admissible one.
    ProjectState s = Defaults();
    s.Altura = 5.95f;
    FakeWindow w;
    Calcular(s, w, w);
    ChequeaMuro(s, w, w);
    ASSERT_EQ(s.EspTope, s.EspReq);
    EXPECT_GE(s.EsfCortMuro, s.CortAdm);
    EXPECT_FALSE(Value(w.shown, "Label27").red);
    EXPECT_NE(w.shown.warning, kAvisoCorteMuro);

    s.EsfCortMuro = s.CortAdm * 1.001f;
    EXPECT_TRUE(FallaCorteMuro(s));
    EXPECT_TRUE(Value(EvaluaResultados(s), "Label27").red);
}

}  // namespace
}  // namespace tarelvo::test
