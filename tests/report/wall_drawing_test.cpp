// The drawing of the wall on the report's last page: scale and centring, dots, the shear key,
// the ground and backfill marks, dimensions and bar texts.
#include <gtest/gtest.h>

#include <cmath>

#include <QLineF>

#include "report/report_content.h"
#include "report/wall_drawing.h"
#include "report/wall_geometry.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

using Barras = std::array<std::string, GruposBarras::kGrupos>;

const Barras kBarras = {"ø 1/2\" a 0.30", "ø 3/8\" a 0.30", "ø 3/8\" a 0.30", "ø 3/8\" a 0.30",
                        "ø 1/2\" a 0.28", "ø 1/2\" a 0.28", "ø 3/8\" a 0.25"};

// A straight wall of the given toe, stem, heel, height and footing thickness.
ProjectState Pared(float punta, float tallo, float talon, float altura, float altZap) {
    ProjectState e;
    e.Punta = punta;
    e.Talon = talon;
    e.Ancho = tallo * 100;
    e.EspTope = e.EspBase = tallo * 100;
    e.Base = punta + tallo + talon;
    e.Altura = altura;
    e.AltZap = altZap;
    e.Dsz = 0.5f;
    e.AltDent = 0.5f;
    e.AnchDent = 0.2f;
    return e;
}

struct Dibujo {
    PageDocument doc;
    GeometriaMuro g;
    double s() const { return g.s; }
};

Dibujo Dibuja(const ProjectState& e, const Barras& barras = kBarras,
              PageSetup setup = SetupA4()) {
    Dibujo d{PageDocument(setup), {}};
    d.doc.startDoc();
    SetNormal(d.doc, ReportStyles{});
    DrawMuro(d.doc, e, barras);
    d.doc.endDoc();
    d.g = CalculaGeometria(e, d.doc.setup);
    return d;
}

QRectF Contorno(const Dibujo& d) {
    const auto polys = Items<PolygonItem>(d.doc, 0);
    return polys.size() == 1 ? polys[0]->points.boundingRect() : QRectF();
}

int CirculosEn(const Dibujo& d, double y) {
    int n = 0;
    for (const CircleItem* c : Items<CircleItem>(d.doc, 0)) n += std::abs(c->centre.y() - y) < 0.5;
    return n;
}

// Short strokes whose lower end lies at y, between x0 and x1.
int TrazosBajo(const Dibujo& d, double y, double x0, double x1) {
    int n = 0;
    for (const LineItem* l : Items<LineItem>(d.doc, 0))
        n += std::abs(l->from.y() - y) < 0.5 && l->from.x() >= x0 - 0.5 &&
             l->from.x() <= x1 + 0.5 && l->to.y() < l->from.y();
    return n;
}

bool HayLinea(const Dibujo& d, QPointF a, QPointF b) {
    for (const LineItem* l : Items<LineItem>(d.doc, 0))
        if (QLineF(l->from, a).length() < 0.5 && QLineF(l->to, b).length() < 0.5) return true;
    return false;
}

