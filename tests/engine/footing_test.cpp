// Toe and heel shears, moments, their lower bounds and the footing steel.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/bar_groups.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

ProjectState UpToPressures(FakeWindow& w) {
    ProjectState s = Defaults();
    CalculaMuro(s, w);
    CalculaFuerzas(s, w);
    ChequeaDesliz(s);
    CalculaPresiones(s);
    return s;
}

TEST(Footing, DefaultWallShearsAndMoments) {
    FakeWindow w;
    ProjectState s = UpToPressures(w);
    CalculaZapata(s);
    EXPECT_NEAR(s.PeraltZap, 0.18, 1e-6);
    EXPECT_NEAR(s.CortPunta, 0.489, 5e-4);
    EXPECT_NEAR(s.CortTalon, 0.264, 5e-4);
    EXPECT_FLOAT_EQ(s.CortZap, s.CortPunta);
    EXPECT_NEAR(s.EsfCortZap, 0.41, 0.005);
    // Before the lower bounds.
    EXPECT_NEAR(s.MomPunta, 0.0765, 5e-5);
    EXPECT_NEAR(s.MomTalon, 0.0627, 5e-5);

    MinimosZapata(s);
    AjustaMomentos(s);
    EXPECT_NEAR(s.MomPuntaMin, 0.150075, 1e-5);
    EXPECT_NEAR(s.MomPunta, 0.10005, 1e-5);
    EXPECT_NEAR(s.MomTalonMin, 0.1332, 1e-5);
    EXPECT_NEAR(s.MomTalon, 0.0888, 1e-5);

    RefuerzoZapata(s);
    EXPECT_EQ(s.SeccInsuf, 0);
    EXPECT_NEAR(s.AsPunta, 4.5, 1e-5);
    EXPECT_NEAR(s.AsTalon, 4.5, 1e-5);
    EXPECT_FLOAT_EQ(s.CuantPunta, s.CuantMin);
}

TEST(Footing, HeavyToeGetsMoreThanMinimumSteel) {
    FakeWindow w;
    ProjectState s = Defaults();
    s.Altura = 4;
    s.Sobrec = 2;
    s.Punta = 1.2f;
    s.Talon = 2.5f;
    s.AltZap = 0.45f;
    ChequeaMuro(s, w, w);
    ASSERT_EQ(s.SeccInsuf, 0);
    EXPECT_GT(s.AsTalon, 100 * 0.0025 * 38);
    // The area satisfies its own equation: CoefAs·As² − d·As + T = 0.
    const double d = s.PeraltZap, As = s.AsTalon;
    EXPECT_NEAR(s.CoefAs * As * As - d * As + s.TermMuTalon, 0, 1e-5);
}

TEST(Footing, AFootingTooThinForItsMomentFailsTheCheckWithoutAnEarlierWallsSteel) {
    FakeWindow w;
    ProjectState s = Defaults();
    ChequeaMuro(s, w, w);
    const float punta = s.AsPunta;
    EXPECT_TRUE(w.shown.avisos.empty());
    s.Altura = 6;
    s.Sobrec = 3;
    s.Talon = 3;
    s.AltZap = 0.10f;
    s.SeccInsuf = 0;
    ChequeaMuro(s, w, w);
    EXPECT_EQ(s.SeccInsuf, 1);
    // Both parts: their steel is the most the section's equation gives, d / 2·CoefAs, whose
    // ratio 0.85 F'c / Fy is above the maximum; the verdict names the sections, not the bars.
    const float vertice = static_cast<float>(s.PeraltZap / (2.0 * s.CoefAs));
    EXPECT_FLOAT_EQ(s.AsTalon, vertice);
    EXPECT_FLOAT_EQ(s.AsPunta, vertice);
    EXPECT_NE(s.AsPunta, punta);
    EXPECT_NEAR(s.CuantTalon, 0.85 * s.Fc / s.Fy, 1e-5);
    EXPECT_EQ(w.shown.verdict, "MURO INESTABLE");
    const auto& a = w.shown.avisos;
    EXPECT_NE(std::find(a.begin(), a.end(), kAvisoSeccionPunta), a.end());
    EXPECT_NE(std::find(a.begin(), a.end(), kAvisoSeccionTalon), a.end());
    EXPECT_EQ(std::find(a.begin(), a.end(), kAvisoCuantiaTalon), a.end());
    EXPECT_EQ(std::find(a.begin(), a.end(), AvisoBarras(GruposBarras::ZapataSuperior)), a.end());
    // The flag is the design's to clear; a sound footing's check passes whatever it says.
    s = Defaults();
    s.SeccInsuf = 1;
    ChequeaMuro(s, w, w);
    EXPECT_EQ(s.SeccInsuf, 1);
    EXPECT_EQ(w.shown.verdict, "MURO ESTABLE");
}

}  // namespace
}  // namespace tarelvo::test
