// A project file applied to the project: what the fields show is what the state holds.
#include <gtest/gtest.h>

#include "engine/start_project.h"
#include "engine/field_rules.h"
#include "files/project_load.h"

namespace tarelvo {
namespace {

struct Cargado {
    ProjectState s;
    CamposMuro c;
    std::string aviso;
};

Cargado Carga(const ProyectoMur& p) {
    Cargado r;
    ProyectoInicial(r.s, r.c);
    // What the previous wall left behind.
    r.s.BarrasIniciadas = 1;
    r.s.AlturaAnt = 5;
    r.s.Cohes1 = 0.7f;
    r.c.cohes1 = "0.7";
    r.aviso = CargaProyecto(p, r.s, r.c);
    return r;
}

TEST(ProjectLoad, TheLoadedWallIsANewWall) {
    ProyectoMur p;
    p.altura = 2.5f;
    const Cargado r = Carga(p);
    EXPECT_EQ(r.s.BarrasIniciadas, 0);
    EXPECT_EQ(r.s.AlturaAnt, 2.5f);
    EXPECT_FLOAT_EQ(r.s.AltLibre, 2.5f + 0.25f - 0.5f);
    // The backfill cohesion is not in the file.
    EXPECT_EQ(r.s.Cohes1, 0.7f);
    EXPECT_EQ(r.c.cohes1, "0.7");
}

TEST(ProjectLoad, ValuesAreThoseTheirFieldsShow) {
    ProyectoMur p;
    p.phi1 = 30.004f;
    p.padm = 0.004f;
    p.altDent = 0.004f;  // shows 0.00: no key
    p.anchDent = 0.333f;
    p.sobrec = 1.256f;
    const Cargado r = Carga(p);
    EXPECT_EQ(r.c.phi1, "30.00");
    EXPECT_EQ(r.s.Phi1, 30.0f);
    EXPECT_EQ(r.c.padm, "0.00");
    EXPECT_EQ(r.s.Padm, 0.0f);
    EXPECT_FALSE(r.c.dentellon);
    EXPECT_EQ(r.s.ConDent, 0);
    EXPECT_EQ(r.s.AltDent, 0.0f);
    EXPECT_EQ(r.s.AnchDent, 0.33f);
    EXPECT_EQ(r.c.sobrec, "1.26");
    EXPECT_EQ(r.s.Sobrec, 1.26f);
}

TEST(ProjectLoad, OptionsAndSlopeFollowTheWindowsRules) {
    ProyectoMur p;
    p.formaMuro = 7;  // any type other than 0 and 1 is the third
    p.pasiva = 3;     // any value other than 1 is "Despreciada"
    p.zapCentrada = 2;
    p.phi1 = 28;
    p.beta = 35;
    const Cargado r = Carga(p);
    EXPECT_EQ(r.c.formaMuro, 2);
    EXPECT_EQ(r.s.FormaMuro, 2);
    EXPECT_EQ(r.s.TipoMuro, 2);
    EXPECT_FALSE(r.c.pasiva);
    EXPECT_EQ(r.s.Pasiva, 0);
    EXPECT_TRUE(r.c.centrica);
    EXPECT_EQ(r.s.ZapCentrada, 1);
    EXPECT_FALSE(r.aviso.empty());
    EXPECT_EQ(r.c.beta, "28.00");
    EXPECT_EQ(r.s.Beta, 28.0f);
}

TEST(ProjectLoad, ValuesBeyondTheirFieldsComeInAtTheLimitsWithAWord) {
    ProyectoMur p;
    p.phi1 = 1000000;
    p.sobrec = 500;
    p.reac = -2;
    p.gamma2 = 0.05f;
    p.beta = 70;  // within its own range, but above the friction angle once that is limited
    p.anchDent = 0;  // no key: its width is not used, nor limited
    const Cargado r = Carga(p);
    EXPECT_EQ(r.s.Phi1, 50.0f);
    EXPECT_EQ(r.c.phi1, "50.00");
    EXPECT_EQ(r.s.Sobrec, 99.95f);
    EXPECT_EQ(r.s.Reac, 0.0f);
    EXPECT_EQ(r.s.Gamma2, 0.1f);
    EXPECT_EQ(r.s.Beta, 50.0f);
    EXPECT_EQ(r.s.AnchDent, 0.0f);
    EXPECT_EQ(r.aviso,
              "El valor de Sobrec no puede ser mayor que 99.95; el archivo tiene 500 y se toma 99.95\n"
              "El valor de Reac no puede ser menor que 0.00; el archivo tiene -2 y se toma 0.00\n"
              "El valor de Phi1 no puede ser mayor que 50.00; el archivo tiene 1000000 y se toma 50.00\n"
              "El valor de Gamma2 no puede ser menor que 0.10; el archivo tiene 0.05 y se toma 0.10\n" +
                  std::string(kAvisoTalud));

    // What the fields show decides: 15.004 shows 15.00, within the limit.
    ProyectoMur justo;
    justo.altura = 15.004f;
    EXPECT_EQ(Carga(justo).aviso, "");
}

}  // namespace
}  // namespace tarelvo
