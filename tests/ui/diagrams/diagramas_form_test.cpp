// "&Diag" and the DIAGRAMAS window, through the main window's real controls.
#include <QPushButton>

#include "common/number_text.h"
#include "engine/diagramas.h"
#include "ui/diagrams/diagramas_canvas.h"
#include "ui/diagrams/diagramas_form.h"
#include "../main/main_window_fixture.h"

namespace tarelvo::test {
namespace {

std::vector<QString> Textos(const Page& p) {
    std::vector<QString> t;
    for (const PageItem& i : p.items)
        if (auto* x = std::get_if<TextItem>(&i)) t.push_back(x->text);
    return t;
}

bool Tiene(const std::vector<QString>& t, const char* s) {
    return std::find(t.begin(), t.end(), QString::fromUtf8(s)) != t.end();
}

TEST_F(MainWindowTest, DiagOpensTheDiagramsOfTheWallJustCheckedAndSalirReturns) {
    ASSERT_TRUE(w->Command9->isEnabled());
    w->Command9->click();
    DiagramasForm* f = w->diagramas();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), "DIAGRAMAS");
    EXPECT_FALSE(w->isEnabled());  // modal, as the other forms
    QApplication::processEvents();
    const auto t = Textos(f->canvas()->pagina());
    EXPECT_TRUE(Tiene(t, "Empujes sobre el muro"));
    EXPECT_TRUE(Tiene(t, "Momento en el muro"));
    EXPECT_TRUE(Tiene(t, "E = 0.47 t/m"));
    EXPECT_TRUE(Tiene(t, "0.24"));  // the toe pressure the panel shows

    f->salir()->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(w->isEnabled());

    // A taller wall: the diagrams follow the new check, not the first one.
    TypeAndLeave(w->Altura, "3.00");
    w->Command1->click();
    ASSERT_TRUE(w->Command9->isEnabled());
    w->Command9->click();
    QApplication::processEvents();
    const Diagramas d = CalculaDiagramas(s);
    EXPECT_FLOAT_EQ(d.secciones[10].momento, s.MomSeccActual);
    EXPECT_TRUE(Tiene(Textos(f->canvas()->pagina()), QString::fromStdString(
                                                         "E = " + numtext::format(s.Empuje, "0.00") +
                                                         " t/m").toUtf8().constData()));
    // Closing by the frame gives the main window back as well.
    f->close();
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(MainWindowTest, DiagOpensForAWallThatFails) {
    // The record of a failing wall can be kept: its diagrams open as a sound wall's do.
    TypeAndLeave(w->Altura, "4");
    w->Command8->click();
    ASSERT_EQ(w->Panel3D1->text(), "MURO INESTABLE");
    ASSERT_TRUE(w->Command9->isEnabled());
    w->Command9->click();
    QApplication::processEvents();
    ASSERT_TRUE(w->diagramas() != nullptr && w->diagramas()->isVisible());
    w->diagramas()->close();
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(MainWindowTest, TheDiagramsFillTheWindowAtAnySize) {
    w->Command9->click();
    DiagramasForm* f = w->diagramas();
    ASSERT_NE(f, nullptr);
    for (QSize tam : {QSize(640, 480), QSize(1400, 1000)}) {
        f->resize(tam);
        QApplication::processEvents();
        double derecha = 0;
        for (const PageItem& i : f->canvas()->pagina().items)
            if (auto* p = std::get_if<PolygonItem>(&i)) derecha = std::max(derecha, p->points.boundingRect().right());
        EXPECT_GT(derecha / 15, f->canvas()->width() * 0.9) << tam.width();
        EXPECT_LE(derecha / 15, f->canvas()->width()) << tam.width();
    }
    f->salir()->click();
}

}  // namespace
}  // namespace tarelvo::test
