// The drawing page's texts: at any footing width, upright or across the page, none runs over
// a line, an outline, a bar or another text; the marks' leaders (grey) cross no other leader
// and no dimension's line (blue), and every bar mark stands on its leader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

#include <QLineF>

#include "report/page_painter.h"
#include "report/report_content.h"
#include "report/text_metrics.h"
#include "engine/results_view.h"
#include "report/wall_geometry.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

// The box a text covers, read upward when turned; a hair smaller, so that a value standing on
// its dimension line touches it without crossing it.
QRectF Caja(const TextItem& t) {
    const double w = TextWidth(t.font, t.text), h = LineHeight(t.font);
    const QRectF r = t.angle == 900 ? QRectF(t.x, t.y - w, h, w) : QRectF(t.x, t.y, w, h);
    return r.adjusted(2, 2, -2, -2);
}

bool Cruza(const QLineF& l, const QRectF& r) {
    if (r.contains(l.p1()) || r.contains(l.p2())) return true;
    const QLineF lados[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& lado : lados)
        if (l.intersects(lado, nullptr) == QLineF::BoundedIntersection) return true;
    return false;
}

bool Toca(const CircleItem& c, const QRectF& r) {
    const double dx = c.centre.x() - std::clamp(c.centre.x(), r.left(), r.right());
    const double dy = c.centre.y() - std::clamp(c.centre.y(), r.top(), r.bottom());
    return dx * dx + dy * dy < c.radius * c.radius;
}

// Every text of the page that crosses something, with what it crosses.
std::vector<std::string> Choques(const PageDocument& doc, int pagina) {
    std::vector<QLineF> lineas;
    for (const LineItem* l : Items<LineItem>(doc, pagina)) lineas.emplace_back(l->from, l->to);
    for (const PolygonItem* p : Items<PolygonItem>(doc, pagina))
        for (int i = 0; i < p->points.size(); ++i)
            lineas.emplace_back(p->points[i], p->points[(i + 1) % p->points.size()]);
    const auto textos = Textos(doc, pagina);
    std::vector<std::string> choques;
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const QRectF r = Caja(*textos[i]);
        const std::string t = textos[i]->text.toStdString();
        for (const QLineF& l : lineas)
            if (Cruza(l, r))
                choques.push_back(t + " / linea " + std::to_string(l.x1()) + "," +
                                  std::to_string(l.y1()) + " " + std::to_string(l.x2()) + "," +
                                  std::to_string(l.y2()));
        for (const CircleItem* c : Items<CircleItem>(doc, pagina))
            if (Toca(*c, r)) choques.push_back(t + " / barra");
        for (std::size_t j = i + 1; j < textos.size(); ++j)
            if (r.intersects(Caja(*textos[j])))
                choques.push_back(t + " / " + textos[j]->text.toStdString());
    }
    // Leaders: segments of one leader meet at their ends only.
    std::vector<QLineF> guias, cotas;
    for (const LineItem* l : Items<LineItem>(doc, pagina)) {
        if (l->pen.color == QColor(60, 60, 60)) guias.emplace_back(l->from, l->to);
        if (l->pen.color == QColor(0, 0, 160)) cotas.emplace_back(l->from, l->to);
    }
    auto secan = [](const QLineF& a, const QLineF& b) {
        for (QPointF p : {a.p1(), a.p2()})
            for (QPointF q : {b.p1(), b.p2()})
                if (QLineF(p, q).length() < 1) return false;
        return a.intersects(b, nullptr) == QLineF::BoundedIntersection;
    };
    for (std::size_t i = 0; i < guias.size(); ++i) {
        for (std::size_t j = i + 1; j < guias.size(); ++j)
            if (secan(guias[i], guias[j])) choques.push_back("guia / guia");
        for (const QLineF& c : cotas)
            if (secan(guias[i], c)) choques.push_back("guia / cota");
    }
    const std::regex marca("(M[1-4]|Z[1-3]|D1) .*");
    for (const TextItem* t : textos) {
        if (!std::regex_match(t->text.toStdString(), marca)) continue;
        const double pie = t->y + LineHeight(t->font);
        const bool guia = std::any_of(guias.begin(), guias.end(), [&](const QLineF& g) {
            return std::abs(g.y1() - pie) < 3 && std::abs(g.y2() - pie) < 3 &&
                   std::min(g.x1(), g.x2()) < t->x + TextWidth(t->font, t->text) &&
                   std::max(g.x1(), g.x2()) > t->x;
        });
        if (!guia) choques.push_back(t->text.toStdString() + " sin guia");
    }
    return choques;
}

struct Caso {
    const char* nombre;
    Muro muro;
};

// The drawing page of a wall's report, upright or across.
PageDocument Dibujo(const Muro& muro, int orientacion) {
    ReportInputs in = muro.Entradas();
    in.datos = in.memoria = in.diagramas = false;
    PageSetup setup = SetupA4();
    setup.orientation = orientacion;
    PageDocument doc(setup);
    Inicia(doc, in);
    doc.endDoc();
    return doc;
}

