// The footing design loop and "&Calculo"'s write-back of the new footing.
#include <gtest/gtest.h>

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

TEST(CalculaBase, CounterOverflowIsAnErrorNotAWrap) {
    // An admissible pressure below what the backfill alone presses: no footing passes.
    ProjectState s = Defaults();
    s.Padm = 0.01f;
    FakeWindow w;
    try {
        CalculaBase(s, w, w);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("32767"), std::string::npos);
    }
    EXPECT_EQ(s.Contador, 32767);
    EXPECT_GT(s.Talon, 1000);  // the growth reached so far stays
    EXPECT_EQ(w.muestra, 0);
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
