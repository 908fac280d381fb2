// The diagrams drawn on a page and as a picture.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>

#include "cli/headless_window.h"
#include "engine/diagramas.h"
#include "report/diagram_picture.h"
#include "report/text_metrics.h"
#include "report/wall_diagrams.h"

namespace tarelvo::test {
namespace {

ProjectState Checked(void (*cambia)(ProjectState&) = nullptr) {
    ProjectState s;
    HeadlessWindow w;
    w.Arranque(s);
    if (cambia) {
        cambia(s);
        ChequeaMuro(s, w, w);
    }
    return s;
}

const TextItem* Busca(const PageDocument& doc, const char* texto) {
    for (const PageItem& i : doc.pages().front().items)
        if (auto* t = std::get_if<TextItem>(&i); t && t->text == QString::fromUtf8(texto)) return t;
    return nullptr;
}

std::vector<QString> Textos(const Page& p) {
    std::vector<QString> t;
    for (const PageItem& i : p.items)
        if (auto* x = std::get_if<TextItem>(&i)) t.push_back(x->text);
    return t;
}

bool Contiene(const std::vector<QString>& t, const QString& s) {
    return std::find(t.begin(), t.end(), s) != t.end();
}

TEST(DibujaDiagramas, CaptionsAndKeyValuesOfTheDefaultWall) {
    const ProjectState s = Checked();
    // A wide area, as the window and the picture have, and an upright one, as a page has.
    for (const QRectF area : {QRectF(1000, 1000, 14000, 9000), QRectF(1440, 2000, 9000, 13000)}) {
        PageDocument doc;
        doc.startDoc();
        DibujaDiagramas(doc, s, CalculaDiagramas(s), area);
        const auto t = Textos(doc.pages().front());
        for (const char* c : {"Empujes sobre el muro", "Presiones sobre el terreno",
                              "Cortante en el muro", "Momento en el muro", "E = 0.47 t/m",
                              "y = 0.42 m", "0.24", "0.13", "adm. 0.56", "kg/cm2", "As 3.75"})
            EXPECT_TRUE(Contiene(t, QString::fromUtf8(c))) << c;
        // Everything stays within its area.
        for (const PageItem& i : doc.pages().front().items) {
            if (auto* l = std::get_if<LineItem>(&i)) {
                EXPECT_TRUE(area.adjusted(-1, -1, 1, 1).contains(l->from))
                    << l->from.x() << "," << l->from.y();
                EXPECT_TRUE(area.adjusted(-1, -1, 1, 1).contains(l->to));
            }
            if (auto* x = std::get_if<TextItem>(&i)) {
                EXPECT_TRUE(area.contains(QPointF(x->x, x->y)));
            }
        }
    }
}

TEST(DibujaDiagramas, ExcessPressureIsRedAndPassivePressureShown) {
    const ProjectState s = Checked([](ProjectState& s) {
        s.Padm = 0.2f;  // below the toe pressure of 0.24
        s.Pasiva = 1;
        s.Dsz = 0.5f;
    });
    PageDocument doc;
    doc.startDoc();
    DibujaDiagramas(doc, s, CalculaDiagramas(s), QRectF(0, 0, 14000, 9000));
    bool rojo = false, pasivo = false;
    for (const PageItem& i : doc.pages().front().items) {
        if (auto* p = std::get_if<PolygonItem>(&i))
            rojo = rojo || (p->brush.color == QColor(255, 0, 0) && p->brush.style == 0);
        if (auto* x = std::get_if<TextItem>(&i))
            pasivo = pasivo || x->text.startsWith(QStringLiteral("Ep = "));
    }
    EXPECT_TRUE(rojo);
    EXPECT_TRUE(pasivo);
}

TEST(DibujaDiagramas, PassivePressureReachesTheKeysBottomAndTheThrustsValuesStayInTheirPanel) {
    // A 0.5 m key with the passive pressure considered: it acts from the front ground down to
    // the key's bottom, half a metre below the active pressure's bottom.
    const ProjectState s = Checked([](ProjectState& s) {
        s.Pasiva = 1;
        s.ConDent = 1;
        s.AltDent = 0.5f;
        s.AnchDent = 0.2f;
    });
    const Diagramas d = CalculaDiagramas(s);
    ASSERT_GT(d.empPasivo, 2 * d.empuje);
    EXPECT_FLOAT_EQ(d.altLlave, 0.5f);
    PageDocument doc;
    doc.startDoc();
    const QRectF area(0, 0, 14000, 9000);
    DibujaDiagramas(doc, s, d, area);
    double activo = 0, pasivo = 0, arriba = 1e9;
    for (const PageItem& i : doc.pages().front().items)
        if (auto* p = std::get_if<PolygonItem>(&i)) {
            if (p->brush.color == QColor(150, 100, 40)) activo = p->points.boundingRect().bottom();
            if (p->brush.color == QColor(30, 130, 60)) {
                pasivo = p->points.boundingRect().bottom();
                arriba = p->points.boundingRect().top();
            }
        }
    ASSERT_GT(activo, 0);
    ASSERT_GT(pasivo, activo);
    // Depth 1.25 to the footing's underside, 1.75 to the key's bottom; the front ground 1.0
    // above that.
    EXPECT_NEAR((pasivo - activo) / (pasivo - arriba), 0.5 / 1.0, 0.01);
    // The thrust's values end inside the pressures' panel, the upper middle one.
    const double finPanel = area.left() + area.width() * 0.2 + (area.width() * 0.785) / 2;
    for (const TextItem* t : {Busca(doc, "E = 0.47 t/m"), Busca(doc, "y = 0.42 m")}) {
        ASSERT_NE(t, nullptr);
        EXPECT_LT(t->x + TextWidth(t->font, t->text), finPanel);
    }
}

TEST(DiagramasPng, APictureOfAtLeast1600By1200) {
    const ProjectState s = Checked();
    const std::string png = DiagramasPng(s);
    ASSERT_FALSE(png.empty());
    QImage img;
    ASSERT_TRUE(img.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                                 static_cast<int>(png.size()), "PNG"));
    EXPECT_GE(img.width(), 1600);
    EXPECT_GE(img.height(), 1200);
    if (const char* dir = std::getenv("TARELVO_VER_DIAGRAMAS"))
        std::ofstream(std::string(dir) + "/diagramas.png", std::ios::binary) << png;
}

}  // namespace
}  // namespace tarelvo::test
