// Thrust, weights, moments, the centred footing and the passive resistance.
#include <gtest/gtest.h>

#include <cmath>

#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

ProjectState Forces(ProjectState s, FakeWindow& w) {
    CalculaMuro(s, w);
    CalculaFuerzas(s, w);
    ChequeaDesliz(s);
    return s;
}

TEST(CalculaFuerzas, DefaultWall) {
    FakeWindow w;
    const ProjectState s = Forces(Defaults(), w);
    EXPECT_NEAR(s.AltTotal, 1.25, 1e-6);
    EXPECT_NEAR(s.PesoRell, 0.54, 1e-6);
    EXPECT_NEAR(s.PesoMuro1, 0.48, 1e-6);
    EXPECT_FLOAT_EQ(s.PesoMuro2, 0);
    EXPECT_NEAR(s.PesoZap, 0.48, 1e-6);
    EXPECT_NEAR(s.SumaV, 1.50, 1e-6);
    EXPECT_NEAR(s.Empuje, 0.4688, 1e-4);
    EXPECT_NEAR(s.BrazoEmp, 0.4167, 1e-4);
    EXPECT_NEAR(s.MomEstab, 0.735, 1e-6);
    EXPECT_NEAR(s.MomVuelco, 0.1953, 1e-4);
    EXPECT_NEAR(s.FsVuelco, 3.76, 0.005);
    EXPECT_NEAR(s.PosRes, 0.360, 5e-4);
    EXPECT_NEAR(s.Excent, 0.040, 5e-4);
    EXPECT_NEAR(s.Base, 0.80, 1e-6);
    EXPECT_NEAR(s.Base6, 0.1333, 1e-4);
    // A straight stem: one rectangle against the back face.
    EXPECT_NEAR(s.BrazoMuro1, s.Punta + s.EspBase / 200, 1e-6);
    // Passive resistance of the footing thickness only.
    EXPECT_NEAR(s.AltPasiva, 0.25, 1e-6);
    EXPECT_NEAR(s.Kp, 3.0, 1e-4);
    EXPECT_NEAR(s.EmpPasivo, 0.169, 5e-4);
}

TEST(CalculaFuerzas, SlopeWithoutHeelStillLoadsTheHeelEnd) {
    ProjectState s = Defaults();
    s.Beta = 20;
    s.Talon = 0;
    FakeWindow w;
    s = Forces(s, w);
    EXPECT_FLOAT_EQ(s.AltTalud, 0);
    EXPECT_GT(s.EmpujeV, 0);
    EXPECT_FLOAT_EQ(s.BrazoEmpV, s.Base);
    EXPECT_NEAR(s.MomEmpV, s.Base * s.EmpujeV, 1e-6);
}

TEST(CalculaFuerzas, BackBatteredStemCarriesSoilOverItsBackFace) {
    ProjectState s = Defaults();
    s.FormaMuro = 2;
    s.Altura = 2;
    s.Sobrec = 1;
    FakeWindow w;
    w.centro = "0.30";
    s = Forces(s, w);
    const double taper = (30 - 20) / 100.0;  // m
    EXPECT_NEAR(s.PesoMuro2, (2.4 + 1.8) * taper * 2 / 2 + taper * 1, 1e-5);
    EXPECT_NEAR(s.BrazoMuro1, 0.30 + 0.10, 1e-6);
    EXPECT_NEAR(s.BrazoMuro2, 0.30 + 0.25, 1e-6);

    ProjectState f = Defaults();
    f.FormaMuro = 1;
    f.Altura = 2;
    f = Forces(f, w);
    EXPECT_NEAR(f.PesoMuro2, 2.4 * taper * 2 / 2, 1e-5);
    EXPECT_NEAR(f.BrazoMuro2, 0.30 + taper * 0.667, 1e-6);
    EXPECT_NEAR(f.BrazoMuro1, 0.30 + (60 - 20) / 200.0, 1e-6);
}

TEST(ChequeaDesliz, PassiveSoilAboveFootingWhenConsidered) {
    ProjectState s = Defaults();
    s.Pasiva = 1;
    s.AltDent = 0.4f;
    s.Cohes = 1;
    FakeWindow w;
    s = Forces(s, w);
    const double h = 0.5 + 0.4;
    EXPECT_NEAR(s.AltPasiva, h, 1e-6);
    EXPECT_NEAR(s.EmpPasivo, 0.5 * 1.8 * s.Kp * h * h + 2 * 1 * std::sqrt(s.Kp) * h, 1e-4);
    EXPECT_NEAR(s.FuerzaCohes, s.Base * 0.667, 1e-6);
}

}  // namespace
}  // namespace tarelvo::test
