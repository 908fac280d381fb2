// The results panel as the window shows it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "common/number_text.h"
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

TEST(Results, UnstableWallHidesValuesAndWarnings) {
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
    EXPECT_TRUE(FallaCorteMuro(s));
    EXPECT_FALSE(v.warningVisible);
    EXPECT_TRUE(v.calculo);
    EXPECT_FALSE(v.preview || v.refuerzo || v.diag);
    EXPECT_TRUE(v.chequeo);  // a wall fixed by hand can be checked again
}

TEST(Results, LastWarningWinsAndEveryFailureIsRed) {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    // Stable, with the footing shear and the soil pressure over their limits.
    s.EsfCortZap = s.CortAdm * 1.1f;
    s.PresAdm = 1.0f;
    const ResultsView v = EvaluaResultados(s);
    ASSERT_EQ(v.verdict, "MURO ESTABLE");
    EXPECT_TRUE(Value(v, "Label9").red);
    EXPECT_TRUE(Value(v, "Label10").red);
    EXPECT_FALSE(Value(v, "Label27").red);
    EXPECT_TRUE(v.warningVisible);
    EXPECT_EQ(v.warning, kAvisoPresion);
    EXPECT_TRUE(v.calculo);
    EXPECT_FALSE(v.preview || v.refuerzo || v.diag);
    EXPECT_TRUE(v.chequeo);

    s.PresAdm = 100;
    EXPECT_EQ(EvaluaResultados(s).warning, kAvisoCorteZapata);
}

TEST(Results, FactorsOfSafetyBelowTheMinimumWarnBeforeTheOtherChecks) {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    ASSERT_FALSE(w.shown.warningVisible);

    // Sliding alone.
    s.FsDesliz = 1.49f;
    ResultsView v = EvaluaResultados(s);
    ASSERT_EQ(v.verdict, "MURO ESTABLE");
    EXPECT_TRUE(Value(v, "Label25").red);
    EXPECT_FALSE(Value(v, "Label18").red);
    EXPECT_EQ(Value(v, "Label25").text, "1.49");
    EXPECT_EQ(v.warning, kAvisoDesliz);
    EXPECT_TRUE(v.warningVisible && v.calculo && v.chequeo);
    EXPECT_FALSE(v.preview || v.refuerzo || v.diag);

    // Overturning too: sliding is evaluated after it, so its text stays; both are red.
    s.FsVuelco = 1.2f;
    v = EvaluaResultados(s);
    EXPECT_TRUE(Value(v, "Label18").red);
    EXPECT_TRUE(Value(v, "Label25").red);
    EXPECT_EQ(v.warning, kAvisoDesliz);
    s.FsDesliz = 1.5f;  // the minimum itself is enough
    v = EvaluaResultados(s);
    EXPECT_EQ(v.warning, kAvisoVuelco);
    EXPECT_FALSE(Value(v, "Label25").red);

    // Any of the three older checks overwrites the text, while every failure stays red.
    s.FsDesliz = 0.9f;
    s.PresAdm = 1.0f;
    v = EvaluaResultados(s);
    EXPECT_EQ(v.warning, kAvisoPresion);
    EXPECT_TRUE(Value(v, "Label18").red && Value(v, "Label25").red && Value(v, "Label10").red);

    // An unstable wall shows no warning text and no factors.
    s.Excent = s.Base6 * 2;
    v = EvaluaResultados(s);
    EXPECT_FALSE(v.warningVisible);
    EXPECT_TRUE(Value(v, "Label25").text.empty());

    // The texts name the minimum the verdict applies.
    EXPECT_NE(std::string(kAvisoVuelco).find(numtext::format(kFsMinVuelco, "0.00")),
              std::string::npos);
    EXPECT_NE(std::string(kAvisoDesliz).find(numtext::format(kFsMinDesliz, "0.00")),
              std::string::npos);
}

TEST(Results, ASlidingWallIsNoLongerCalledStableWithoutAWarning) {
    ProjectState s = MuroQueDesliza();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    EXPECT_LT(s.FsDesliz, 1.0f);
    EXPECT_EQ(w.shown.verdict, "MURO ESTABLE");
    EXPECT_TRUE(w.shown.warningVisible);
    EXPECT_EQ(w.shown.warning, kAvisoDesliz);
    EXPECT_FALSE(w.shown.refuerzo);
}

TEST(Results, EveryWarningRaisedIsListedAndANumberThatIsNoneFailsItsCheck) {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    EXPECT_TRUE(w.shown.avisos.empty());
    const FallasMuro ninguna = EvaluaFallas(s);
    EXPECT_FALSE(ninguna.excentricidad || ninguna.vuelco || ninguna.desliz || ninguna.corteMuro ||
                 ninguna.corteZapata || ninguna.presion);

    // Four checks fail: the label shows the last, the list all of them in their order.
    s.FsVuelco = 1.2f;
    s.FsDesliz = 0.9f;
    s.EsfCortZap = s.CortAdm * 1.1f;
    s.PresAdm = 1.0f;
    ResultsView v = EvaluaResultados(s);
    EXPECT_EQ(v.avisos, (std::vector<std::string>{kAvisoVuelco, kAvisoDesliz, kAvisoCorteZapata,
                                                  kAvisoPresion}));
    EXPECT_EQ(v.warning, v.avisos.back());

    // Outside the middle third the label shows none, but a shear that fails is still listed.
    s.Excent = s.Base6 * 2;
    v = EvaluaResultados(s);
    EXPECT_FALSE(v.warningVisible);
    EXPECT_EQ(v.avisos, std::vector<std::string>{kAvisoCorteZapata});
    EXPECT_TRUE(EvaluaFallas(s).excentricidad && EvaluaFallas(s).desliz);

    // No value that is not a number passes for a sound one.
    ChequeaMuro(s, w, w);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float ProjectState::*campo : {&ProjectState::Excent, &ProjectState::FsVuelco,
                                       &ProjectState::FsDesliz, &ProjectState::EsfCortMuro,
                                       &ProjectState::EsfCortZap, &ProjectState::PresMin}) {
        ProjectState t = s;
        t.*campo = nan;
        const FallasMuro f = EvaluaFallas(t);
        EXPECT_TRUE(f.excentricidad || f.vuelco || f.desliz || f.corteMuro || f.corteZapata ||
                    f.presion);
    }
    s.Excent = nan;
    EXPECT_EQ(EvaluaResultados(s).verdict, "MURO INESTABLE");
}

TEST(Results, MiddleThirdBoundaryIsStable) {
    ProjectState s = Defaults();
    FakeWindow w;
    ChequeaMuro(s, w, w);
    s.Excent = s.Base6;
    EXPECT_EQ(EvaluaResultados(s).verdict, "MURO ESTABLE");
    s.Excent = std::nextafter(s.Base6, 1.0f);
    EXPECT_EQ(EvaluaResultados(s).verdict, "MURO INESTABLE");
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