TEST(WallDrawing, ScaleFromTheWidthOrTheHeightAndTheWallCentred) {
    const PageSetup a4 = SetupA4();
    const double ancho = PageWidth(a4) - 2880, alto = PageHeight(a4) - 2880;
    const double cx = 1440 + ancho / 2, cy = 1440 + alto / 2;

    const ProjectState baja = Pared(2.5f, 0.3f, 3.2f, 0.8f, 0.4f);
    const Dibujo b = Dibuja(baja);
    const double sx = 0.85 * ancho / (6.0 + 0.35);
    ASSERT_LT(sx, 0.85 * alto / (0.8 + 0.4 + 0.5));
    const QRectF rb = Contorno(b);
    EXPECT_NEAR(rb.width(), 6.0 * sx, 1);
    EXPECT_NEAR(rb.height(), 1.2 * sx, 1);
    EXPECT_NEAR(rb.center().x(), cx, 1);
    EXPECT_NEAR(rb.center().y(), cy - 0.15 * sx, 1);

    const ProjectState alta = Pared(0.4f, 0.3f, 0.5f, 8.0f, 0.5f);
    const Dibujo a = Dibuja(alta);
    const double sy = 0.85 * alto / (0.5 + 8.0 + 0.5);
    ASSERT_LT(sy, 0.85 * ancho / (1.2 + 0.35));
    const QRectF ra = Contorno(a);
    EXPECT_NEAR(ra.width(), 1.2 * sy, 1);
    EXPECT_NEAR(ra.height(), 8.5 * sy, 1);
    EXPECT_NEAR(ra.center().x(), cx, 1);
    EXPECT_NEAR(ra.center().y(), cy - 0.15 * sy, 1);
    // Red outline, bars in black.
    EXPECT_EQ(Items<PolygonItem>(a.doc, 0)[0]->pen.color, QColor(255, 0, 0));
    EXPECT_EQ(Items<PolygonItem>(a.doc, 0)[0]->brush.style, 1);
}

TEST(WallDrawing, OutlineTextCarriesEveryPointToSinglePrecision) {
    GeometriaMuro g;
    g.p[1] = QPointF(-12.5, 3);
    g.p[2] = QPointF(1234.5677f, 0.1f);
    const QString texto = TextoPoligono(g);
    EXPECT_TRUE(texto.startsWith("-12.5 3 1234.5677 0.1 0 0")) << texto.toStdString();
    PageDocument doc(SetupA4());
    doc.polygon(texto);
    const auto polys = Items<PolygonItem>(doc, 0);
    ASSERT_EQ(polys.size(), 1u);
    ASSERT_EQ(polys[0]->points.size(), 14);
    for (int i = 1; i <= 14; ++i) {
        EXPECT_EQ(static_cast<float>(polys[0]->points[i - 1].x()), static_cast<float>(g.x(i)));
        EXPECT_EQ(static_cast<float>(polys[0]->points[i - 1].y()), static_cast<float>(g.y(i)));
    }
}

TEST(WallDrawing, FootingAndStemDotsFollowTheBarSpacings) {
    const ProjectState e = Pared(0.9f, 0.2f, 1.0f, 1.0f, 0.25f);
    const Dibujo d = Dibuja(e);
    const double s = d.s(), abajo = d.g.y(12) - 0.04 * s, arriba = d.g.y(13) + 0.04 * s;
    // 2.10 / 0.25 gives 8 intervals: nine dots in each layer, the last at the heel end.
    EXPECT_EQ(CirculosEn(d, abajo), 9);
    EXPECT_EQ(CirculosEn(d, arriba), 9);
    double ultimo = 0;
    for (const CircleItem* c : Items<CircleItem>(d.doc, 0)) {
        EXPECT_NEAR(c->radius, 0.01 * s, 1e-9);
        EXPECT_EQ(c->brush.style, 0);
        if (std::abs(c->centre.y() - abajo) < 0.5) ultimo = std::max(ultimo, c->centre.x());
    }
    EXPECT_NEAR(ultimo, d.g.x(7) - 0.04 * s, 0.5);
    // 1.00 / 0.30 on each face: a dot at the footing top and three above it.
    int dorso = 0, frente = 0;
    for (const CircleItem* c : Items<CircleItem>(d.doc, 0)) {
        dorso += std::abs(c->centre.x() - (d.g.x(5) - 0.037 * s)) < 0.5;
        frente += std::abs(c->centre.x() - (d.g.x(14) + 0.037 * s)) < 0.5;
    }
    EXPECT_EQ(dorso, 4);
    EXPECT_EQ(frente, 4);

    // A spacing that reads 0, or none at all, skips its row but keeps the end dots.
    Barras malas = kBarras;
    malas[GruposBarras::ZapataLongitudinal] = "ø 3/8\" a 0.00";
    malas[GruposBarras::MuroInteriorHorizontal] = "";
    const Dibujo m = Dibuja(e, malas);
    EXPECT_EQ(CirculosEn(m, abajo), 1);
    EXPECT_EQ(CirculosEn(m, arriba), 1);
    EXPECT_EQ(Items<CircleItem>(m.doc, 0).size(), 2u + 2u + 3u);
}