void GuardaParaVer(const PageDocument& doc, const std::string& nombre) {
    if (const char* dir = std::getenv("TARELVO_VER_DIBUJOS"))
        RenderPageImage(doc, doc.pageCount() - 1, 60)
            .save(QString::fromStdString(std::string(dir) + "/" + nombre + ".png"));
}

void EsperaSinChoques(const Muro& muro, const std::string& nombre, float zapata) {
    ASSERT_NEAR(muro.estado.Base, zapata, 0.005) << nombre;
    for (int orientacion : {0, 1}) {
        const PageDocument doc = Dibujo(muro, orientacion);
        const std::string caso = nombre + (orientacion ? "_horizontal" : "_vertical");
        GuardaParaVer(doc, caso);
        const int pagina = doc.pageCount() - 1;
        ASSERT_TRUE(Busca(doc, pagina, "MURO DE CONTENCION")) << caso;
        for (const std::string& c : Choques(doc, pagina)) ADD_FAILURE() << caso << ": " << c;
    }
}

TEST(WallLabels, NoTextCrossesAnythingOnFootingsOf08To43Metres) {
    EsperaSinChoques(Muro(), "zapata_080", 0.8f);
    EsperaSinChoques(Muro{{"Centrica", "0"}, {"Altura", "3"}, {"Punta", "1.0"}, {"Talon", "1.5"}},
                     "zapata_270", 2.7f);
    EsperaSinChoques(Muro{{"Centrica", "0"}, {"Altura", "5"}, {"Punta", "1.5"}, {"Talon", "2.5"},
                          {"Ancho", "30"}},
                     "zapata_430", 4.3f);
}

TEST(WallLabels, NoTextCrossesAnythingOnAnUnstableWallOrAnEightMetreWall) {
    const Muro inestable{{"Centrica", "0"}, {"Altura", "3"}, {"Punta", "1.2"}, {"Talon", "0.2"}};
    ASSERT_EQ(inestable.ventana.shown.verdict, kMuroInestable);
    EsperaSinChoques(inestable, "inestable", 1.6f);
    EsperaSinChoques(Muro{{"Centrica", "0"}, {"Altura", "8"}, {"Punta", "1.5"}, {"Talon", "3.5"},
                          {"AltZap", "0.6"}, {"Beta", "20"}},
                     "alto_800", 5.585f);
}

TEST(WallLabels, NoTextCrossesAnythingWithAShearKey) {
    EsperaSinChoques(Muro{{"ConDent", "1"}}, "llave_080", 0.8f);
    EsperaSinChoques(Muro{{"Centrica", "0"}, {"Altura", "3"}, {"Punta", "1.0"}, {"Talon", "1.5"},
                          {"ConDent", "1"}},
                     "llave_270", 2.7f);
    EsperaSinChoques(Muro{{"Centrica", "0"}, {"Altura", "5"}, {"Punta", "1.5"}, {"Talon", "2.5"},
                          {"Ancho", "30"}, {"ConDent", "1"}, {"AltDent", "0.6"}},
                     "llave_430", 4.3f);
}

}  // namespace
}  // namespace tarelvo::test

namespace tarelvo::test {
namespace {

TEST(WallLabels, NoTextCrossesAnythingAcrossWallsOfEveryProportion) {
    const char* const pendientes[] = {"0", "12.5", "25"};
    int casos = 0, pendiente = 0;
    for (const char* punta : {"0.2", "0.7", "1.6", "3.0"})
        for (const char* talon : {"0.2", "1.1", "2.6"})
            for (const char* altura : {"1", "3.5", "7"})
                for (const char* forma : {"0", "1", "2"})
                    for (const char* llave : {"0", "1"}) {
                        const char* beta = pendientes[pendiente++ % 3];
                        const Muro muro{{"Centrica", "0"}, {"Punta", punta}, {"Talon", talon},
                                        {"Altura", altura}, {"FormaMuro", forma},
                                        {"Centro", "0.35"}, {"ConDent", llave}, {"Beta", beta}};
                        for (int orientacion : {0, 1}) {
                            const PageDocument doc = Dibujo(muro, orientacion);
                            const std::string caso = std::string("P") + punta + "_T" + talon +
                                                     "_H" + altura + "_F" + forma + "_D" + llave +
                                                     "_B" + beta +
                                                     (orientacion ? "_h" : "_v");
                            const auto choques = Choques(doc, doc.pageCount() - 1);
                            if (!choques.empty()) GuardaParaVer(doc, caso);
                            for (const std::string& c : choques) ADD_FAILURE() << caso << ": " << c;
                            ++casos;
                        }
                    }
    EXPECT_EQ(casos, 432);
}

}  // namespace
}  // namespace tarelvo::test
