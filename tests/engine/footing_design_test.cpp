// The footing design loop and "&Calculo"'s write-back of the new footing.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/number_text.h"
#include "engine/stability_limits.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

float Accumulated(float start, int steps) {
    float v = start;
    for (int i = 0; i < steps; ++i) v = v + 0.05f;
    return v;
}

TEST(CalculaBase, DefaultWallAcceptedOnFirstPass) {
    ProjectState s = Defaults();
    FakeWindow w;
    CalculaBase(s, w, w);
    EXPECT_EQ(s.Contador, 1);
    EXPECT_FLOAT_EQ(s.Punta, 0.30f);
    EXPECT_FLOAT_EQ(s.Talon, 0.30f);
    EXPECT_FLOAT_EQ(s.AltZap, 0.25f);
    EXPECT_EQ(w.muestra, 1);
}

TEST(CalculaBase, TallerWallLengthensHeelFourTimesForEachToeStep) {
    ProjectState s = Defaults();
    s.Altura = 3;
    s.Sobrec = 1;
    FakeWindow w;  // "Excentrica"
    CalculaBase(s, w, w);
    // 33 passes: 32 lengthening steps, 6 on the toe and 26 on the heel, no thickening.
    EXPECT_EQ(s.Contador, 33);
    EXPECT_FLOAT_EQ(s.AltZap, 0.25f);
    // Float additions, exactly as accumulated step by step.
    EXPECT_EQ(s.Punta, Accumulated(0.30f, 6));
    EXPECT_EQ(s.Talon, Accumulated(0.30f, 26));
    EXPECT_NE(s.Talon, 1.6f);
    EXPECT_EQ(s.SeccInsuf, 0);
}

TEST(Calcular, WritesTheFootingAsTwoDecimalTexts) {
    ProjectState s = Defaults();
    s.Altura = 3;
    s.Sobrec = 1;
    FakeWindow w;
    Calcular(s, w, w);
    EXPECT_EQ(w.punta, "0.60");
    EXPECT_EQ(w.talon, "1.60");
    EXPECT_EQ(w.altZap, "0.25");
    EXPECT_EQ(w.alinea, 1);
    // The field handlers stored the numbers read back from the texts.
    EXPECT_EQ(s.Talon, 1.6f);
    ChequeaMuro(s, w, w);
    EXPECT_EQ(w.shown.verdict, "MURO ESTABLE");
}

TEST(Calcular, HighWallThickensTheFootingTwice) {
    ProjectState s = Defaults();
    s.Altura = 5;
    s.Sobrec = 2;
    FakeWindow w;
    Calcular(s, w, w);
    EXPECT_EQ(w.altZap, "0.35");
    EXPECT_EQ(w.punta, "0.95");
    EXPECT_EQ(w.talon, "3.00");
}

TEST(CalculaBase, AcceptableFootingIsKeptExactly) {
    ProjectState s = Defaults();
    s.Punta = 2.0f;
    s.Talon = 3.0f;
    s.AltZap = 0.8f;
    FakeWindow w;
    CalculaBase(s, w, w);
    EXPECT_EQ(s.Contador, 1);
    EXPECT_EQ(s.Punta, 2.0f);
    EXPECT_EQ(s.Talon, 3.0f);
    EXPECT_EQ(s.AltZap, 0.8f);
}

TEST(CalculaBase, CentredFootingSharesTheGrowth) {
    ProjectState s = Defaults();
    s.Altura = 3;
    s.Sobrec = 1;
    FakeWindow w;
    w.centrica = true;
    CalculaBase(s, w, w);
    EXPECT_NEAR(s.Punta, s.Talon, 0.051);
    EXPECT_FALSE(s.Excent > s.Base6);
}