TEST(WallDrawing, ShearKeyCentredOnTheFootingWithItsBarsAsTheDxfDrawsThem) {
    ProjectState e = Pared(0.6f, 0.25f, 0.9f, 2.0f, 0.3f);
    const Dibujo sin = Dibuja(e);
    const double s0 = sin.s();
    EXPECT_EQ(PaginaDe(sin.doc, "Dentellon"), -1);
    // No key outline: points 8 to 11 lie on the underside.
    EXPECT_NEAR(Contorno(sin).bottom(), sin.g.y(7), 0.5);
    EXPECT_TRUE(HayLinea(sin, {sin.g.x(12), sin.g.y(10) + 0.25 * s0},
                         {sin.g.x(12), sin.g.y(10) + 0.3 * s0}));
    EXPECT_EQ(Busca(sin.doc, 0, "0.20"), nullptr);  // no key width
    EXPECT_EQ(CirculosEn(sin, sin.g.y(10) - 0.0425 * s0), 0);

    e.ConDent = 1;
    const Dibujo con = Dibuja(e);
    const double s = con.s();
    const GeometriaMuro& g = con.g;
    ASSERT_NE(Busca(con.doc, 0, "Dentellon"), nullptr);
    // Under the middle of the 1.75 m footing, not under the stem: 0.775 m on either side.
    EXPECT_NEAR((g.x(10) + g.x(9)) / 2, (g.x(12) + g.x(7)) / 2, 0.5);
    EXPECT_NEAR(g.x(9) - g.x(10), 0.2 * s, 0.5);
    EXPECT_NEAR(g.x(10) - g.x(12), 0.775 * s, 0.5);
    EXPECT_NEAR(Contorno(con).bottom(), g.y(7) + 0.5 * s, 0.5);
    // A U of bars at the cover, its legs up to 0.05 below the footing top, a bar in section in
    // each bottom corner.
    const double xa = g.x(10) + 0.03 * s, xb = g.x(9) - 0.03 * s, fondo = g.y(10) - 0.03 * s;
    EXPECT_TRUE(HayLinea(con, {xa, fondo}, {xa, g.y(13) + 0.05 * s}));
    EXPECT_TRUE(HayLinea(con, {xa, fondo}, {xb, fondo}));
    EXPECT_TRUE(HayLinea(con, {xb, fondo}, {xb, g.y(13) + 0.05 * s}));
    EXPECT_EQ(CirculosEn(con, fondo - 0.0125 * s), 2);
    // The overall width on a second line; the first splits into the key and either side.
    const TextItem* base = Busca(con.doc, 0, "1.75");
    const TextItem* llave = Busca(con.doc, 0, "0.20");
    ASSERT_TRUE(base && llave);
    EXPECT_NEAR(base->y + con.doc.textHeight(), g.y(10) + 0.425 * s, 0.5);
    EXPECT_TRUE(HayLinea(con, {g.x(12), g.y(10) + 0.25 * s}, {g.x(12), g.y(10) + 0.45 * s}));
    EXPECT_NEAR(llave->y + con.doc.textHeight(), g.y(10) + 0.275 * s, 0.5);
    EXPECT_NEAR(llave->x + con.doc.textWidth("0.20") / 2, (g.x(10) + g.x(9)) / 2, 0.5);
    int lados = 0;
    for (const TextItem* t : Textos(con.doc, 0)) lados += t->text == "0.78";
    EXPECT_EQ(lados, 2);
    // The key's depth, turned, left of the footing.
    bool profundidad = false;
    for (const TextItem* t : Textos(con.doc, 0))
        profundidad |= t->text == "0.50" && t->angle == 900 && t->y > g.y(12);
    EXPECT_TRUE(profundidad);

    // A key leg that would fall on the back face's bar is kept a centimetre clear of it.
    ProjectState junto = Pared(0.6f, 0.25f, 0.16f, 2.0f, 0.3f);
    junto.ConDent = 1;
    junto.AnchDent = 0.70f;  // its right leg 0.03 inside, where the back bar comes down
    const Dibujo j = Dibuja(junto);
    const double sj = j.s();
    const double dorso = j.g.x(5) - 0.025 * sj;
    EXPECT_NEAR(j.g.x(9) - 0.03 * sj, dorso, 0.01 * sj);
    EXPECT_TRUE(HayLinea(j, {j.g.x(9) - 0.04 * sj, j.g.y(10) - 0.03 * sj},
                         {j.g.x(9) - 0.04 * sj, j.g.y(13) + 0.05 * sj}));
}

