// A project file applied to the project: what the fields show is what the state holds.
#include <gtest/gtest.h>

#include "engine/bar_inputs.h"
#include "engine/start_project.h"
#include "engine/field_rules.h"
#include "engine/method_options.h"
#include "files/mur_project.h"
#include "files/project_load.h"

namespace tarelvo {
namespace {

struct Cargado {
    ProjectState s;
    CamposMuro c;
    GruposBarras grupos;
    std::vector<std::string> avisos;
};

Cargado Carga(const ProyectoMur& p) {
    Cargado r;
    ProyectoInicial(r.s, r.c);
    // What the previous wall left behind.
    r.s.BarrasIniciadas = 1;
    r.s.AlturaAnt = 5;
    r.s.Cohes1 = 0.7f;
    r.c.cohes1 = "0.7";
    r.avisos = CargaProyecto(p, r.s, r.c, r.grupos);
    return r;
}

TEST(ProjectLoad, TheLoadedWallIsANewWall) {
    ProyectoMur p;
    p.altura = 2.5f;
    const Cargado r = Carga(p);
    EXPECT_EQ(r.s.BarrasIniciadas, 0);
    EXPECT_EQ(r.s.AlturaAnt, 2.5f);
    EXPECT_FLOAT_EQ(r.s.AltLibre, 2.5f + 0.25f - 0.5f);
    // A file without the backfill cohesion leaves it as it was, and its bars to be chosen.
    EXPECT_EQ(r.s.Cohes1, 0.7f);
    EXPECT_EQ(r.c.cohes1, "0.7");
    EXPECT_FALSE(r.grupos.cargado());
    EXPECT_TRUE(r.avisos.empty());
}

TEST(ProjectLoad, ValuesAreThoseTheirFieldsShow) {
    ProyectoMur p;
    p.phi1 = 30.004f;
    p.padm = 0.004f;
    p.altDent = 0.004f;  // a key, however shallow
    p.anchDent = 0.333f;
    p.ancho = 0.175f;
    p.altZap = 0.3f;
    p.sobrec = 1.256f;
    const Cargado r = Carga(p);
    // A field shows a value typed with more decimals as it was saved, an ordinary one "0.00".
    EXPECT_EQ(r.c.phi1, "30.004");
    EXPECT_EQ(r.s.Phi1, 30.004f);
    EXPECT_EQ(r.c.ancho, "0.175");
    EXPECT_EQ(r.s.Ancho, 17.5f);
    EXPECT_EQ(r.c.altZap, "0.30");
    EXPECT_TRUE(r.c.dentellon);
    EXPECT_EQ(r.s.ConDent, -1);
    EXPECT_EQ(r.s.AltDent, 0.004f);
    EXPECT_EQ(r.s.AnchDent, 0.333f);
    // The spins' values are shown as the spins write them.
    EXPECT_EQ(r.c.padm, "0.00");
    EXPECT_EQ(r.s.Padm, 0.0f);
    EXPECT_EQ(r.c.sobrec, "1.26");
    EXPECT_EQ(r.s.Sobrec, 1.26f);
}

TEST(ProjectLoad, NamedValuesMeetTheirFieldsRules) {
    ProyectoMur p;
    p.formaMuro = 1;
    p.altura = 2;
    p.altDent = 0.5f;
    p.anchDent = 0.3f;
    ValoresMur& v = p.valores;
    v.cohes1 = 60;
    v.centro = 0.25f;  // below 0.20 + 5 % of 2.00
    v.conDent = 0;
    v.separ = {0.8f, 0.01f, 0.125f};
    Cargado r = Carga(p);
    EXPECT_EQ(r.avisos,
              (std::vector<std::string>{
                  "El valor de Cohes1 no puede ser mayor que 50.00: se toma 50.00",
                  "El espesor en la base (Centro) de un muro inclinado no puede ser menor que el "
                  "del tope más el 5 % de la altura: se toma 0.30",
                  "El valor de Separ1 debe estar entre 0.05 y 0.50: se toma 0.50",
                  "El valor de Separ2 debe estar entre 0.05 y 0.50: se toma 0.05"}));
    EXPECT_EQ(r.s.Cohes1, 50.0f);
    EXPECT_EQ(r.c.cohes1, "50.00");
    EXPECT_EQ(r.c.centro, "0.30");
    // "No incluye" keeps the depth in its field and leaves it out of the wall.
    EXPECT_FALSE(r.c.dentellon);
    EXPECT_EQ(r.c.altDent, "0.50");
    EXPECT_EQ(r.s.AltDent, 0.0f);
    EXPECT_EQ(r.grupos.separacion(0), "0.50");
    EXPECT_EQ(r.grupos.separacion(1), "0.05");
    EXPECT_EQ(r.grupos.separacion(2), "0.125");
    // Spacings alone leave the bars to the preselection.
    EXPECT_EQ(r.s.BarrasIniciadas, 0);

    // A thicker base is kept; "Incluye" with no depth is kept too.
    v = ValoresMur();
    v.centro = 0.6f;
    v.conDent = 1;
    p.altDent = 0;
    v.diam[0] = 1;
    v.diam[6] = 2;
    r = Carga(p);
    EXPECT_TRUE(r.avisos.empty());
    EXPECT_EQ(r.c.centro, "0.60");
    EXPECT_TRUE(r.c.dentellon);
    EXPECT_EQ(r.s.ConDent, -1);
    // Bars given are chosen; a group the file leaves out gets the bar its list starts with.
    EXPECT_EQ(r.s.BarrasIniciadas, 1);
    EXPECT_EQ(r.grupos.posicion(0), 1);
    EXPECT_EQ(r.grupos.posicion(6), 2);
    EXPECT_EQ(r.grupos.posicion(1), 3);
    EXPECT_EQ(r.grupos.posicion(4), 0);
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
    EXPECT_EQ(r.avisos.size(), 1u);
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
    EXPECT_EQ(r.avisos,
              (std::vector<std::string>{
              "El valor de Sobrec no puede ser mayor que 99.95; el archivo tiene 500 y se toma 99.95",
              "El valor de Reac no puede ser menor que 0.00; el archivo tiene -2 y se toma 0.00",
              "El valor de Phi1 no puede ser mayor que 50.00; el archivo tiene 1000000 y se toma 50.00",
              "El valor de Gamma2 no puede ser menor que 0.10; el archivo tiene 0.05 y se toma 0.10",
              kAvisoTalud}));

    // What the fields show decides: 15.004 shows 15.00, within the limit.
    ProyectoMur justo;
    justo.altura = 15.004f;
    EXPECT_TRUE(Carga(justo).avisos.empty());
}

}  // namespace
}  // namespace tarelvo

