// The earthquake case and the water behind the wall, against hand computations.
#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"
#include "engine/seismic.h"
#include "engine/water.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

constexpr double kGrado = 3.14159265358979 / 180;

// Mononobe–Okabe by hand, from Kramer's eq. 11.12 with a vertical back and no wall friction.
double KaeAMano(double phiG, double betaG, double kh, double kv) {
    const double phi = phiG * kGrado, beta = betaG * kGrado, psi = std::atan(kh / (1 - kv));
    const double r = std::sqrt(std::sin(phi) * std::sin(phi - beta - psi) /
                               (std::cos(psi) * std::cos(beta)));
    return std::pow(std::cos(phi - psi), 2) / (std::pow(std::cos(psi), 2) * std::pow(1 + r, 2));
}

TEST(Sismo, MononobeOkabeAgainstTheHandComputationAndRankine) {
    // φ 30°, β 0, kh 0.15, kv 0: ψ = 8.53°, KAE = 0.4329 (worked by hand: cos²21.47° = 0.8660,
    // cos²ψ = 0.9780, √(0.5 · sin 21.47° / cos ψ) = 0.4302).
    EXPECT_NEAR(CoefMononobeOkabe(30 * kGrado, 0, std::atan(0.15)), 0.4329, 5e-4);
    for (double beta : {0.0, 10.0})
        for (double kh : {0.15, 0.3})
            for (double kv : {0.0, 0.1})
                EXPECT_NEAR(CoefMononobeOkabe(30 * kGrado, beta * kGrado, std::atan(kh / (1 - kv))),
                            KaeAMano(30, beta, kh, kv), 1e-12)
                    << beta << " " << kh << " " << kv;
    // Without earthquake and a level backfill it is Rankine's (1 − sin φ) / (1 + sin φ).
    for (double phi : {25.0, 30.0, 38.0})
        EXPECT_NEAR(CoefMononobeOkabe(phi * kGrado, 0, 0),
                    (1 - std::sin(phi * kGrado)) / (1 + std::sin(phi * kGrado)), 1e-12);
}

ProjectState MuroDeTresMetros(float kh = 0, float hw = 0) {
    ProjectState s = Defaults();
    s.Fc = 210;
    s.Altura = 3;
    s.Sobrec = 1;
    s.Punta = 0.6f;
    s.Talon = 1.6f;
    s.Kh = kh;
    s.Hw = hw;
    return s;
}

// The wall checked without and with an earthquake or water.
struct Par {
    ProjectState antes, s;
};
Par Chequeados(float kh, float hw, FakeWindow& w) {
    Par p{MuroDeTresMetros(), MuroDeTresMetros(kh, hw)};
    ChequeaMuro(p.antes, w, w);
    ChequeaMuro(p.s, w, w);
    return p;
}

TEST(Sismo, TheCaseAddsItsIncrementAndInertiaAndJudgesThemApart) {
    FakeWindow w;
    ProjectState estatico = MuroDeTresMetros();
    ChequeaMuro(estatico, w, w);
    ASSERT_EQ(w.shown.verdict, "MURO ESTABLE");
    EXPECT_FLOAT_EQ(estatico.FsVuelcoSismo, 0);  // no earthquake, no case

    ProjectState s = MuroDeTresMetros();
    s.Kh = 0.15f;
    ChequeaMuro(s, w, w);
    // The static case is untouched.
    EXPECT_EQ(s.FsVuelco, estatico.FsVuelco);
    EXPECT_EQ(s.FsDesliz, estatico.FsDesliz);
    // ΔPAE = (½ γ H² + q H) ((1 − kv) KAE − KA), at 0.6 H.
    const double H = s.AltTotal, dk = KaeAMano(30, 0, 0.15, 0) - s.Kae0;
    EXPECT_NEAR(s.DeltaPae, (0.5 * 1.8 * H * H + 1.0 * H) * dk, 1e-4);
    EXPECT_NEAR(s.BrazoDeltaPae, 0.6 * H, 1e-5);
    EXPECT_NEAR(s.InerciaZap, 0.15 * s.PesoZap, 1e-5);
    EXPECT_NEAR(s.EmpujeHSismo,
                s.EmpujeH + s.DeltaPae + s.InerciaMuro + s.InerciaZap + s.InerciaRell, 1e-4);
    EXPECT_NEAR(s.MomVuelcoSismo, s.MomVuelco + s.DeltaPae * 0.6 * H + s.MomInercia, 1e-3);
    EXPECT_NEAR(s.FsVuelcoSismo, s.MomEstab / s.MomVuelcoSismo, 1e-4);  // kv = 0
    EXPECT_NEAR(s.PresAdmSismo, 1.33 * s.PresAdm, 1e-4);
    // It passes statically but not with the earthquake: sliding and the pressure fail, each
    // named "con sismo"; the panel's earthquake row shows the factors, the failing one red,
    // and the static factor stays navy.
    EXPECT_EQ(w.shown.verdict, "NO CUMPLE");
    EXPECT_EQ(w.shown.avisos, (std::vector<std::string>{kAvisoDeslizSismo, kAvisoPresionSismo}));
    ASSERT_TRUE(w.shown.conSismo);
    EXPECT_FALSE(w.shown.values[3].red);
    EXPECT_EQ(w.shown.sismo[1].text, numtext::format(s.FsDeslizSismo, "0.00"));
    EXPECT_TRUE(w.shown.sismo[1].red);
    EXPECT_FALSE(w.shown.sismo[0].red);

    // kv lightens the weights; a lower minimum lets the case pass sliding.
    ProjectState v = MuroDeTresMetros();
    v.Kh = 0.15f;
    v.Kv = 0.1f;
    ChequeaMuro(v, w, w);
    EXPECT_LT(v.SumaVSismo, s.SumaVSismo);
    v.FsMinDeslizSismo = 1.0f;
    EXPECT_FALSE(EvaluaSismo(v).desliz);

    // The design lengthens the footing until the earthquake case passes as well.
    ProjectState d = MuroDeTresMetros();
    d.Kh = 0.15f;
    Calcular(d, w, w);
    ChequeaMuro(d, w, w);
    EXPECT_EQ(w.shown.verdict, "MURO ESTABLE") << w.shown.warning;
    EXPECT_GT(d.Base, estatico.Base);
}

