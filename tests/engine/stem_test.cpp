// Stem quantities and the stem reinforcement loop.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/reinforcement_layout.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

TEST(CalculaMuro, DefaultWallMatchesHandComputation) {
    ProjectState s = Defaults();
    FakeWindow w;
    CalculaMuro(s, w);
    EXPECT_EQ(s.Contador, 1);
    EXPECT_NEAR(s.Ka, 1.0 / 3.0, 1e-5);
    EXPECT_NEAR(s.CortMuroBase, 0.3, 1e-5);
    EXPECT_NEAR(s.CortAdm, 0.53 * 0.85 * std::sqrt(180.0), 1e-5);
    EXPECT_NEAR(s.EspReq, 7.74, 0.005);
    EXPECT_FLOAT_EQ(s.EspTope, 20);
    EXPECT_FLOAT_EQ(s.EspBase, 20);
    EXPECT_NEAR(s.EsfCortMuro, 1.5 * 0.3 * 1000 / 1300, 1e-4);
    EXPECT_FLOAT_EQ(s.DeltaH, 0.1f);
    EXPECT_NEAR(s.CoefAs, 2800 * 0.5 / (180 * 0.85 * 10000), 1e-9);
    // Base section: moment 1.5 Ka γ H³/6, minimum steel 0.0025 × 15 cm × 100 cm.
    EXPECT_NEAR(s.MomSeccActual, 0.150, 1e-4);
    EXPECT_NEAR(s.AsMuro, 3.75, 1e-5);
    EXPECT_NEAR(s.MomMitad, 0.01875, 1e-5);
    EXPECT_NEAR(s.AsMitad, 3.75, 1e-5);
    EXPECT_NEAR(s.PeraltMuro, 0.15, 1e-6);
}

TEST(CalculaMuro, SlopeEqualToFrictionAngleIsTheLimitCase) {
    // With β = φ the squared cosines are rounded apart and may differ by a float step; the
    // coefficient must be its limit cos β, never a fault.
    for (float ang : {10.f, 20.f, 25.f, 30.f, 33.f, 35.f, 40.f, 45.f}) {
        ProjectState s = Defaults();
        s.Phi1 = ang;
        s.Beta = ang;
        FakeWindow w;
        ASSERT_NO_THROW(CalculaMuro(s, w)) << ang;
        EXPECT_NEAR(s.Ka, s.CosBeta, 2e-3) << ang;
    }
}

TEST(CalculaMuro, SlopeSteeperThanFrictionAngleFaults) {
    ProjectState s = Defaults();
    s.Phi1 = 30;
    s.Beta = 31;
    FakeWindow w;
    try {
        CalculaMuro(s, w);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("inclinación del relleno"), std::string::npos);
    }
    EXPECT_FLOAT_EQ(s.Cos2Beta, static_cast<float>(std::pow(std::cos(31 / 57.296), 2)));
    EXPECT_FLOAT_EQ(s.Ka, 0);  // not reached
}

TEST(CalculaMuro, BackfillCohesionReducesTheCoefficient) {
    ProjectState s = Defaults();
    s.Cohes1 = 0.5f;
    FakeWindow w;
    CalculaMuro(s, w);
    const double kaR = 1.0 / 3.0, h1 = 1.25;
    EXPECT_NEAR(s.Ka, (kaR * h1 * 1.8 - 2 * 0.5 * std::sqrt(kaR)) / (h1 * 1.8), 1e-5);
}

TEST(CalculaMuro, ABackfillCohesionThatCancelsTheThrustIsAFault) {
    ProjectState s = Defaults();
    FakeWindow w;
    CalculaMuro(s, w);
    const float antes = s.Ka;
    s.Cohes1 = 1;  // Ka would be about -0.2: a negative thrust and a "stable" wall
    try {
        CalculaMuro(s, w);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("cohesión del relleno"), std::string::npos);
        EXPECT_NE(std::string(f.what()).find("Reduzca"), std::string::npos);
    }
    EXPECT_EQ(s.Ka, antes);  // nothing negative stored
}

TEST(CalculaMuro, InclinedStemTakesBaseFromCentroField) {
    ProjectState s = Defaults();
    s.FormaMuro = 1;
    FakeWindow w;
    w.centro = "0.25";
    CalculaMuro(s, w);
    // EspReq (7.7) is below 100 × Centro + Ancho: the top keeps the minimum.
    EXPECT_FLOAT_EQ(s.EspTope, 20);
    EXPECT_FLOAT_EQ(s.EspBase, 25);
    EXPECT_NEAR(s.EsfCortMuro, 1.5 * 0.3 * 1000 / 1800, 1e-4);

    // A tall inclined stem needs more than Centro gives: the top takes the difference.
    s.Altura = 6;
    s.FormaMuro = 2;
    w.centro = "0.10";
    EXPECT_THROW(CalculaMuro(s, w), EngineFault);  // the 10 cm base cannot carry 6 m
    EXPECT_NEAR(s.EspTope, s.EspReq - 10, 1e-3);
    EXPECT_GT(s.EspTope, 20);
    EXPECT_FLOAT_EQ(s.EspBase, 10);
}

