// The earthquake and water cases where the engineer reads them: the Memoria's "Caso sísmico"
// and water rows, the results' earthquake factors, and the earth-pressure diagram's layers.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/diagramas.h"
#include "engine/results_view.h"
#include "engine/seismic.h"
#include "report/report_content.h"
#include "report/report_memoria.h"
#include "report/text_metrics.h"
#include "report/wall_diagrams.h"
#include "report/label_space.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

// A 3 m wall on a 0.6 m toe and a 1.6 m heel with a surcharge, shaken and with water.
Muro ConSismoYAgua(const char* kh = "0.15", const char* hw = "1.5") {
    return Muro{{"Altura", "3"}, {"Sobrec", "1"}, {"Punta", "0.6"}, {"Talon", "1.6"},
                {"Centrica", "0"}, {"Kh", kh}, {"Hw", hw}};
}

PageDocument Reporte(const ReportInputs& in) {
    PageDocument doc{SetupA4()};
    Inicia(doc, in);
    doc.endDoc();
    return doc;
}

// The row whose first cell is `caption`, on the page of `seccion` or the next.
QStringList Fila(const PageDocument& doc, const QString& seccion, const QString& caption) {
    const int p = PaginaDe(doc, seccion);
    if (p < 0) return {};
    for (int q = p; q < std::min(p + 2, doc.pageCount()); ++q)
        if (Busca(doc, q, caption)) return CeldasDeFila(doc, q, caption);
    return {};
}

double Valor(const PageDocument& doc, const QString& seccion, const QString& caption, int celda) {
    const QStringList f = Fila(doc, seccion, caption);
    return f.size() > celda ? f[celda].toDouble() : std::nan("");
}

