// The diagrams drawn on a page and as a picture.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>

#include "cli/headless_window.h"
#include "engine/diagramas.h"
#include "report/diagram_picture.h"
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