TEST(CalculaBase, AWallNoFootingCanHoldStopsAtFiveTimesItsHeight) {
    // Almost no friction under the footing: sliding can never reach its minimum.
    ProjectState s = Defaults();
    s.Altura = 5;
    s.Sobrec = 2;
    s.Phi2 = 5;
    FakeWindow w;
    try {
        CalculaBase(s, w, w);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        const std::string m = f.what();
        EXPECT_NE(m.find("Ninguna zapata razonable"), std::string::npos) << m;
        EXPECT_NE(m.find("dentellón"), std::string::npos) << m;
    }
    // It stopped at the bound (the width, or the 20 m a heel field holds), not kilometres
    // later.
    const double cota = 5.0 * (static_cast<double>(s.Altura) + s.AltZap);
    EXPECT_TRUE(s.Base > cota || s.Talon + 0.05f > 20.0f) << s.Base << " " << s.Talon;
    EXPECT_LT(s.Base, cota + 0.1);
    EXPECT_EQ(w.muestra, 0);
    EXPECT_TRUE(w.talon.empty());
}

TEST(CalculaBase, SlidingBelowTheMinimumLengthensTheFooting) {
    ProjectState s = MuroQueDesliza();
    FakeWindow w;
    const long pasos = CalculaBase(s, w, w);
    EXPECT_GT(pasos, 1);
    EXPECT_GE(s.FsDesliz, kFsMinDesliz);
    EXPECT_GE(s.FsVuelco, kFsMinVuelco);
    EXPECT_FALSE(w.shown.warningVisible);
    // The first footing that slides no more: one lengthening less still slid.
    ProjectState antes = s;
    if ((s.Contador / 5) * 5 == s.Contador)
        antes.Punta = s.Punta - 0.05f;
    else
        antes.Talon = s.Talon - 0.05f;
    FakeWindow w2;
    ChequeaMuro(antes, w2, w2);
    EXPECT_LT(antes.FsDesliz, kFsMinDesliz);
}

TEST(CalculaBase, TheHeelPressureIsJudgedAsWellAsTheToe) {
    // A resultant behind the centre: the heel carries the larger pressure (7.05 t/m2 against
    // 6.81 at the toe), over the admissible 6.9.
    ProjectState s = Defaults();
    s.Fc = 210;
    s.Altura = 3;
    s.Phi1 = 45;
    s.Gamma1 = 2.2f;
    s.Punta = 0.2f;
    s.Talon = 4;
    s.Padm = 0.69f;
    FakeWindow w;
    ChequeaMuro(s, w, w);
    ASSERT_LT(s.PresMax, s.PresAdm);
    ASSERT_GT(s.PresMin, s.PresAdm);
    // Its 0.25 m footing cannot carry the 4 m heel's moment either.
    EXPECT_EQ(w.shown.avisos, (std::vector<std::string>{kAvisoPresion, kAvisoSeccionTalon}));
    // The design does not accept it as it stands (its pass limit of one says so).
    EXPECT_THROW(CalculaBase(s, w, w, 1), EngineFault);
}

TEST(Calcular, ACentredDesignEndsOnAWallItsCheckPasses) {
    // The centred footing is shared between toe and heel and written with two decimals;
    // the check after the design must find what the design accepted.
    for (float altura : {2.0f, 3.0f, 5.0f, 6.5f}) {
        ProjectState s = Defaults();
        s.Fc = 210;
        s.Altura = altura;
        s.Sobrec = 2;
        FakeWindow w;
        w.centrica = true;
        Calcular(s, w, w);
        EXPECT_EQ(w.punta, w.talon) << altura;
        EXPECT_EQ(s.Punta, s.Talon) << altura;
        ChequeaMuro(s, w, w);
        EXPECT_EQ(w.shown.verdict, "MURO ESTABLE") << altura;
        EXPECT_FALSE(w.shown.warningVisible) << altura << " " << w.shown.warning;
        EXPECT_EQ(numtext::format(s.Punta, "0.00"), w.punta) << altura;
    }
}

TEST(Calcular, WorkedDesignsKeepTheirFootings) {
    // The factors of safety of both worked designs pass at the footing they always ended on.
    ProjectState s = Defaults();
    s.Altura = 3;
    s.Sobrec = 1;
    FakeWindow w;
    Calcular(s, w, w);
    ChequeaMuro(s, w, w);
    EXPECT_EQ(w.punta + "/" + w.talon, "0.60/1.60");
    EXPECT_GE(s.FsDesliz, kFsMinDesliz);
    EXPECT_FALSE(w.shown.warningVisible);
}

