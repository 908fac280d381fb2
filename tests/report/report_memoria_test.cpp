// The "Memoria": every row of the default wall, the judgements of a wall that slides and of
// one outside the middle third, the verdict at the head of a failing wall's report, on the
// results page and after the Memoria, the bases of the calculation and the steel ratios.
#include <gtest/gtest.h>

#include "engine/results_view.h"
#include "report/calc_basis.h"
#include "report/report_content.h"
#include "report/report_memoria.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

struct Reporte {
    PageDocument doc{SetupA4()};
    explicit Reporte(const ReportInputs& in) {
        Inicia(doc, in);
        doc.endDoc();
    }
    // The row of a table whose first cell is `caption`, on the page of `seccion` or the next.
    QStringList Fila(const QString& seccion, const QString& caption) const {
        const int p = PaginaDe(doc, seccion);
        if (p < 0) return {};
        for (int q = p; q < std::min(p + 2, doc.pageCount()); ++q)
            if (Busca(doc, q, caption)) return CeldasDeFila(doc, q, caption);
        return {};
    }
};

using Filas = std::vector<QStringList>;

void EsperaFilas(const Reporte& r, const QString& seccion, const Filas& filas) {
    for (const QStringList& f : filas) EXPECT_EQ(r.Fila(seccion, f[0]), f) << f[0].toStdString();
}

TEST(Memoria, EveryRowOfTheDefaultWallGivesTheStatesValues) {
    const Muro muro;
    const Reporte r(muro.Entradas());
    EsperaFilas(r, "Empuje del relleno",
                {{"Coeficiente de empuje activo (Ka)", "0.333"},
                 {"Coeficiente de empuje pasivo (Kp)", "3.00"},
                 {"Altura total del empuje", "1.25", "m"},
                 {"Empuje total", "0.47", "t"},
                 {"Componente horizontal del empuje", "0.47", "t"},
                 {"Componente vertical del empuje", "0.00", "t"},
                 {"Altura del empuje sobre la base", "0.42", "m"}});
    EsperaFilas(r, "Pesos y momentos",
                {{"Elemento", "Fuerza (t)", "Brazo (m)", "Momento (t·m)"},
                 {"Muro: parte rectangular", "0.48", "0.40", "0.19"},
                 {"Muro: parte inclinada", "0.00", "0.30", "0.00"},
                 {"Relleno sobre el talón", "0.54", "0.65", "0.35"},
                 {"Zapata", "0.48", "0.40", "0.19"},
                 {"Empuje vertical", "0.00", "0.80", "0.00"},
                 {"Total resistente", "1.50", "0.74"},
                 {"Empuje horizontal (vuelco)", "0.47", "0.42", "0.20"}});
    EsperaFilas(r, "Estabilidad",
                {{"Factor de seguridad al vuelco", "3.76", "≥ 1.50", "0.40", "Cumple"},
                 {"Factor de seguridad al deslizamiento", "2.21", "≥ 1.50", "0.68", "Cumple"},
                 {"Excentricidad de la resultante (m)", "0.040", "≤ B/6 = 0.133", "0.30", "Cumple"},
                 {"Presión máxima (kg/cm2)", "0.24", "≤ 0.56", "0.44", "Cumple"},
                 {"Fricción en la base", "0.87", "t"},
                 {"Cohesión en la base", "0.00", "t"},
                 {"Empuje pasivo", "0.17", "t"},
                 {"Resistencia al deslizamiento", "1.03", "t"},
                 {"Fuerza de deslizamiento", "0.47", "t"}});
    EsperaFilas(r, "Capacidad portante",
                {{"Factor de capacidad de carga Nc", "30.14"},
                 {"Factor de capacidad de carga Nq", "18.40"},
                 {"Factor de capacidad de carga Nγ", "15.07"},
                 {"Factor de inclinación iq", "0.428"},
                 {"Factor de inclinación ic", "0.395"},
                 {"Factor de inclinación iγ", "0.291"},
                 {"Factor de profundidad dc", "1.278"},
                 {"Factor de profundidad dq", "1.175"},
                 {"Ancho efectivo de la base (B - 2e)", "0.72", "m"},
                 {"Capacidad de carga", "1.12", "kg/cm2"},
                 {"Presión admisible (capacidad / 2)", "0.56", "kg/cm2"}});
    EsperaFilas(r, "Resistencia",
                {{"Cortante en el muro (kg/cm2)", "0.35", "6.53", "0.05", "Cumple"},
                 {"Cortante en la zapata (kg/cm2)", "0.41", "6.53", "0.06", "Cumple"},
                 {"Barras", "Colocadas", "Requerido", "Colocado", "D/C", "Resultado"},
                 // 1.27 cm2 every 0.30 m against the 3.75 the stem base needs.
                 {"Muro, cara interior, vertical", "ø 1/2\" a 0.30", "3.75", "4.23", "0.89", "Cumple"},
                 {"Muro, cara interior, horizontal", "ø 3/8\" a 0.30", "2.25", "2.37", "0.95", "Cumple"},
                 {"Muro, cara exterior, vertical", "ø 3/8\" a 0.30", "2.25", "2.37", "0.95", "Cumple"},
                 {"Muro, cara exterior, horizontal", "ø 3/8\" a 0.30", "2.25", "2.37", "0.95", "Cumple"},
                 {"Zapata, cara superior, transversal", "ø 1/2\" a 0.28", "4.50", "4.54", "0.99", "Cumple"},
                 {"Zapata, cara inferior, transversal", "ø 1/2\" a 0.28", "4.50", "4.54", "0.99", "Cumple"},
                 {"Zapata, ambas caras, longitudinal", "ø 3/8\" a 0.26", "2.70", "2.73", "0.99", "Cumple"}});
    // The sections in their order, the verdict last.
    int anterior = 0;
    for (const char* s : {"Empuje del relleno", "Pesos y momentos", "Estabilidad",
                          "Capacidad portante", "Resistencia", "Conclusión"}) {
        const int p = PaginaDe(r.doc, s);
        ASSERT_GE(p, anterior) << s;
        anterior = p;
    }
    EXPECT_NE(Busca(r.doc, PaginaDe(r.doc, "Conclusión"), "MURO ESTABLE"), nullptr);
}