TEST(CalculaMuro, StraightStemIgnoresCentroAndTakesLargerThickness) {
    ProjectState s = Defaults();
    FakeWindow w;
    w.centro = "abc";
    s.Altura = 6;
    s.Sobrec = 2;
    CalculaMuro(s, w);
    EXPECT_GT(s.EspReq, 20);
    EXPECT_FLOAT_EQ(s.EspTope, s.EspReq);
    EXPECT_FLOAT_EQ(s.EspBase, s.EspReq);
}

TEST(CalculaMuro, StemTooThinForItsMomentKeepsEarlierSections) {
    // A 10 cm straight stem 6 m high with a weak backfill: the base sections cannot carry
    // the moment. The loop stops with the last good section stored.
    ProjectState s = Defaults();
    FakeWindow w;
    s.Altura = 6;
    s.Ancho = 10;
    s.FormaMuro = 1;  // inclined, with a thin base from the field
    w.centro = "0.10";
    s.Gamma1 = 2.2f;
    s.Sobrec = 5;
    try {
        CalculaMuro(s, w);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("demasiado delgada"), std::string::npos);
    }
    EXPECT_GT(s.MomSeccActual, 0);
    EXPECT_GT(s.AsMuro, 0);
    EXPECT_TRUE(std::isfinite(s.AsMuro));
}

TEST(CalculaMuro, TopSectionHasNoMomentAndMinimumSteel) {
    ProjectState s = Defaults();
    FakeWindow w;
    s.Ancho = 30;
    s.Sobrec = 4;
    CalculaMuro(s, w);
    SeccionMuro(s, 0);
    EXPECT_FLOAT_EQ(s.MomSeccActual, 0);
    EXPECT_NEAR(s.AsMuro, 100 * 0.0025 * (30 - 5), 1e-4);
    SeccionMuro(s, 10);
    EXPECT_NEAR(s.MomSeccActual, 1.5 * s.Ka * (1.8 / 6 + 4 / 2.0), 1e-5);
}

TEST(CalculaMuro, SmallAnglesAreEvaluatedInDouble) {
    // With angles this small, cosf's rounding moved Ka enough to shift MomNeto by 1.5e-4
    // relative (2.19533 instead of 2.19566).
    ProjectState s = Defaults();
    s.Phi1 = 0.8f;
    s.Beta = 0.2f;
    s.Altura = 5.72f;
    s.Ancho = 10;
    s.AltZap = 0.79f;
    s.Punta = 1.19f;
    s.Talon = 2.31f;
    s.Pasiva = 1;
    s.Dsz = 0.85f;
    s.Gamma1 = 1.6f;
    s.Gamma2 = 1.7f;
    s.Phi2 = 15.9f;
    s.Sobrec = 2.9f;
    s.Fc = 240;
    FakeWindow w;
    ChequeaMuro(s, w, w);
    const double beta = static_cast<double>(s.Beta) / 57.296, phi = static_cast<double>(s.Phi1) / 57.296;
    const double cb = static_cast<float>(std::cos(static_cast<double>(static_cast<float>(beta))));
    EXPECT_EQ(s.CosBeta, static_cast<float>(cb));
    const double c2p = std::cos(static_cast<double>(static_cast<float>(phi)));
    EXPECT_EQ(s.Cos2Phi1, static_cast<float>(c2p * c2p));
    EXPECT_NEAR(s.MomNeto, 2.19566, 2e-5);
}

}  // namespace
}  // namespace tarelvo::test

namespace tarelvo::test {
namespace {

TEST(CalculaMuro, MaximumSteelRatioIsThreeQuartersOfTheBalancedOne) {
    // ρb = 0.85 β1 F'c/Fy · 6000/(6000 + Fy): F'c 210, Fy 4200 gives 0.02125 and ρmax 0.0159;
    // F'c 350 has β1 = 0.80; β1 never goes below 0.65.
    FakeWindow w;
    ProjectState s = Defaults();
    s.Fc = 210;
    s.Fy = 4200;
    CalculaMuro(s, w);
    EXPECT_FLOAT_EQ(s.Beta1, 0.85f);
    EXPECT_NEAR(s.CuantMax, 0.75 * 0.85 * 0.85 * 210 / 4200 * 6000 / 10200, 1e-7);
    EXPECT_NEAR(s.CuantMax, 0.0159, 1e-4);
    s.Fc = 350;
    CalculaMuro(s, w);
    EXPECT_FLOAT_EQ(s.Beta1, 0.80f);
    s.Fc = 700;
    CalculaMuro(s, w);
    EXPECT_FLOAT_EQ(s.Beta1, 0.65f);
}

TEST(DistribuyeRefuerzo, ThickenedStemGetsTheSteelOfItsRealCrown) {
    // A straight stem typed 20 cm but thickened for shear: 0.0015 × 100 × (crown − 5).
    FakeWindow w;
    ProjectState s = Defaults();
    s.Fc = 210;
    s.Altura = 6;
    s.Sobrec = 3;
    s.Punta = 2;
    s.Talon = 4;
    ChequeaMuro(s, w, w);
    ASSERT_GT(s.EspTope, 40);
    GruposBarras g;
    DistribuyeRefuerzo(s, g, "");
    EXPECT_NEAR(s.AsRep1, (s.EspTope - 5) * 0.15, 1e-4);
}

}  // namespace
}  // namespace tarelvo::test
