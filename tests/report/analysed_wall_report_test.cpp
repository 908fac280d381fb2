// The report shows the wall the check analysed: its tables and its drawing give the stem and
// footing the analysis sized, not the thicknesses typed in the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/number_text.h"
#include "drawing/wall_sheet.h"
#include "report/report_content.h"
#include "report/wall_geometry.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

QString Metros(double v) { return QString::fromStdString(numtext::format(v, "0.00")); }

struct Reporte {
    PageDocument doc;
    GeometriaMuro g;  // the drawing's outline on the last page
    int dibujo = 0;   // that page
};

Reporte Construye(const Muro& muro) {
    Reporte r{PageDocument(SetupA4()), {}, 0};
    Inicia(r.doc, muro.Entradas());
    r.doc.endDoc();
    r.dibujo = r.doc.pageCount() - 1;
    r.g = CalculaGeometria(muro.estado, r.doc.setup);
    return r;
}

// A wall 6 m high with its footing designed: the shear thickens its stem.
Muro MuroAlto(int forma = 0, const char* centro = "0.20") {
    Muro m;
    m.estado.Altura = 6;
    m.estado.FormaMuro = m.estado.TipoMuro = static_cast<std::int16_t>(forma);
    m.ventana.campos.formaMuro = forma;
    m.ventana.campos.centro = centro;
    m.Chequea(true);
    return m;
}

TEST(AnalysedWallReport, AStraightStemThickenedForShearInTheTablesAndTheDrawing) {
    const Muro muro = MuroAlto();
    const ProjectState& e = muro.estado;
    ASSERT_GT(e.EspTope, e.Ancho + 5);
    const Reporte r = Construye(muro);

    EXPECT_EQ(ValorDeFila(r.doc, 0, "Espesor del muro en la corona"), "0.32");
    EXPECT_EQ(ValorDeFila(r.doc, 0, "Espesor del muro en la base"), "0.32");
    EXPECT_EQ(ValorDeFila(r.doc, 0, "Longitud total de la zapata"), Metros(e.Base));
    EXPECT_EQ(ValorDeFila(r.doc, 0, "Longitud total de la zapata"), "4.58");
    // Toe, stem and heel add up to the footing the table gives.
    EXPECT_EQ(Metros(e.Punta + e.EspBase / 100.0 + e.Talon), Metros(e.Base));

    // The outline: a stem as thick at the top as at its foot, 0.318 m, on a 4.258 m footing.
    const double s = r.g.s;
    ASSERT_TRUE(r.g.valida);
    EXPECT_NEAR((r.g.x(2) - r.g.x(1)) / s, e.EspTope / 100.0, 1e-4);
    EXPECT_NEAR((r.g.x(5) - r.g.x(14)) / s, e.EspBase / 100.0, 1e-4);
    EXPECT_NEAR((r.g.x(7) - r.g.x(12)) / s, e.Base, 1e-4);
    // The construction drawing's concrete spans the same footing.
    const Lamina l = DibujaLamina(DatosDeProyecto(e, muro.Entradas().barras));
    double x0 = 1e9, x1 = -1e9;
    for (const TrazoLamina& t : l.trazos)
        if (t.capa == CapaLamina::Concreto) x0 = std::min({x0, t.x1, t.x2}), x1 = std::max({x1, t.x1, t.x2});
    EXPECT_NEAR(x1 - x0, e.Base, 1e-3);
    // Its dimension texts are the table's numbers.
    EXPECT_NE(Busca(r.doc, r.dibujo, "0.32"), nullptr);
    EXPECT_NE(Busca(r.doc, r.dibujo, "4.58"), nullptr);
    EXPECT_EQ(Busca(r.doc, r.dibujo, "0.20"), nullptr);
}

TEST(AnalysedWallReport, AToeAndHeelRewrittenAfterTheCheckMoveNeitherStemNorFooting) {
    // The toe and heel fields written back to the centimetre after the check, as a click on
    // "Centrica" does: the drawing keeps the analysed stem upright and the footing at Base.
    Muro muro = MuroAlto();
    ProjectState& e = muro.estado;
    e.Punta += 0.004f;
    e.Talon += 0.004f;
    const Reporte r = Construye(muro);
    const double s = r.g.s;
    EXPECT_NEAR(r.g.x(1), r.g.x(14), 1e-3);
    EXPECT_NEAR((r.g.x(5) - r.g.x(14)) / s, e.EspBase / 100.0, 1e-4);
    EXPECT_NEAR((r.g.x(7) - r.g.x(12)) / s, e.Base, 1e-4);
    EXPECT_EQ(ValorDeFila(r.doc, 0, "Espesor del muro en la base"), "0.32");
}

}  // namespace
}  // namespace tarelvo::test