TEST(Memoria, AWallThatSlidesFailsOnlyItsSlidingCheckInRedAndSaysSo) {
    // The window says it does not pass and why; the report says the same, and which check
    // fails.
    const Muro muro{{"Phi2", "15"}, {"Altura", "2.5"}, {"Punta", "0.6"}, {"Talon", "1.4"},
                    {"Sobrec", "1"}, {"Padm", "3"}, {"Centrica", "0"}};
    ASSERT_EQ(muro.ventana.shown.values[3].text, "0.89");
    const Reporte r(muro.Entradas());
    EsperaFilas(r, "Estabilidad",
                {{"Factor de seguridad al vuelco", "4.14", "≥ 1.50", "0.36", "Cumple"},
                 {"Factor de seguridad al deslizamiento", "0.89", "≥ 1.50", "1.69", "No cumple"},
                 {"Excentricidad de la resultante (m)", "0.072", "≤ B/6 = 0.367", "0.20", "Cumple"},
                 {"Presión máxima (kg/cm2)", "0.56", "≤ 3.00", "0.19", "Cumple"}});
    EsperaFilas(r, "Capacidad portante", {{"Presión admisible dada", "3.00", "kg/cm2"}});
    int rojos = 0;
    for (int p = 0; p < r.doc.pageCount(); ++p)
        for (const TextItem* t : Textos(r.doc, p)) {
            if (t->text == kNoCumple) {
                EXPECT_EQ(t->color, QColor(255, 0, 0));
                ++rojos;
            }
            if (t->text == kCumple) {
                EXPECT_NE(t->color, QColor(255, 0, 0));
            }
        }
    EXPECT_EQ(rojos, 1);

    const int conclusion = PaginaDe(r.doc, "Conclusión");
    const TextItem* veredicto = Busca(r.doc, conclusion, kMuroNoCumple);
    ASSERT_NE(veredicto, nullptr);
    EXPECT_EQ(veredicto->color, QColor(255, 0, 0));
    const TextItem* aviso = Busca(r.doc, conclusion, kAvisoDesliz);
    ASSERT_NE(aviso, nullptr);
    EXPECT_EQ(aviso->color, QColor(255, 0, 0));
    EXPECT_GT(aviso->y, veredicto->y);
}