TEST(WallDrawing, BackfillLevelAndHatchedOnlyWhenItDoesNotRise) {
    ProjectState e = Pared(0.3f, 0.2f, 0.3f, 1.0f, 0.25f);
    const Dibujo llano = Dibuja(e);
    const double s = llano.s(), x4 = llano.g.x(4), y4 = llano.g.y(4);
    EXPECT_TRUE(HayLinea(llano, {x4 + 0.025 * s, y4}, {x4 + 0.35 * s, y4}));
    EXPECT_EQ(TrazosBajo(llano, y4 + 0.025 * s, x4 + 0.2 * s, x4 + 0.31 * s), 8);
    // The ground in front of the toe is hatched either way.
    const double suelo = llano.g.y(12) - 0.5 * s;
    EXPECT_EQ(TrazosBajo(llano, suelo + 0.025 * s, llano.g.x(12), llano.g.x(12) + 0.12 * s), 8);

    e.BetaRad = 0.35f;
    const Dibujo talud = Dibuja(e);
    EXPECT_TRUE(HayLinea(talud, {x4 + 0.025 * s, y4},
                         {x4 + 0.35 * s, y4 - std::tan(0.35f) * 0.325 * s}));
    EXPECT_EQ(TrazosBajo(talud, y4 + 0.025 * s, x4 + 0.2 * s, x4 + 0.31 * s), 0);
    EXPECT_EQ(TrazosBajo(talud, suelo + 0.025 * s, talud.g.x(12), talud.g.x(12) + 0.12 * s), 8);
}

TEST(WallDrawing, DimensionsStandOnTheirLinesAndTurnAtTheSides) {
    ProjectState e = Pared(0.3f, 0.2f, 0.3f, 1.0f, 0.25f);
    const Dibujo d = Dibuja(e);
    const double s = d.s(), h = d.doc.textHeight();
    const TextItem* base = Busca(d.doc, 0, "0.80");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->angle, 0);
    EXPECT_NEAR(base->x + d.doc.textWidth("0.80") / 2, (d.g.x(12) + d.g.x(7)) / 2, 0.5);
    EXPECT_NEAR(base->y, d.g.y(10) + 0.275 * s - h, 0.5);

    const TextItem* altura = Busca(d.doc, 0, "1.00");
    ASSERT_NE(altura, nullptr);
    EXPECT_EQ(altura->angle, 900);
    EXPECT_NEAR(altura->x, d.g.x(6) + 0.175 * s - h, 0.5);
    EXPECT_NEAR(altura->y - d.doc.textWidth("1.00") / 2, d.g.y(6) - 0.5 * s, 0.5);

    // A back face leaning over the backfill: its batter is measured on top, and the back bar
    // leans with it.
    e.FormaMuro = 2;
    e.EspBase = 30;
    e.Base += 0.1f;
    e.Talon -= 0.1f;
    e.Punta += 0.1f;
    const Dibujo inclinado = Dibuja(e);
    const double si = inclinado.s();
    const GeometriaMuro& g = inclinado.g;
    const TextItem* talud = Busca(inclinado.doc, 0, "0.10");
    ASSERT_NE(talud, nullptr);
    EXPECT_NEAR(talud->x + inclinado.doc.textWidth("0.10") / 2, (g.x(4) + g.x(5)) / 2, 0.5);
    EXPECT_TRUE(HayLinea(inclinado, {g.x(5) - 0.025 * si + 0.013 * si, g.y(12) - 0.05 * si},
                         {g.x(4) - 0.025 * si, g.y(4) + 0.025 * si}));
}