TEST(CasoSismico, TheTableGivesMononobeOkabeTheInertiasAndTheVerdictsOwnJudgement) {
    const Muro muro = ConSismoYAgua();
    const ProjectState& s = muro.estado;
    const PageDocument doc = Reporte(muro.Entradas());
    const QString caso = QStringLiteral("Caso sísmico");
    ASSERT_GE(PaginaDe(doc, caso), 0);
    // By hand, Kramer 11.12 with φ = 30°, β = 0, ψ = atan 0.15 = 8.53°: KAE = 0.866 / (0.978 ×
    // 1.430²) = 0.433.
    EXPECT_EQ(Fila(doc, caso, "Coeficiente de empuje sísmico (KAE)"),
              (QStringList{"Coeficiente de empuje sísmico (KAE)", "0.433"}));
    EXPECT_EQ(Fila(doc, caso, QString::fromUtf8("Angulo sísmico ψ = atan(Kh / (1 − Kv))"))[1], "8.53");
    // ΔPAE = (KAE − KA)(½ γ H² + q H) at 0.6 H, H the virtual back's height.
    const double H = s.AltTotal, dk = 0.433 - 1.0 / 3.0;
    EXPECT_NEAR(Valor(doc, caso, QString::fromUtf8("Incremento sísmico del empuje (ΔPAE)"), 1),
                dk * (0.5 * s.Gamma1 * H * H + 1.0 * H), 0.01);
    EXPECT_NEAR(Valor(doc, caso, QString::fromUtf8("Altura de ΔPAE sobre la base (0.6 H)"), 1),
                0.6 * H, 0.005);
    // Each inertia is Kh times its weight; together with the thrusts they slide the wall.
    const double inercias = Valor(doc, caso, "Inercia del muro", 1) +
                            Valor(doc, caso, "Inercia de la zapata", 1) +
                            Valor(doc, caso, "Inercia del relleno sobre el talón", 1);
    EXPECT_NEAR(Valor(doc, caso, "Inercia de la zapata", 1), 0.15 * s.PesoZap, 0.005);
    EXPECT_NEAR(Valor(doc, caso, "Fuerza de deslizamiento con sismo", 1),
                s.EmpujeH + s.DeltaPae + inercias, 0.02);

    // The four checks: the state's values, each judged as the verdict judges it.
    const FallasSismo f = EvaluaSismo(s);
    auto juicio = [](bool falla) { return falla ? kNoCumple : kCumple; };
    EXPECT_EQ(Fila(doc, caso, "Factor de seguridad al vuelco con sismo"),
              (QStringList{"Factor de seguridad al vuelco con sismo",
                           QString::number(s.FsVuelcoSismo, 'f', 2), QString::fromUtf8("≥ 1.10"),
                           QString::number(1.1 / s.FsVuelcoSismo, 'f', 2), juicio(f.vuelco)}));
    EXPECT_EQ(Fila(doc, caso, "Factor de seguridad al deslizamiento con sismo")[4], juicio(f.desliz));
    const QStringList e = Fila(doc, caso, "Excentricidad con sismo (m)");
    ASSERT_EQ(e.size(), 5);
    EXPECT_EQ(e[2], QString::fromUtf8("≤ B/3 = ") + QString::number(s.Base / 3.0, 'f', 3));
    EXPECT_EQ(e[4], juicio(f.excentricidad));
    const QStringList p = Fila(doc, caso, "Presión máxima con sismo (kg/cm2)");
    ASSERT_EQ(p.size(), 5);
    EXPECT_EQ(p[2], QString::fromUtf8("≤ ") + QString::number(1.33 * s.PresAdm / 10, 'f', 2));
    EXPECT_EQ(p[4], juicio(f.presion));
    // The results list the earthquake's factors after the static ones.
    const QString resultados = QStringLiteral("Resultados del analisis");
    EXPECT_EQ(Fila(doc, resultados, "FS al vuelco con sismo").value(1),
              QString::number(s.FsVuelcoSismo, 'f', 2));
    EXPECT_EQ(Fila(doc, resultados, "FS al deslizamiento con sismo").value(1),
              QString::number(s.FsDeslizSismo, 'f', 2));

    // A stronger shake fails the wall: the table says so in the same words as the window.
    const Muro fuerte = ConSismoYAgua("0.35", "0");
    const FallasSismo g = EvaluaSismo(fuerte.estado);
    ASSERT_TRUE(g.alguna());
    const PageDocument d2 = Reporte(fuerte.Entradas());
    EXPECT_EQ(Fila(d2, caso, "Factor de seguridad al deslizamiento con sismo").value(4),
              juicio(g.desliz));
    EXPECT_EQ(Fila(d2, caso, "Factor de seguridad al vuelco con sismo").value(4), juicio(g.vuelco));
    EXPECT_EQ(PaginaDe(d2, QStringLiteral("Nivel del agua sobre la base (Hw)")), -1);

    // Without an earthquake there is no such section, nor its factors among the results.
    const PageDocument d3 = Reporte(Muro().Entradas());
    EXPECT_EQ(PaginaDe(d3, caso), -1);
    EXPECT_EQ(PaginaDe(d3, QStringLiteral("FS al vuelco con sismo")), -1);
}

TEST(CasoSismico, TheWaterRowsAddUpToTheOverturningMomentTheCheckUsed) {
    const Muro muro = ConSismoYAgua("0", "1.5");
    const ProjectState& s = muro.estado;
    const PageDocument doc = Reporte(muro.Entradas());
    const QString empuje = QStringLiteral("Empuje del relleno");
    // γw hw² / 2 at hw / 3; the submerged backfill loses Ka γw hw² / 2.
    EXPECT_EQ(Fila(doc, empuje, "Nivel del agua sobre la base (Hw)").value(1), "1.50");
    EXPECT_EQ(Fila(doc, empuje, QString::fromUtf8("Empuje del agua (γw Hw² / 2)")).value(1), "1.13");
    EXPECT_EQ(Fila(doc, empuje, "Altura del empuje del agua sobre la base").value(1), "0.50");
    EXPECT_NEAR(Valor(doc, empuje, "Empuje perdido por el relleno sumergido", 1),
                0.5 * s.Ka * 1.5 * 1.5, 0.005);
    // The uplift: a triangle up to γw hw under the heel's end, at 2B/3 from the toe.
    EXPECT_NEAR(Valor(doc, empuje, QString::fromUtf8("Subpresión bajo la zapata"), 1),
                0.5 * 1.5 * s.Base, 0.005);
    // The backfill's horizontal thrust is its own, the water's apart.
    EXPECT_NEAR(Valor(doc, empuje, "Componente horizontal del empuje", 1), s.Empuje, 0.005);

    const QString pesos = QStringLiteral("Pesos y momentos");
    EXPECT_EQ(Fila(doc, pesos, QString::fromUtf8("Subpresión")).value(1),
              QString::number(-s.Subpresion, 'f', 2));
    double vuelco = 0;
    for (const char* fila : {"Empuje horizontal del relleno", "Empuje del agua", "Subpresión (vuelco)"}) {
        const QStringList c = Fila(doc, pesos, QString::fromUtf8(fila));
        ASSERT_EQ(c.size(), 4) << fila;
        EXPECT_NEAR(c[1].toDouble() * c[2].toDouble(), c[3].toDouble(), 0.02) << fila;
        vuelco += c[3].toDouble();
    }
    EXPECT_NEAR(vuelco, s.MomVuelco, 0.02);
    EXPECT_EQ(Fila(doc, pesos, "Total de vuelco"),
              (QStringList{"Total de vuelco", QString::number(s.EmpujeH, 'f', 2),
                           QString::number(s.MomVuelco, 'f', 2)}));
    EXPECT_EQ(Fila(doc, pesos, "Total resistente").value(1), QString::number(s.SumaV, 'f', 2));
    EXPECT_EQ(PaginaDe(doc, QStringLiteral("Empuje horizontal (vuelco)")), -1);
}