TEST(Memoria, TheVerdictOpensTheResultsPageAsTheWindowShowsIt) {
    // Stable: navy and bold, above the first results table, no warning.
    const Muro estable;
    const Reporte a(estable.Entradas());
    const int resultados = PaginaDe(a.doc, "Resultados del analisis");
    const TextItem* v = Busca(a.doc, resultados, "MURO ESTABLE");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->color, QColor(0, 0, 128));
    EXPECT_TRUE(v->font.bold);
    EXPECT_LT(v->y, Busca(a.doc, resultados, "Resultados del analisis")->y);
    for (const TextItem* t : Textos(a.doc, resultados)) EXPECT_NE(t->color, QColor(255, 0, 0));

    // The resultant well outside the middle third: red, on the results page and at the end.
    const Muro inestable{{"Centrica", "0"}, {"Altura", "3"}, {"Punta", "1.2"}, {"Talon", "0.2"}};
    ASSERT_EQ(inestable.ventana.shown.verdict, kMuroInestable);
    const Reporte b(inestable.Entradas());
    const int pagina = PaginaDe(b.doc, "Resultados del analisis");
    const TextItem* rojo = Busca(b.doc, pagina, "MURO INESTABLE");
    ASSERT_NE(rojo, nullptr);
    EXPECT_EQ(rojo->color, QColor(255, 0, 0));
    EXPECT_EQ(Busca(b.doc, pagina, "MURO ESTABLE"), nullptr);
    EXPECT_NE(Busca(b.doc, PaginaDe(b.doc, "Conclusión"), "MURO INESTABLE"), nullptr);
    EXPECT_EQ(b.Fila("Estabilidad", "Excentricidad de la resultante (m)").value(4),
              kNoCumple);
}

TEST(Memoria, EveryWarningThatAppliesIsListedAndBarsThatFallShortFail) {
    Muro muro;
    ReportInputs in = muro.Entradas();
    in.estado.FsVuelco = 1.2f;
    in.estado.EsfCortZap = in.estado.CortAdm * 2;
    // A spacing wider than the bar allows, and one that cannot be read.
    in.barras[GruposBarras::ZapataInferior] = "ø 1/2\" a 0.50";
    in.barras[GruposBarras::ZapataLongitudinal] = "ø 3/8\" a 0.00";
    in.barras[GruposBarras::MuroInteriorVertical] = "ø 1\" a 0.05";
    const Reporte r(in);
    const int p = PaginaDe(r.doc, "Conclusión");
    for (const char* aviso : {kAvisoVuelco, kAvisoCorteZapata}) {
        const TextItem* t = Busca(r.doc, p, aviso);
        ASSERT_NE(t, nullptr) << aviso;
        EXPECT_EQ(t->color, QColor(255, 0, 0));
    }
    EXPECT_EQ(r.Fila("Resistencia", "Zapata, cara inferior, transversal"),
              (QStringList{"Zapata, cara inferior, transversal", "ø 1/2\" a 0.50", "4.50", "2.54", "1.77", "No cumple"}));
    EXPECT_EQ(r.Fila("Resistencia", "Zapata, ambas caras, longitudinal"),
              (QStringList{"Zapata, ambas caras, longitudinal", "ø 3/8\" a 0.00", "2.70", "-", "No cumple"}));
    // Steel to spare in bars 2.46 cm apart, less than their 2.54 cm.
    EXPECT_EQ(r.Fila("Resistencia", "Muro, cara interior, vertical"),
              (QStringList{"Muro, cara interior, vertical", "ø 1\" a 0.05", "3.75", "101.40", "0.04", "No cumple"}));
}

