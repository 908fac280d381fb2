// Floating-point faults: each abandons its procedure with a Spanish message, keeps what was
// stored before it, and nothing non-finite is ever stored.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/state_fields.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

std::string FaultOf(ProjectState& s, FakeWindow& w) {
    try {
        ChequeaMuro(s, w, w);
    } catch (const EngineFault& f) {
        return f.what();
    }
    return "";
}

bool AllFinite(const ProjectState& s, std::string& which) {
    for (const StateField& f : StateFields())
        if (f.kind == StateField::Float && !std::isfinite(s.*(f.f))) {
            which = f.name;
            return false;
        }
    return true;
}

TEST(Faults, NoVerticalForceStopsAtTheResultant) {
    FakeWindow w;
    ProjectState s = Defaults();
    ChequeaMuro(s, w, w);
    const float excent = s.Excent;
    // No heel, no footing thickness, and an uplift on the stem that cancels its weight
    // (2.4 × 0.25 m × 1 m is a float exactly).
    s.Talon = 0;
    s.AltZap = 0;
    s.Ancho = 25;
    s.Reac = -0.6000000238418579f;
    const std::string msg = FaultOf(s, w);
    EXPECT_NE(msg.find("posición de la resultante"), std::string::npos) << msg;
    EXPECT_FLOAT_EQ(s.SumaV, 0);
    EXPECT_LT(s.MomNeto, 0);               // stored earlier in the same procedure
    EXPECT_FLOAT_EQ(s.Excent, excent);     // not reached: the previous check's value
    EXPECT_EQ(w.muestra, 1);               // only the first check was published
}

TEST(Faults, InclinedStemAsThinAsTheCover) {
    FakeWindow w;
    ProjectState s = Defaults();
    ChequeaMuro(s, w, w);
    const float antes = s.EsfCortMuro;
    s.FormaMuro = 1;
    s.Ancho = 5;
    w.centro = "0.07";
    const std::string msg = FaultOf(s, w);
    EXPECT_NE(msg.find("esfuerzo cortante en el muro"), std::string::npos) << msg;
    EXPECT_FLOAT_EQ(s.EspBase, 7);
    EXPECT_FLOAT_EQ(s.EsfCortMuro, antes);
}

TEST(Faults, FootingNoThickerThanTheCoverHasNoDepth) {
    // The 7 cm cover leaves a rounding residue as the depth, which made a shear stress of
    // 181463728 kg/cm2: it is a division by zero, with the earlier results kept.
    FakeWindow w;
    ProjectState s = Defaults();
    ChequeaMuro(s, w, w);
    const float cortante = s.EsfCortZap;
    s.AltZap = 0.07f;
    const std::string msg = FaultOf(s, w);
    EXPECT_NE(msg.find("recubrimiento"), std::string::npos) << msg;
    EXPECT_NE(msg.find("Aumente la altura de la zapata"), std::string::npos) << msg;
    EXPECT_EQ(s.EsfCortZap, cortante);
    // Just over the cover is a real, if very thin, footing: no fault.
    s.AltZap = 0.08f;
    EXPECT_EQ(FaultOf(s, w), "");
    EXPECT_NEAR(s.PeraltZap, 0.01, 1e-6);
}

TEST(Faults, OverflowIsReportedNotStored) {
    FakeWindow w;
    ProjectState s = Defaults();
    s.Sobrec = 3e38f;
    const std::string msg = FaultOf(s, w);
    EXPECT_NE(msg.find("Desbordamiento"), std::string::npos) << msg;
    std::string which;
    EXPECT_TRUE(AllFinite(s, which)) << which;
}

TEST(Faults, ZeroConcreteStrength) {
    FakeWindow w;
    ProjectState s = Defaults();
    s.Fc = 0;
    EXPECT_NE(FaultOf(s, w).find("F'c"), std::string::npos);
}

TEST(Faults, NothingNonFiniteIsEverStored) {
    // Random walls, sensible and not: every run either finishes or faults, and in both
    // cases every stored variable is finite.
    std::mt19937 rng(12345);
    auto pick = [&](float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(rng);
    };
    int faults = 0;
    for (int i = 0; i < 3000; ++i) {
        FakeWindow w;
        ProjectState s = Defaults();
        s.Altura = pick(0, 12);
        s.Ancho = pick(0, 80);
        s.AltZap = pick(0, 1.5f);
        s.Punta = pick(0, 4);
        s.Talon = pick(0, 6);
        s.Dsz = pick(0, 3);
        s.Phi1 = pick(0, 45);
        s.Beta = pick(0, s.Phi1 * 1.1f);
        s.Phi2 = (i % 7 == 0) ? 0 : pick(0, 45);
        s.Gamma1 = pick(0, 2.5f);
        s.Gamma2 = pick(0, 2.5f);
        s.Cohes = (i % 3 == 0) ? pick(0, 10) : 0;
        s.Cohes1 = (i % 5 == 0) ? pick(0, 3) : 0;
        s.Sobrec = pick(0, 20);
        s.Reac = pick(0, 50);
        s.Padm = (i % 2) ? pick(0, 5) : 0;
        s.Fc = (i % 11 == 0) ? 0 : 210;
        s.FormaMuro = static_cast<std::int16_t>(i % 3);
        s.Pasiva = static_cast<std::int16_t>(i % 2);
        w.centro = std::to_string(pick(0, 1));
        w.centrica = i % 4 == 0;
        try {
            if (i % 10 == 0)
                CalculaBase(s, w, w, 2000);
            else
                ChequeaMuro(s, w, w);
        } catch (const EngineFault& f) {
            ++faults;
            EXPECT_GT(std::string(f.what()).size(), 20u);
        }
        std::string which;
        ASSERT_TRUE(AllFinite(s, which)) << "case " << i << ": " << which;
    }
    EXPECT_GT(faults, 0);
}

}  // namespace
}  // namespace tarelvo::test
