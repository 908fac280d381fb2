// The diagrams' values come from the same computations as the check.
#include <gtest/gtest.h>

#include "engine/diagramas.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

void ComparaConElChequeo(ProjectState s, FakeWindow& w) {
    ChequeaMuro(s, w, w);
    const ProjectState antes = s;
    const Diagramas d = CalculaDiagramas(s);
    EXPECT_EQ(s.MomSeccActual, antes.MomSeccActual);  // the state is not touched
    // The base section is the one the check left stored; mid-height is its MomMitad.
    EXPECT_EQ(d.secciones[10].momento, s.MomSeccActual);
    EXPECT_EQ(d.secciones[10].acero, s.AsMuro);
    EXPECT_EQ(d.secciones[5].momento, s.MomMitad);
    EXPECT_EQ(d.secciones[5].acero, s.AsMitad);
    EXPECT_EQ(d.secciones[0].momento, 0.0f);
    EXPECT_FLOAT_EQ(d.secciones[10].y, s.Altura);
    EXPECT_FLOAT_EQ(d.secciones[10].espesor, s.EspBase);
    EXPECT_FLOAT_EQ(d.secciones[0].espesor, s.EspTope);
    // The base shear is the factored shear of the check, and its admissible force turns back
    // into the stresses the panel shows.
    EXPECT_NEAR(d.secciones[10].cortante, s.FactCarga * s.CortMuroBase,
                1e-5 * s.FactCarga * s.CortMuroBase);
    const double esf = d.secciones[10].cortante * s.FactKg / ((s.EspBase - s.Recub) * s.FactCm);
    EXPECT_NEAR(esf, s.EsfCortMuro, 1e-4 * s.EsfCortMuro);
    EXPECT_NEAR(d.secciones[10].cortanteAdm * s.FactKg / ((s.EspBase - s.Recub) * s.FactCm),
                s.CortAdm, 1e-4);
    // Moments and shears grow downwards.
    for (int i = 1; i <= 10; ++i) {
        EXPECT_GE(d.secciones[i].momento, d.secciones[i - 1].momento) << i;
        EXPECT_GE(d.secciones[i].cortante, d.secciones[i - 1].cortante) << i;
    }
    // The pressure diagram's area is the thrust.
    const double area = (d.presSobrecarga + d.presSobrecarga + d.presRellenoBase) * d.altTotal / 2;
    EXPECT_NEAR(area * std::cos(s.BetaRad), s.Empuje * std::cos(s.BetaRad), 2e-3 * s.Empuje);
    // The passive diagram's area is the passive thrust.
    EXPECT_NEAR((d.presPasivaTope + d.presPasivaBase) * d.altPasiva / 2, s.EmpPasivo,
                1e-4 + 1e-5 * s.EmpPasivo);
    EXPECT_FLOAT_EQ(d.presPunta * 10, s.PresMax);
    EXPECT_FLOAT_EQ(d.presTalon * 10, s.PresMin);
}

TEST(Diagramas, DefaultWallSectionsAreTheChecksSections) {
    FakeWindow w;
    ProjectState s = Defaults();
    ComparaConElChequeo(s, w);
    ChequeaMuro(s, w, w);
    const Diagramas d = CalculaDiagramas(s);
    EXPECT_NEAR(d.secciones[10].momento, 0.150, 1e-3);
    EXPECT_NEAR(d.secciones[5].momento, 0.01875, 1e-4);
    EXPECT_FLOAT_EQ(d.secciones[10].acero, 3.75f);
}

TEST(Diagramas, InclinedStemWithSurchargeKeyAndPassivePressure) {
    FakeWindow w;
    w.shape = 2;
    w.centro = "0.45";
    ProjectState s = Defaults();
    s.FormaMuro = 2;
    s.Altura = 3;
    s.Sobrec = 1.5f;
    s.Beta = 10;
    s.Punta = 0.8f;
    s.Talon = 1.8f;
    s.AltZap = 0.4f;
    s.Pasiva = 1;
    s.Dsz = 0.8f;
    s.AltDent = 0.4f;
    s.ConDent = -1;
    s.Cohes = 1;
    ComparaConElChequeo(s, w);
    ChequeaMuro(s, w, w);
    const Diagramas d = CalculaDiagramas(s);
    EXPECT_TRUE(d.pasiva);
    EXPECT_FLOAT_EQ(d.altPasiva, 1.2f);
    EXPECT_GT(d.presPasivaTope, 0);  // cohesion
    EXPECT_LT(d.secciones[0].espesor, d.secciones[10].espesor);
}

}  // namespace
}  // namespace tarelvo::test