TEST(Memoria, AFailingWallOpensWithItsVerdictInRedAndEndsWithEveryFailedCheck) {
    const Muro muro{{"Phi2", "15"}, {"Altura", "2.5"}, {"Punta", "0.6"}, {"Talon", "1.4"},
                    {"Sobrec", "1"}, {"Padm", "3"}, {"Centrica", "0"}};
    ReportInputs in = muro.Entradas();
    // Two checks failing at once: each gets its own line, as in the window.
    in.estado.EsfCortZap = in.estado.CortAdm * 1.5f;
    const ResultsView v = EvaluaResultados(in.estado);
    ASSERT_EQ(v.verdict, kMuroNoCumple);
    ASSERT_EQ(v.avisos, (std::vector<std::string>{kAvisoDesliz, kAvisoCorteZapata}));
    const Reporte r(in);

    std::vector<std::string> lineas = v.avisos;
    lineas.push_back(kRecalcule);
    // Near the top of the first page, before the data; and again under "Conclusión".
    const int conclusion = PaginaDe(r.doc, "Conclusión");
    for (const int pagina : {0, conclusion}) {
        const TextItem* veredicto = Busca(r.doc, pagina, kMuroNoCumple);
        ASSERT_NE(veredicto, nullptr) << pagina;
        EXPECT_EQ(veredicto->color, QColor(255, 0, 0));
        EXPECT_TRUE(veredicto->font.bold);
        double y = veredicto->y;
        for (const std::string& l : lineas) {
            const TextItem* t = Busca(r.doc, pagina, QString::fromStdString(l));
            ASSERT_NE(t, nullptr) << l << " en la página " << pagina;
            EXPECT_EQ(t->color, QColor(255, 0, 0)) << l;
            EXPECT_GT(t->y, y) << l;
            y = t->y;
        }
    }
    EXPECT_LT(Busca(r.doc, 0, kMuroNoCumple)->y, Busca(r.doc, 0, "Datos generales")->y);
    EXPECT_LT(Busca(r.doc, 0, kMuroNoCumple)->y, r.doc.flowTop() + 2500);

    // A wall that passes opens with its verdict in navy, and nothing to recalculate.
    const Muro estable;
    const Reporte e(estable.Entradas());
    ASSERT_NE(Busca(e.doc, 0, kMuroEstable), nullptr);
    EXPECT_EQ(Busca(e.doc, 0, kMuroEstable)->color, QColor(0, 0, 128));
    EXPECT_EQ(Busca(e.doc, 0, kRecalcule), nullptr);
}

// The section's paragraphs as one text.
std::string Bases(const ProjectState& s) {
    std::string t;
    for (const QString& p : BasesDeCalculo(s)) t += p.toStdString() + "\n";
    return t;
}

// The method options in force, with their values; the earthquake and the water only when the
// wall has them, and then no longer among what is not considered.
TEST(Memoria, BasesDeCalculoStateTheOptionsInForce) {
    const Muro muro{{"Friccion", "1"}, {"PasivaFrente", "0"}, {"GammaC", "2.2"},
                    {"FsCapacidad", "2.5"}, {"FsMinVuelco", "2"}, {"FsMinDesliz", "1.75"},
                    {"Kh", "0.15"}, {"Kv", "0.05"}, {"Hw", "0.6"}};
    const std::string b = Bases(muro.estado);
    for (const char* dice :
         {"V·tan(2φ/3) del suelo de fundación (tan 20.00° = 0.364)",
          "\"No considerar\" (opción de cálculo), no se cuenta ninguna resistencia pasiva",
          "hormigón 2.20 t/m3", "la capacidad entre 2.50, factor de seguridad de la opción",
          "al menos 2.00 al vuelco y 1.75 al deslizamiento (con sismo, 1.10 y 1.10)",
          "kh = 0.150 y vertical kv = 0.050", "hw = 0.60 m sobre el fondo de la zapata",
          "No se consideran: el peso del suelo sobre la punta, el peso del dentellón ni la "
          "estabilidad global"})
        EXPECT_NE(b.find(dice), std::string::npos) << dice << "\n" << b;
    EXPECT_EQ(b.find("Kp ="), std::string::npos);

    const std::string mu = Bases(Muro{{"Friccion", "2"}, {"Mu", "0.45"}}.estado);
    EXPECT_NE(mu.find("V·μ con el coeficiente de fricción dado μ = 0.450"), std::string::npos)
        << mu;
    EXPECT_EQ(mu.find("Sismo"), std::string::npos);
    EXPECT_EQ(mu.find("con sismo"), std::string::npos);
}

