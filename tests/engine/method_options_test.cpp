// The method options on hand-computed walls: each one at another value changes what it should
// and nothing else; at their defaults they leave the default wall exactly as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "engine/method_options.h"
#include "engine/state_fields.h"
#include "engine_test_support.h"
#include "../support/state_differences.h"

namespace tarelvo::test {
namespace {

ProjectState Chequeado(ProjectState s) {
    FakeWindow w;
    ChequeaMuro(s, w, w);
    return s;
}

// The variables whose values differ between two checked states.
std::set<std::string> Cambian(const ProjectState& a, const ProjectState& b) {
    std::set<std::string> n;
    const std::string d = DiferenciasDeEstado(a, b);
    for (std::size_t k = 0; k < d.size();) {
        const std::size_t fin = d.find('\n', k);
        n.insert(d.substr(k, d.find(':', k) - k));
        k = fin + 1;
    }
    return n;
}

ProjectState Con(const char* nombre, double valor, ProjectState s = Defaults()) {
    EXPECT_EQ(AplicaOpcion(s, *OpcionDe(nombre), valor), "") << nombre;
    return s;
}

TEST(MethodOptions, DefaultsLeaveTheDefaultWallUnchanged) {
    ProjectState s = Defaults();
    EXPECT_TRUE(OpcionesPorDefecto(s));
    // Every option set to its default through the same road a file or the dialog takes.
    ProjectState t = s;
    for (const OpcionCalculo& o : OpcionesCalculo())
        EXPECT_EQ(AplicaOpcion(t, o, DefectoDe(o)), "") << o.nombre;
    EXPECT_EQ(DiferenciasDeEstado(Chequeado(s), Chequeado(t)), "");
    EXPECT_EQ(OpcionesCalculo().size(), kCantidadOpciones);
}

// Default wall: H 1.00, stem 20 cm, footing 0.30 + 0.20 + 0.30 x 0.25, φ2 30°, no cohesion.
TEST(MethodOptions, FrictionRulesChangeOnlyTheFrictionAndWhatFollows) {
    const ProjectState base = Chequeado(Defaults());
    const std::set<std::string> desliz = {"Friccion", "FuerzaFric", "FuerzaResist", "FsDesliz"};

    // tan(2·30°/3) = tan 20° = 0.36397 (Das, 13.7)
    const ProjectState dos = Chequeado(Con("Friccion", 1));
    EXPECT_NEAR(dos.FuerzaFric, base.SumaV * 0.36397, 1e-4);
    EXPECT_NEAR(base.FuerzaFric, base.SumaV * 0.57735, 1e-4);
    EXPECT_NEAR(dos.FsDesliz, (dos.FuerzaFric + dos.FuerzaCohes + dos.EmpPasivo) / dos.EmpujeH,
                1e-5);
    EXPECT_EQ(Cambian(base, dos), desliz);

    std::set<std::string> conMu = desliz;
    conMu.insert("Mu");
    const ProjectState mu = Chequeado(Con("Mu", 0.45, Con("Friccion", 2)));
    EXPECT_NEAR(mu.FuerzaFric, base.SumaV * 0.45, 1e-5);
    EXPECT_EQ(Cambian(base, mu), conMu);
    // μ kept aside while the rule is tan φ changes nothing.
    EXPECT_EQ(Cambian(base, Chequeado(Con("Mu", 0.45))), std::set<std::string>{"Mu"});
}

TEST(MethodOptions, NoPassivePressureDropsTheFootingFaceToo) {
    const ProjectState base = Chequeado(Defaults());
    // "Despreciada": the footing's face, h = 0.25, Kp = 3: 0.5 · 1.8 · 3 · 0.25² = 0.169 t
    EXPECT_NEAR(base.EmpPasivo, 0.5 * 1.8 * 3.0 * 0.0625, 2e-3);
    const ProjectState sin = Chequeado(Con("PasivaFrente", 0));
    EXPECT_EQ(sin.EmpPasivo, 0);
    EXPECT_NEAR(sin.FuerzaResist, sin.FuerzaFric + sin.FuerzaCohes, 1e-6);
    EXPECT_EQ(Cambian(base, sin), (std::set<std::string>{"PasivaFrente", "AltPasiva", "EmpPasivo",
                                                          "FuerzaResist", "FsDesliz"}));
}

TEST(MethodOptions, ConcreteWeightAndCapacityFactor) {
    const ProjectState base = Chequeado(Defaults());
    // γc 2.0: stem 0.20 · 1.00 · 2.0 = 0.40 t, footing 0.80 · 0.25 · 2.0 = 0.40 t (2.4: 0.48).
    const ProjectState g = Chequeado(Con("GammaC", 2.0));
    EXPECT_NEAR(base.PesoMuro1, 0.48, 1e-5);
    EXPECT_NEAR(g.PesoMuro1, 0.40, 1e-5);
    EXPECT_NEAR(g.PesoZap, 0.40, 1e-5);
    EXPECT_NEAR(g.SumaV, base.SumaV - 0.16, 1e-5);
    EXPECT_LT(g.FsVuelco, base.FsVuelco);
    EXPECT_EQ(g.Empuje, base.Empuje);

    // No cohesion: the usual factor is 2; 2.5 given divides the same capacity.
    const ProjectState f = Chequeado(Con("FsCapacidad", 2.5));
    EXPECT_NEAR(base.PresAdm, base.CapCarga / 2.0, 1e-5);
    EXPECT_NEAR(f.PresAdm, base.CapCarga / 2.5, 1e-5);
    EXPECT_EQ(Cambian(base, f), (std::set<std::string>{"FsCapacidad", "PresAdm"}));
    // An admissible pressure given by the engineer still wins.
    ProjectState dada = Con("FsCapacidad", 2.5);
    dada.Padm = 1.2f;
    EXPECT_NEAR(Chequeado(dada).PresAdm, 12.0, 1e-5);
}

TEST(MethodOptions, AHigherMinimumFailsTheWallAndItsWarningQuotesIt) {
    // FS desliz 2.21 on the default wall: stable with 1.5, short of 2.5.
    FakeWindow w;
    ProjectState s = Con("FsMinDesliz", 2.5);
    ChequeaMuro(s, w, w);
    EXPECT_NEAR(s.FsDesliz, 2.21, 0.005);
    EXPECT_EQ(w.shown.verdict, "NO CUMPLE");
    ASSERT_EQ(w.shown.avisos.size(), 1u);
    EXPECT_EQ(w.shown.avisos[0], "El Factor de Seguridad al Deslizamiento es menor que 2.50.");

    // A sliding factor between 1.5 and 2.0: tan(2φ/3) on the default wall.
    ProjectState t = Con("FsMinVuelco", 2.0, Con("FsMinDesliz", 2.0, Con("Friccion", 1)));
    ChequeaMuro(t, w, w);
    ASSERT_GT(t.FsDesliz, 1.5f);
    ASSERT_LT(t.FsDesliz, 2.0f);
    EXPECT_EQ(w.shown.verdict, "NO CUMPLE");
    EXPECT_EQ(w.shown.avisos,
              std::vector<std::string>{"El Factor de Seguridad al Deslizamiento es menor que 2.00."});
}

TEST(MethodOptions, RangesRefuseAndTheFileLimitsAreTaken) {
    ProjectState s = Defaults();
    EXPECT_NE(AplicaOpcion(s, *OpcionDe("FsMinVuelco"), 0.9), "");
    EXPECT_NE(AplicaOpcion(s, *OpcionDe("Friccion"), 1.5), "");
    EXPECT_NE(AplicaOpcion(s, *OpcionDe("FsCapacidad"), 1.0), "");
    EXPECT_EQ(AplicaOpcion(s, *OpcionDe("FsCapacidad"), 0), "");
    EXPECT_TRUE(OpcionesPorDefecto(s));

    // H 1.00 + zapata 0.25, level backfill: hw up to 1.25; a 20° slope over a 0.30 heel adds 0.11.
    EXPECT_NEAR(HwMaximo(s), 1.25, 1e-9);
    s.Hw = 1.25f;
    EXPECT_EQ(RevisaHw(s), "");
    s.Hw = 1.3f;
    EXPECT_NE(RevisaHw(s).find("1.25 m"), std::string::npos) << RevisaHw(s);
    s.Beta = 20;
    EXPECT_NEAR(HwMaximo(s), 1.36, 1e-9);

    double v = 0.7;
    EXPECT_NE(LimitaOpcion(*OpcionDe("Kh"), v, 1.25).find("tiene 0.7 y se toma 0.5"), std::string::npos);
    EXPECT_EQ(v, 0.5);
    v = 3;
    EXPECT_NE(LimitaOpcion(*OpcionDe("Hw"), v, 1.25).find("se toma 1.25"), std::string::npos);
    EXPECT_EQ(v, 1.25);
    v = 1;
    EXPECT_NE(LimitaOpcion(*OpcionDe("FsCapacidad"), v, 1.25), "");
    EXPECT_EQ(v, 2.0);
    v = 0;
    EXPECT_EQ(LimitaOpcion(*OpcionDe("FsCapacidad"), v, 1.25), "");
    v = 3;
    EXPECT_NE(LimitaOpcion(*OpcionDe("Friccion"), v, 1.25).find("se ignora"), std::string::npos);
    EXPECT_EQ(v, 0);
}

}  // namespace
}  // namespace tarelvo::test
