// A centred footing is centred before it is computed, and the fields show what was computed.
#include <gtest/gtest.h>

#include "engine/state_fields.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

// Every float and integer of the state, for comparing two runs.
std::string Volcado(const ProjectState& s) {
    std::string out;
    for (const StateField& f : StateFields()) {
        out += f.name;
        out += '=';
        if (f.kind == StateField::Float) out += std::to_string(s.*(f.f));
        else if (f.kind == StateField::Int16) out += std::to_string(s.*(f.i));
        out += '\n';
    }
    return out;
}

TEST(CentredFooting, TheCheckComputesTheFootingItWritesBack) {
    ProjectState s = Defaults();
    s.Punta = 0.50f;
    s.Talon = 0.30f;
    FakeWindow w;
    w.centrica = true;
    ChequeaMuro(s, w, w);
    EXPECT_EQ(w.punta, "0.40");
    EXPECT_EQ(w.talon, "0.40");
    EXPECT_FLOAT_EQ(s.Punta, 0.40f);
    EXPECT_FLOAT_EQ(s.Talon, 0.40f);
    // The results are those of the 0.40 / 0.40 footing, as an eccentric check of it gives.
    ProjectState e = Defaults();
    e.Punta = e.Talon = 0.40f;
    FakeWindow ex;
    ChequeaMuro(e, ex, ex);
    EXPECT_EQ(s.Excent, e.Excent);
    EXPECT_EQ(s.PresMax, e.PresMax);
    EXPECT_EQ(s.FsDesliz, e.FsDesliz);
    EXPECT_EQ(s.Base, 1.0f);
}

TEST(CentredFooting, TwoChecksInARowGiveTheSameState) {
    for (auto [punta, talon] : {std::pair{0.50f, 0.30f}, {0.30f, 0.55f}, {0.2f, 1.37f}}) {
        ProjectState s = Defaults();
        s.Altura = 2.5f;
        s.Punta = punta;
        s.Talon = talon;
        FakeWindow w;
        w.centrica = true;
        ChequeaMuro(s, w, w);
        const std::string primera = Volcado(s);
        ChequeaMuro(s, w, w);
        EXPECT_EQ(Volcado(s), primera) << punta << "/" << talon;
    }
}

TEST(CentredFooting, AnOddCentimetreGoesUpNeverDown) {
    ProjectState s = Defaults();
    s.Punta = 0.30f;
    s.Talon = 0.55f;
    FakeWindow w;
    w.centrica = true;
    ChequeaMuro(s, w, w);
    EXPECT_EQ(w.punta, "0.43");
    EXPECT_FLOAT_EQ(s.Base, 1.06f);
}

TEST(CentredFooting, AnEqualToeAndHeelAreLeftAsTyped) {
    // Nothing to centre: the fields keep the user's texts and nothing is written.
    ProjectState s = Defaults();
    s.Punta = s.Talon = 0.333f;
    FakeWindow w;
    w.centrica = true;
    ChequeaMuro(s, w, w);
    EXPECT_TRUE(w.punta.empty());
    EXPECT_EQ(s.Punta, 0.333f);
    // Eccentric: never centred.
    s.Talon = 0.8f;
    w.centrica = false;
    ChequeaMuro(s, w, w);
    EXPECT_TRUE(w.punta.empty());
    EXPECT_EQ(s.Talon, 0.8f);
}

TEST(CentredFooting, TheDefaultWallKeepsItsStartUpValues) {
    ProjectState s = Defaults();
    s.Fc = 210;
    FakeWindow w;
    w.centrica = true;
    ChequeaMuro(s, w, w);
    EXPECT_EQ(w.shown.values[2].text, "3.76");
    EXPECT_EQ(w.shown.values[3].text, "2.21");
    EXPECT_EQ(w.shown.values[6].text, "6.53");
    EXPECT_EQ(w.shown.verdict, "MURO ESTABLE");
    EXPECT_FALSE(w.shown.warningVisible);
}

}  // namespace
}  // namespace tarelvo::test