TEST(Memoria, BasesDeCalculoSayWhatTheEngineDoesWithThisWallsNumbers) {
    const Muro muro;
    const std::string b = Bases(muro.estado);
    for (const char* dice :
         {"Rankine", "Ka = 0.333", "Nc = 30.14, Nq = 18.40, Nγ = 15.07",
          "la capacidad entre 2, suelo sin cohesión, 0.56 kg/cm2", "tan 30.00° = 0.577",
          "2/3 de la cohesión (0.00 t/m2)", "Kp = 3.00", "h = 0.25 m",
          "\"Despreciada\": no se cuenta el suelo sobre la zapata, pero sí la presión pasiva "
          "sobre la cara de la zapata.",
          "hormigón 2.40 t/m3", "factor de carga 1.50", "0.90 en flexión",
          "0.85·0.53·√F'c = 6.53 kg/cm2", "h - 5 cm en el muro", "h - 7 cm",
          "coloca el eje de las barras a 5 cm de las caras",
          "al menos 1.50 al vuelco y 1.50 al deslizamiento", "ρmin = 0.0025", "ρmax = 0.75·ρb",
          "el mayor entre su diámetro y 2.5 cm", "No se consideran: el peso del suelo sobre la "
          "punta, el peso del dentellón, el agua"})
        EXPECT_NE(b.find(dice), std::string::npos) << dice << "\n" << b;
    EXPECT_EQ(b.find("reduce Ka"), std::string::npos);

    // Cohesion in both soils, passive pressure considered down to the key's bottom.
    const Muro otro{{"Cohes", "1"}, {"Cohes1", "0.1"}, {"Pasiva", "1"}, {"ConDent", "1"},
                    {"AltDent", "0.4"}, {"AnchDent", "0.3"}, {"Padm", "0"}};
    const std::string c = Bases(otro.estado);
    for (const char* dice :
         {"cohesión del relleno (c = 0.10 t/m2) reduce Ka", "la capacidad entre 3",
          "2/3 de la cohesión (0.67 t/m2)", "h = 0.90 m", "\"Considerada\"",
          "hasta el fondo de la zapata y del dentellón"})
        EXPECT_NE(c.find(dice), std::string::npos) << dice << "\n" << c;
    ProjectState dada = muro.estado;
    dada.Padm = 1.2f;
    dada.PresAdm = 12;
    EXPECT_NE(Bases(dada).find("Presión admisible dada: 1.20 kg/cm2"), std::string::npos);

    // In the Memoria, before the thrust; the key's weight said not to be counted.
    const Reporte r(otro.Entradas());
    const int p = PaginaDe(r.doc, "Bases de cálculo");
    ASSERT_GE(p, 0);
    const int q = PaginaDe(r.doc, "Empuje del relleno");
    ASSERT_TRUE(q > p || Busca(r.doc, p, "Empuje del relleno")->y >
                             Busca(r.doc, p, "Bases de cálculo")->y);
    bool peso = false;
    for (int i = 0; i < r.doc.pageCount(); ++i)
        for (const TextItem* t : Textos(r.doc, i))
            peso = peso || t->text.contains("El peso del dentellón no se cuenta.");
    EXPECT_TRUE(peso);
}

TEST(Memoria, SteelRatiosAgainstTheirBoundsAsTheVerdictJudgesThem) {
    const Muro muro;
    ReportInputs in = muro.Entradas();
    in.estado.CuantMax = 0.016f;
    in.estado.CuantPunta = 0.02f;
    const Reporte r(in);
    EsperaFilas(r, "Resistencia",
                {{"Elemento", "Cuantía", "Mínima", "Máxima", "D/C", "Resultado"},
                 {"Muro, en la base", "0.0025", "0.0025", "0.0160", "1.00", "Cumple"},
                 {"Punta", "0.0200", "0.0025", "0.0160", "1.25", "No cumple"},
                 {"Talón", "0.0025", "0.0025", "0.0160", "1.00", "Cumple"}});
    const TextItem* aviso = Busca(r.doc, PaginaDe(r.doc, "Conclusión"), kAvisoCuantiaPunta);
    ASSERT_NE(aviso, nullptr);
    EXPECT_EQ(aviso->color, QColor(255, 0, 0));
}

}  // namespace
}  // namespace tarelvo::test