TEST(WallDrawing, AStraightStemThickenedForShearIsDrawnStraightAtItsRealThickness) {
    ProjectState e = Pared(0.4f, 0.3f, 0.45f, 2.0f, 0.25f);
    e.Ancho = 20;  // the user's minimum; the shear made the stem 0.30 thick
    const Dibujo d = Dibuja(e);
    const double s = d.s();
    EXPECT_NEAR(d.g.x(1), d.g.x(14), 0.5);
    EXPECT_NEAR(d.g.x(2), d.g.x(5), 0.5);
    const TextItem* corona = Busca(d.doc, 0, "0.30");
    ASSERT_NE(corona, nullptr);
    EXPECT_NEAR(corona->y + d.doc.textHeight(), d.g.y(1) - 0.125 * s, 0.5);
    EXPECT_NEAR(corona->x + d.doc.textWidth("0.30") / 2, (d.g.x(1) + d.g.x(2)) / 2, 0.5);
    // The front bars stay inside the concrete all the way up.
    EXPECT_TRUE(HayLinea(d, {d.g.x(14) + 0.025 * s, d.g.y(12) - 0.05 * s},
                         {d.g.x(14) + 0.025 * s, d.g.y(1) + 0.025 * s}));
    EXPECT_GT(d.g.x(14) + 0.025 * s, d.g.x(1));
}

TEST(WallDrawing, HeelTextsStartOverTheHeelWhenLongerThanIt) {
    ProjectState e = Pared(0.3f, 0.2f, 0.15f, 1.0f, 0.25f);
    const QString trans = QString::fromStdString(kBarras[4]) + " (trans)";
    const Dibujo corto = Dibuja(e);
    const TextItem* t = Busca(corto.doc, 0, trans);
    ASSERT_NE(t, nullptr);
    EXPECT_GT(t->x, corto.g.x(5));
    EXPECT_LT(t->x, corto.g.x(6));
    EXPECT_LT(t->y, corto.g.y(6));
    // The block's lines start together.
    const TextItem* zapata = nullptr;
    for (const TextItem* z : Textos(corto.doc, 0))
        if (z->text == "Zapata" && z->y < corto.g.y(6)) zapata = z;
    ASSERT_NE(zapata, nullptr);
    EXPECT_DOUBLE_EQ(zapata->x, t->x);

    // Over a long heel they end at its end.
    e.Talon = 2.0f;
    e.Base = 2.5f;
    const Dibujo largo = Dibuja(e);
    t = Busca(largo.doc, 0, trans);
    ASSERT_NE(t, nullptr);
    EXPECT_NEAR(t->x + largo.doc.textWidth(trans), largo.g.x(6), 0.5);
    EXPECT_LT(t->y, largo.g.y(6));
}

TEST(WallDrawing, AWallThatCannotBeScaledDrawsNothing) {
    PageSetup estrecha = SetupA4();
    estrecha.left = estrecha.right = 8000;  // wider than the paper
    const Dibujo d = Dibuja(Pared(0.3f, 0.2f, 0.3f, 1.0f, 0.25f), kBarras, estrecha);
    EXPECT_TRUE(d.doc.pages()[0].items.empty());
    ProjectState negativa = Pared(0.3f, 0.2f, 0.3f, 1.0f, 0.25f);
    negativa.Base = -1;  // a scale below zero
    EXPECT_TRUE(Dibuja(negativa).doc.pages()[0].items.empty());
}

}  // namespace
}  // namespace tarelvo::test