namespace tarelvo {
namespace {

// Every option away from its default, saved and read back; a file without an option gives the
// usual one, whatever the last project used; one beyond its range is taken at its limit.
TEST(ProjectLoad, MethodOptionsGoThroughTheFileAndMeetTheirLimits) {
    ProjectState s;
    CamposMuro c;
    ProyectoInicial(s, c);
    s.Altura = 3;
    c.altura = "3.00";
    const std::pair<const char*, double> dados[] = {
        {"FsMinVuelco", 2}, {"FsMinDesliz", 1.75}, {"FsMinVuelcoSismo", 1.2},
        {"FsMinDeslizSismo", 1.05}, {"Friccion", 2}, {"Mu", 0.45}, {"PasivaFrente", 0},
        {"GammaC", 2.2}, {"FsCapacidad", 2.5}, {"Kh", 0.15}, {"Kv", 0.075}, {"Hw", 1.35}};
    ASSERT_EQ(std::size(dados), kCantidadOpciones);
    for (const auto& [nombre, v] : dados) ASSERT_EQ(AplicaOpcion(s, *OpcionDe(nombre), v), "");
    GruposBarras grupos;
    const std::string texto = EscribeMur(ProyectoDeEstado(s, c, grupos));
    EXPECT_NE(texto.find("\r\nFriccion=2\r\nMu=0.45\r\nPasivaFrente=0\r\nGammaC=2.2\r\n"),
              std::string::npos) << texto;
    const LecturaMur l = LeeMur(texto);
    ASSERT_TRUE(l.ok) << l.error;
    const Cargado r = Carga(l.proyecto);
    EXPECT_TRUE(r.avisos.empty());
    EXPECT_EQ(ValoresOpciones(r.s), ValoresOpciones(s));

    // The usual method writes no option line, and its file resets the options.
    ProjectState usual;
    ProyectoInicial(usual, c);
    const std::string simple = EscribeMur(ProyectoDeEstado(usual, c, grupos));
    EXPECT_EQ(simple.find("Kh="), std::string::npos);
    ProjectState despues = r.s;
    CargaProyecto(LeeMur(simple).proyecto, despues, c, grupos);
    EXPECT_TRUE(OpcionesPorDefecto(despues));

    // Out of range: at the limit and said; an integer option off its values left aside; the
    // water no higher than the loaded wall's virtual back (1.00 + 0.25).
    ProyectoMur fuera;
    fuera.valores.opciones[0] = 5;     // FsMinVuelco
    fuera.valores.opciones[4] = 1.5f;  // Friccion
    fuera.valores.opciones[9] = -0.1f; // Kh
    fuera.valores.opciones[11] = 4;    // Hw
    const Cargado f = Carga(fuera);
    EXPECT_EQ(f.s.FsMinVuelco, 3.0f);
    EXPECT_EQ(f.s.Friccion, 0);
    EXPECT_EQ(f.s.Kh, 0.0f);
    EXPECT_EQ(f.s.Hw, 1.25f);
    ASSERT_EQ(f.avisos.size(), 4u);
    EXPECT_EQ(f.avisos[0],
              "El valor de FsMinVuelco (el factor de seguridad mínimo al vuelco) debe estar entre "
              "1.0 y 3.0; el archivo tiene 5 y se toma 3.0");
    EXPECT_NE(f.avisos[1].find("Friccion debe ser un entero de 0 a 2"), std::string::npos);
    EXPECT_NE(f.avisos[3].find("y se toma 1.25"), std::string::npos) << f.avisos[3];
}

}  // namespace
}  // namespace tarelvo