TEST(Sismo, StemAndFootingTakeTheLargerOfTheStaticAndTheEarthquakesCombination) {
    FakeWindow w;
    auto [estatico, s] = Chequeados(0.3f, 0, w);
    // At the stem's foot: 1.25 M + ΔP · 0.6 h + kh W_stem · its centre, against 1.5 M.
    const double h = 3, t = s.EspTope / 100.0, b = s.EspBase / 100.0;
    const double m = estatico.MomSeccActual / 1.5;
    const double dp = (0.5 * 1.8 * h * h + 1.0 * h) * (s.Kae - s.Kae0);
    const double peso = 2.4 * (t + b) / 2 * h, brazo = h / 3 * (b + 2 * t) / (t + b);
    const double sismo = 1.25 * m + dp * 0.6 * h + 0.3 * peso * brazo;
    ASSERT_GT(sismo, 1.5 * m);
    EXPECT_NEAR(s.MomSeccActual, sismo, 1e-4);
    EXPECT_GT(s.AsMuro, estatico.AsMuro);
    // The footing: never less than the static design.
    EXPECT_GE(s.MomTalon, estatico.MomTalon);
    EXPECT_GE(s.EsfCortZap, estatico.EsfCortZap);
}

TEST(Sismo, ACoefficientBeyondTheBackfillsFrictionHasNoSolution) {
    ProjectState s = MuroDeTresMetros();
    s.Phi1 = 25;
    s.Beta = 20;
    s.Kh = 0.2f;  // ψ = 11.3°: φ − β − ψ < 0
    FakeWindow w;
    try {
        ChequeaMuro(s, w, w);
        FAIL() << "no fault";
    } catch (const EngineFault& f) {
        EXPECT_NE(std::string(f.what()).find("demasiado alto"), std::string::npos) << f.what();
    }
    EXPECT_EQ(w.muestra, 0);
}

TEST(Agua, ThrustAndUpliftByHand) {
    FakeWindow w;
    auto [seco, s] = Chequeados(0, 2, w);
    // Water: ½ γw hw² = 2 t at hw/3; the soil below the table loses ½ Ka γw hw²; the uplift
    // ½ γw hw B acts at 2B/3 from the toe and lightens the wall.
    EXPECT_NEAR(s.EmpujeAgua, 2.0, 1e-6);
    EXPECT_NEAR(s.AlivioAgua, 0.5 * s.Ka * 4, 1e-6);
    EXPECT_NEAR(s.Empuje, seco.Empuje - s.AlivioAgua, 1e-5);
    EXPECT_NEAR(s.Subpresion, 0.5 * 2 * s.Base, 1e-5);
    EXPECT_NEAR(s.SumaV, seco.SumaV - s.Subpresion, 1e-4);
    EXPECT_NEAR(s.MomVuelco,
                s.BrazoEmp * s.Empuje + 2.0 * 2 / 3 + s.Subpresion * 2 * s.Base / 3, 1e-4);
    EXPECT_NEAR(s.EmpujeH, s.Empuje + 2.0, 1e-5);
    EXPECT_NEAR(s.FuerzaFric, s.SumaV * std::tan(30 * kGrado), 1e-3);
    EXPECT_LT(s.FsDesliz, seco.FsDesliz);
    EXPECT_LT(s.FsVuelco, seco.FsVuelco);
    // The stem carries the water below the table too.
    EXPECT_GT(s.MomSeccActual, seco.MomSeccActual);

    // A table above the virtual back is refused.
    s.Hw = 4;
    EXPECT_THROW(ChequeaMuro(s, w, w), EngineFault);
}

}  // namespace
}  // namespace tarelvo::test
