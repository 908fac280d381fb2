// A resultant outside the middle third: the report and the diagrams show a footing that cannot
// take tension bearing under a triangle on the resultant's side, never a negative pressure or
// effective width, say what it means, and keep their texts apart.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "common/number_text.h"
#include "engine/diagramas.h"
#include "engine/soil_contact.h"
#include "report/label_space.h"
#include "report/report_content.h"
#include "report/wall_diagrams.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

// The soil pressure of a footing that cannot take tension, as the check leaves it: the
// triangle's peak on the resultant's side, nothing on the other.
void PresionSinTraccion(ProjectState& s) {
    const double e = std::fabs(static_cast<double>(s.Excent));
    const double pico = 2.0 * s.SumaV / (3.0 * (s.Base / 2.0 - e));
    s.PresMax = s.Excent > 0 ? static_cast<float>(pico) : 0.0f;
    s.PresMin = s.Excent > 0 ? 0.0f : static_cast<float>(pico);
    s.BaseEfec = static_cast<float>(s.Base - 2 * e);
}

// A centred footing far wider than the wall needs: the resultant falls on the heel side,
// beyond B/6.
ReportInputs Levantado() {
    const Muro muro{{"Altura", "2.5"}, {"Punta", "3"}, {"Talon", "3"}};
    ReportInputs in = muro.Entradas();
    PresionSinTraccion(in.estado);
    return in;
}

const PolygonItem* PoligonoDePresion(const Page& p) {
    for (const PageItem& i : p.items)
        if (auto* q = std::get_if<PolygonItem>(&i); q && q->brush.color == QColor(120, 160, 220))
            return q;
    return nullptr;
}

TEST(ZapataLevantada, TheReportShowsTheTriangleAndSaysWhyNeverANegativeValue) {
    const ReportInputs in = Levantado();
    const ProjectState& s = in.estado;
    const double e = std::fabs(static_cast<double>(s.Excent));
    ASSERT_LT(s.Excent, 0);
    ASSERT_GT(e, s.Base6);
    ASSERT_LT(e, s.Base / 2);
    PageDocument doc(SetupA4());
    Inicia(doc, in);
    doc.endDoc();

    const QRegularExpression negativo(QStringLiteral("(^|[^\\w])-\\d"));
    int frases = 0;
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const TextItem* t : Textos(doc, p)) {
            EXPECT_FALSE(negativo.match(t->text).hasMatch()) << t->text.toStdString();
            frases += t->text.contains("La resultante cae fuera del tercio medio de la base");
        }
    EXPECT_EQ(frases, 2);  // under the results and in the stability checks

    const int r = PaginaDe(doc, "Resultados del analisis");
    const QString contacto = QString::fromStdString(numtext::format(3 * (s.Base / 2.0 - e), "0.00"));
    EXPECT_EQ(ValorDeFila(doc, r, "Presión sobre el terreno en la punta"), "0.00");
    EXPECT_EQ(ValorDeFila(doc, r, "Presión sobre el terreno en el talón"),
              QString::fromStdString(numtext::format(s.PresMin / 10.0, "0.00")));
    EXPECT_EQ(ValorDeFila(doc, r, "Longitud de contacto de la zapata"), contacto);

    // The diagram: the triangle under the heel end, as long as the contact, the sentence
    // beside it, and no text over another.
    const int d = PaginaDe(doc, "Diagramas");
    ASSERT_GE(d, 0);
    const Page& pagina = doc.pages()[static_cast<std::size_t>(d)];
    const PolygonItem* tri = PoligonoDePresion(pagina);
    ASSERT_NE(tri, nullptr);
    EXPECT_NE(Busca(doc, d, "Resultante fuera del tercio medio"), nullptr);
    EXPECT_NE(Busca(doc, d, "Contacto " + contacto + " m"), nullptr);
    EXPECT_EQ(Encimados(pagina), std::vector<std::string>{});
}

TEST(ZapataLevantada, TheDiagramDrawsTheTriangleOnTheResultantsSideOrNothingOutsideTheBase) {
    ProjectState s = Levantado().estado;
    const double B = s.Base, e = std::fabs(static_cast<double>(s.Excent));
    struct Caso {
        const char* nombre;
        float excent;
    };
    // The heel side as computed, the same toward the toe, and a resultant past the toe edge.
    for (const Caso c : {Caso{"talón", s.Excent}, Caso{"punta", -s.Excent},
                         Caso{"fuera", static_cast<float>(0.55 * B)}}) {
        ProjectState t = s;
        t.Excent = c.excent;
        if (std::fabs(c.excent) < B / 2) PresionSinTraccion(t);
        else t.PresMax = t.PresMin = t.BaseEfec = 0;
        // The window's wide area and the report's upright one.
        for (const QRectF area : {QRectF(0, 0, 14000, 9000), QRectF(1440, 2000, 9000, 13000)}) {
            PageDocument doc;
            doc.startDoc();
            DibujaDiagramas(doc, t, CalculaDiagramas(t), area);
            const Page& p = doc.pages().front();
            EXPECT_EQ(Encimados(p), std::vector<std::string>{}) << c.nombre;
            const PolygonItem* tri = PoligonoDePresion(p);
            if (std::string(c.nombre) == "fuera") {
                EXPECT_EQ(tri, nullptr);
                EXPECT_NE(Busca(doc, 0, "Resultante fuera de la base"), nullptr);
                continue;
            }
            ASSERT_NE(tri, nullptr) << c.nombre;
            // The footing band spans the panel's drawing width: the triangle is L / B of it,
            // flush with the resultant's edge.
            QRectF zapata;
            for (const PageItem& i : p.items)
                if (auto* q = std::get_if<PolygonItem>(&i);
                    q && q->brush.color == QColor(200, 200, 200) &&
                    q->points.boundingRect().height() < 400)
                    zapata = q->points.boundingRect();
            ASSERT_FALSE(zapata.isNull());
            const QRectF r = tri->points.boundingRect();
            EXPECT_NEAR(r.width() / zapata.width(), 3 * (B / 2 - e) / B, 1e-3) << c.nombre;
            if (std::string(c.nombre) == "talón") EXPECT_NEAR(r.right(), zapata.right(), 1);
            else EXPECT_NEAR(r.left(), zapata.left(), 1);
            EXPECT_NE(Busca(doc, 0, "Resultante fuera del tercio medio"), nullptr);
        }
    }
}

}  // namespace
}  // namespace tarelvo::test
