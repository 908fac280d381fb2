// The field rules the window and the command-line tool share, and the new project.
#include <gtest/gtest.h>

#include <limits>

#include "engine/field_limits.h"
#include "engine/field_rules.h"
#include "engine/start_project.h"

namespace tarelvo {
namespace {

TEST(FieldRules, StemThicknessesComeFromTheFieldNumbers) {
    // In double, 0.15 m is 15 cm; a float product would store 15.000001.
    EXPECT_EQ(AnchoDeCampo("0.15"), 15.0f);
    // 0.15 + 0.05 × 0.50 lies just below 0.175: "0.17", where the stored 15.000001 cm gave 0.18.
    EXPECT_EQ(CentroAcoplado(1, "0.15", "0.50"), "0.17");
    EXPECT_EQ(CentroAcoplado(2, "0.25", "3"), "0.40");
    EXPECT_EQ(CentroAcoplado(0, "0.25", "3"), "0.25");
    // A typed base below the inclined minimum is raised; one above it stays as typed.
    EXPECT_EQ(CentroTecleado(1, "0.20", "2.00", "0.25"), "0.30");
    EXPECT_EQ(CentroTecleado(1, "0.20", "2.00", "0.4"), "0.4");
    EXPECT_EQ(CentroTecleado(0, "0.20", "2.00", "0.45"), "0.20");
    EXPECT_EQ(AnchoZapata("1.60", "0.6", "0.25"), "2.45");
}

TEST(FieldRules, WhatAFieldStoresFromItsText) {
    EXPECT_EQ(NumeroCampo("1e39"), std::numeric_limits<float>::max());
    EXPECT_EQ(NumeroCampo("-1e39"), -std::numeric_limits<float>::max());
    EXPECT_EQ(NumeroCampo("0.3abc"), 0.3f);
    EXPECT_EQ(NumeroCampo(""), 0.0f);
    // The handler runs only when the text changes: an equal text keeps the stored number.
    std::string campo = "0.30";
    float v = 0.299f;
    EscribeCampo(campo, "0.30", v);
    EXPECT_EQ(v, 0.299f);
    EscribeCampo(campo, "0.45", v);
    EXPECT_EQ(v, 0.45f);
    EXPECT_EQ(campo, "0.45");
}

TEST(FieldRules, CaptionsSlopeDepthAndLimits) {
    EXPECT_EQ(CaptionCarga("1.234"), "1.23");
    EXPECT_EQ(CaptionCarga("-1"), "-1");
    EXPECT_EQ(CaptionPadm("-0.5"), "0.00");
    EXPECT_FALSE(TaludExcede("30.00", "30.0"));
    EXPECT_TRUE(TaludExcede("30.01", "30"));
    EXPECT_EQ(DszAlSalir("0.10", "0.25", 0.25f, 3), "0.25");
    EXPECT_EQ(DszAlSalir("5", "0.25", 0.25f, 3), "3.00");
    EXPECT_EQ(ConLimite(*LimiteAlSalir("Gamma2"), "0.05"), ".10");
    EXPECT_EQ(ConLimite(*LimiteAlSalir("Altura"), "0.3"), "0.50");
    EXPECT_EQ(ConLimite(*LimiteAlSalir("Punta"), "0.2"), "0.2");
    EXPECT_EQ(LimiteAlSalir("Phi2"), nullptr);  // limited on entering, not on leaving
}

TEST(StartProject, NewEccentricProjectHoldsWhatItsFieldsShow) {
    ProjectState s;
    CamposMuro c;
    ProyectoInicial(s, c);
    s.Cohes1 = 0.7f;
    c.cohes1 = "0.7";
    c.centrica = false;
    ProyectoNuevo(s, c);
    EXPECT_FALSE(c.centrica);
    EXPECT_EQ(s.ZapCentrada, 0);
    EXPECT_EQ(c.punta, "0.20");
    EXPECT_EQ(s.Punta, 0.2f);
    EXPECT_EQ(c.anchoZapata, "0.70");
    EXPECT_EQ(c.cohes1, "0.0");
    EXPECT_EQ(s.Cohes1, 0.0f);
}

}  // namespace
}  // namespace tarelvo
