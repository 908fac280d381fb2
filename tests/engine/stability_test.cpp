// Sliding, bearing capacity, admissible and actual soil pressures.
#include <gtest/gtest.h>

#include <cmath>

#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

ProjectState Check(ProjectState s, FakeWindow& w) {
    ChequeaMuro(s, w, w);
    return s;
}

TEST(Stability, DefaultWall) {
    FakeWindow w;
    const ProjectState s = Check(Defaults(), w);
    EXPECT_NEAR(s.FuerzaFric, 0.866, 5e-4);
    EXPECT_NEAR(s.FuerzaResist, 1.035, 5e-4);
    EXPECT_NEAR(s.EmpujeH, 0.4688, 1e-4);
    EXPECT_NEAR(s.FsDesliz, 2.21, 0.005);
    EXPECT_NEAR(s.Nq, 18.40, 0.005);
    EXPECT_NEAR(s.Nc, 30.14, 0.005);
    EXPECT_NEAR(s.Ngamma, 15.07, 0.005);
    EXPECT_NEAR(s.BaseEfec, 0.7196, 1e-4);
    EXPECT_NEAR(s.Iq, 0.428, 5e-4);
    EXPECT_NEAR(s.Ic, 0.395, 5e-4);
    EXPECT_NEAR(s.Igamma, 0.291, 5e-4);
    EXPECT_NEAR(s.Dc, 1.278, 5e-4);
    EXPECT_NEAR(s.Dq, 1.175, 5e-4);
    EXPECT_NEAR(s.CapCarga, 11.16, 0.005);
    EXPECT_NEAR(s.PresAdm, 5.58, 0.005);
    EXPECT_NEAR(s.PresMax, 2.44, 0.005);
    EXPECT_NEAR(s.PresMin, 1.31, 0.005);
}

TEST(Stability, AdmissiblePressureRules) {
    FakeWindow w;
    ProjectState dada = Defaults();
    dada.Padm = 1.2f;
    dada.Cohes = 2;  // ignored once the user gives a value
    EXPECT_NEAR(Check(dada, w).PresAdm, 12, 1e-5);

    ProjectState cohesivo = Defaults();
    cohesivo.Cohes = 1;
    const ProjectState c = Check(cohesivo, w);
    EXPECT_NEAR(c.PresAdm, c.CapCarga / 3, 1e-5);
    EXPECT_NEAR(Check(Defaults(), w).PresAdm, Check(Defaults(), w).CapCarga / 2, 1e-5);
}

TEST(Stability, ResultantBehindCentreLoadsTheHeelMore) {
    // A long toe puts the resultant behind the centre of the base.
    ProjectState s = Defaults();
    s.Punta = 1.5f;
    FakeWindow w;
    s = Check(s, w);
    ASSERT_LT(s.Excent, 0);
    EXPECT_GT(s.PresMin, s.PresMax);
    EXPECT_NEAR(s.PresMax + s.PresMin, 2 * s.SumaV / s.Base, 1e-4);
}

TEST(Stability, PurelyCohesiveSoilUsesItsOwnForms) {
    ProjectState s = Defaults();
    s.Phi2 = 0;
    s.Cohes = 5;
    FakeWindow w;
    ASSERT_NO_THROW(s = Check(s, w));
    EXPECT_FLOAT_EQ(s.CotPhi2, 0);
    EXPECT_FLOAT_EQ(s.Iq, 1);
    EXPECT_FLOAT_EQ(s.Igamma, 1);
    EXPECT_FLOAT_EQ(s.Nc, 5.14f);
    EXPECT_FLOAT_EQ(s.Nq, 1);
    EXPECT_FLOAT_EQ(s.Ngamma, 0);
    EXPECT_FLOAT_EQ(s.Dq, 1);
    EXPECT_FLOAT_EQ(s.FuerzaFric, 0);
    const double B = s.BaseEfec;
    const double ic = 1.5 - 0.5 * std::sqrt(1 - s.EmpujeH / (5 * B));
    const double dc = 0.4 * 0.5 / B;
    EXPECT_NEAR(s.Ic, ic, 1e-5);
    EXPECT_NEAR(s.Dc, dc, 1e-5);
    EXPECT_NEAR(s.CapCarga, 1.8 * 0.5 + 5.14 * 5 * (1 + dc - ic), 1e-4);
    EXPECT_NEAR(s.PresAdm, s.CapCarga / 3, 1e-5);
}

TEST(Stability, SoilWithoutStrengthIsReportedNotComputed) {
    ProjectState s = Defaults();
    s.Phi2 = 0;
    s.Cohes = 0;
    FakeWindow w;
    try {
        ChequeaMuro(s, w, w);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("no tiene resistencia"), std::string::npos);
    }
    EXPECT_EQ(w.muestra, 0);
    EXPECT_FLOAT_EQ(s.Iq, 1);  // stored before the fault
}

}  // namespace
}  // namespace tarelvo::test