TEST(CasoSismico, TheEarthPressureDiagramLaysTheWaterAndTheIncrementWithALegend) {
    const Muro muro = ConSismoYAgua();
    const ProjectState& s = muro.estado;
    const Diagramas d = CalculaDiagramas(s);
    // The increment's trapezoid holds ΔPAE and acts at 0.6 H.
    const double a = d.presSismoTope, b = d.presSismoBase, H = d.altTotal;
    EXPECT_NEAR((a + b) / 2 * H, s.DeltaPae, 1e-4);
    EXPECT_NEAR(H / 3 * (2 * a + b) / (a + b), 0.6 * H, 1e-4);
    // The water: γw hw at the bottom; the backfill loses Ka γw hw there.
    EXPECT_FLOAT_EQ(d.presAguaBase, 1.5f);
    EXPECT_NEAR(d.presRellenoBase, s.Ka * (s.Gamma1 * H - 1.5), 1e-4);

    const QColor agua(0, 150, 210), sismo(190, 30, 110);
    for (const QRectF area : {QRectF(0, 0, 14000, 9000), QRectF(1440, 2000, 9000, 13000)}) {
        PageDocument doc;
        doc.startDoc();
        DibujaDiagramas(doc, s, d, area);
        const Page& p = doc.pages().front();
        EXPECT_EQ(Encimados(p), std::vector<std::string>{}) << area.width();
        QRectF capaAgua, capaSismo;
        for (const PageItem& i : p.items)
            if (auto* q = std::get_if<PolygonItem>(&i)) {
                if (q->brush.color == agua) capaAgua = q->points.boundingRect();
                if (q->brush.color == sismo) capaSismo = q->points.boundingRect();
            }
        // The water from its table down, the increment over the whole height, outside it.
        ASSERT_FALSE(capaAgua.isNull());
        ASSERT_FALSE(capaSismo.isNull());
        EXPECT_NEAR(capaAgua.height() / capaSismo.height(), 1.5 / H, 0.01);
        EXPECT_GT(capaSismo.right(), capaAgua.right());
        bool leyendaAgua = false, leyendaSismo = false;
        for (const TextItem* t : Textos(doc, 0)) {
            EXPECT_TRUE(area.contains(CajaTexto(*t))) << t->text.toStdString();
            if (t->text == QString::fromUtf8("■ Agua: Ew = 1.13 t/m, y = 0.50 m"))
                leyendaAgua = t->color == agua;
            if (t->text.startsWith(QString::fromUtf8("■ Sismo: ΔPAE = ")))
                leyendaSismo = t->color == sismo &&
                               t->text.endsWith(QString::number(0.6 * H, 'f', 2) + " m");
        }
        EXPECT_TRUE(leyendaAgua);
        EXPECT_TRUE(leyendaSismo);
    }
}

}  // namespace
}  // namespace tarelvo::test