TEST(Calcular, AThickerFootingTakesTheFrontGroundWithIt) {
    // An 8 m wall needs a 0.60 m footing; the front ground, 0.50 m deep, would cut it.
    ProjectState s = Defaults();
    s.Fc = 210;
    s.Altura = 8;
    s.Sobrec = 1;
    FakeWindow w;
    Calcular(s, w, w);
    ASSERT_GT(s.AltZap, 0.5f);
    EXPECT_EQ(w.dsz, numtext::format(s.AltZap, "0.00"));
    EXPECT_FLOAT_EQ(s.Dsz, s.AltZap);

    // A footing that stays thinner than the depth leaves it alone.
    ProjectState b = Defaults();
    b.Altura = 3;
    b.Sobrec = 1;
    FakeWindow w2;
    Calcular(b, w2, w2);
    EXPECT_TRUE(w2.dsz.empty());
    EXPECT_FLOAT_EQ(b.Dsz, 0.5f);
}

TEST(CalculaBase, TheBoundsComeFromTheWallTheDesignStartedFrom) {
    // A wall no footing can hold, whose footing would grow without end if its bound grew with
    // each thickening: it stops within the bounds, quickly.
    ProjectState s = Defaults();
    s.Altura = 6;
    s.Phi1 = 10;
    s.Beta = 10;
    s.Phi2 = 40;
    s.Cohes = 0.5f;
    s.Sobrec = 99.95f;
    s.Padm = 0;
    s.Reac = 99.95f;
    s.Pasiva = 1;
    s.ConDent = 1;
    FakeWindow w;
    long pasos = -1;
    try {
        pasos = CalculaBase(s, w, w);
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("Ninguna zapata razonable"), std::string::npos);
    }
    EXPECT_EQ(pasos, -1);
    EXPECT_LE(s.AltZap, 6.0f + 1e-4f);
    EXPECT_LE(s.Base, 5 * (6 + 0.25) + 0.1);
    EXPECT_LE(std::max(s.Punta, s.Talon), 20.0f + 1e-4f);
}

TEST(Calcular, AFootingOverTheMaximumSteelRatioIsThickened) {
    // A station of the road wall with Fy 4200: a 0.30 m footing would need a heel ratio of
    // 0.0194, above ρmax 0.0159.
    ProjectState s = Defaults();
    s.Fc = 210;
    s.Fy = 4200;
    s.Altura = 4.5f;
    s.Sobrec = 1.5f;
    s.Phi1 = 30;
    s.Gamma1 = 1.85f;
    s.Phi2 = 26;
    s.Gamma2 = 1.8f;
    s.Cohes = 2;
    s.Padm = 1.2f;
    FakeWindow w;
    Calcular(s, w, w);
    ChequeaMuro(s, w, w);
    EXPECT_GT(s.AltZap, 0.30f + 1e-4f);
    EXPECT_LE(s.CuantTalon, s.CuantMax);
    EXPECT_LE(s.CuantPunta, s.CuantMax);
    EXPECT_EQ(w.shown.verdict, "MURO ESTABLE") << w.shown.warning;
}

TEST(CalculaBase, PassBoundStopsTheDesignWithItsReachedFootingAndNoFieldWrite) {
    ProjectState s = Defaults();
    s.Altura = 3;
    s.Sobrec = 1;
    FakeWindow w;
    try {
        CalculaBase(s, w, w, 10);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("10 pasos"), std::string::npos);
    }
    EXPECT_EQ(s.Contador, 11);
    EXPECT_EQ(s.Talon, Accumulated(0.30f, 8));
    EXPECT_EQ(s.Punta, Accumulated(0.30f, 2));
    EXPECT_EQ(w.muestra, 0);
    EXPECT_TRUE(w.talon.empty());
}

}  // namespace
}  // namespace tarelvo::test
