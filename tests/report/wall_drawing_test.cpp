// The construction drawing on the report's last page: its scale, its dimensions, its title
// block and marks, and the same drawing, element for element, in the DXF for current CAD
// programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "common/number_text.h"
#include "drawing/wall_sheet.h"
#include "engine/analysed_wall.h"
#include "engine/bar_schedule.h"
#include "export/cad_drawing.h"
#include "export/drawing_inputs.h"
#include "report/report_content.h"
#include "report/wall_drawing.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

struct Pagina {
    PageDocument doc;
    Lamina lamina;
    std::multiset<std::string> textos;
};

Pagina Dibuja(const Muro& muro) {
    Pagina p{PageDocument(SetupA4()), {}, {}};
    p.doc.startDoc();
    SetNormal(p.doc, ReportStyles{});
    const ReportInputs in = muro.Entradas();
    p.lamina = DrawMuro(p.doc, in.estado, in.barras);
    p.doc.endDoc();
    for (const TextItem* t : Textos(p.doc, 0)) p.textos.insert(t->text.toStdString());
    return p;
}

TEST(WallDrawing, TheScaleIsTheFirstOfTheListTheWallFitsAt) {
    for (const Muro& muro : {Muro(), Muro{{"Centrica", "0"}, {"Altura", "8"}, {"Punta", "1.5"},
                                          {"Talon", "3.5"}, {"AltZap", "0.6"}}}) {
        const Pagina p = Dibuja(muro);
        DatosLamina d = DatosDeProyecto(muro.estado, muro.Entradas().barras);
        d.hojaAncho = (p.doc.flowRight() - p.doc.flowLeft()) / kTwipsPorMetro;
        d.hojaAlto = (p.doc.flowBottom() - p.doc.flowTop()) / kTwipsPorMetro;
        const int e = p.lamina.escala;
        EXPECT_LE(p.lamina.marco.ancho(), d.hojaAncho * e);
        EXPECT_LE(p.lamina.marco.alto(), d.hojaAlto * e);
        const auto* i = std::find(std::begin(kEscalasLamina), std::end(kEscalasLamina), e);
        ASSERT_NE(i, std::end(kEscalasLamina));
        if (i != std::begin(kEscalasLamina)) {
            const Lamina antes = DibujaLaminaA(d, *(i - 1));
            EXPECT_TRUE(antes.marco.ancho() > d.hojaAncho * *(i - 1) || antes.marco.alto() > d.hojaAlto * *(i - 1));
        }
        EXPECT_EQ(p.textos.count("ESCALA 1:" + std::to_string(e)), 1u);
    }
    // The default wall, 1.3 m high, at one of the two largest scales, an 8 m wall at 1:100 or
    // closer; only a wall that cannot fit at 1:100 is drawn smaller.
    EXPECT_LE(Dibuja(Muro()).lamina.escala, 25);
    EXPECT_LE(Dibuja(Muro{{"Altura", "8"}, {"Beta", "20"}, {"ConDent", "1"}}).lamina.escala, 100);
    // A title of long words keeps the wall's scale: its lines are cut between letters, never
    // inside one, to leave the notes their room on the sheet.
    std::string titulo;
    for (int i = 0; i < 40; ++i) titulo += "Ñ";
    for (int i = 0; i < 6; ++i) titulo += "MUROLARGO";
    const Pagina largo = Dibuja(Muro{{"Titulo", titulo.c_str()}});
    EXPECT_EQ(largo.lamina.escala, Dibuja(Muro()).lamina.escala);
    std::string leido;
    for (const TextItem* t : Textos(largo.doc, 0)) {
        EXPECT_EQ(t->text.indexOf(QChar::ReplacementCharacter), -1) << t->text.toStdString();
        if (t->text.startsWith(QStringLiteral("ÑÑ")) || t->text.startsWith(QStringLiteral("RGO")))
            leido += t->text.toStdString();
    }
    EXPECT_NE(leido.find("ÑMURO"), std::string::npos);
    DatosLamina enorme = DatosDeProyecto(Muro().estado, Muro().Entradas().barras);
    enorme.altura = 15, enorme.punta = 6, enorme.talon = 13, enorme.altZap = 1.2;
    const Lamina l = DibujaLamina(enorme);
    EXPECT_GT(l.escala, 100);
    EXPECT_LE(l.marco.ancho(), enorme.hojaAncho * l.escala);
    EXPECT_LE(l.marco.alto(), enorme.hojaAlto * l.escala);
}

TEST(WallDrawing, EveryDimensionTheBuilderNeedsTitleNotesAndMarks) {
    const Muro muro{{"Centrica", "0"}, {"Altura", "3"}, {"Punta", "0.9"}, {"Talon", "1.6"},
                    {"AltZap", "0.45"}, {"Ancho", "25"}, {"FormaMuro", "1"}, {"Centro", "0.40"},
                    {"Dsz", "0.8"}, {"ConDent", "1"}, {"AltDent", "0.5"}, {"AnchDent", "0.3"},
                    {"Titulo", "Muro del patio"}};
    const Pagina p = Dibuja(muro);
    const MuroAnalizado m = MuroDeAnalisis(muro.estado);
    auto f = [](double v) { return numtext::format(v, "0.00"); };
    // Toe, stem foot, heel, width, crown, lean, footing, height, total height, front ground,
    // key position, width and depth.
    for (const std::string& v : std::vector<std::string>{f(m.punta), f(m.base), f(m.talon), f(m.zapata), f(m.corona), f(m.base - m.corona), f(0.45), f(3),
          f(3.45), f(0.8), f((m.zapata - 0.3) / 2), f(0.3), f(0.5)})
        EXPECT_GE(p.textos.count(v), 1u) << v;
    for (const std::string& t : {std::string("MURO DE CONTENCION"), std::string("Muro del patio"),
                                 "Concreto F'c = " + numtext::format(muro.estado.Fc, "0") + " kg/cm2",
                                 "Acero Fy = " + numtext::format(muro.estado.Fy, "0") + " kg/cm2",
                                 std::string("Peso unitario del concreto: 2.40 t/m3")})
        EXPECT_EQ(p.textos.count(t), 1u) << t;
    // Every mark of the schedule names its bars on the drawing.
    for (const FilaPlanilla& fila : PlanillaArmaduras(muro.estado, muro.grupos)) {
        const bool hay = std::any_of(p.textos.begin(), p.textos.end(), [&](const std::string& t) {
            return t.rfind(fila.marca + " " + fila.barra, 0) == 0;
        });
        EXPECT_TRUE(hay) << fila.marca;
    }
}

// The TEXT strings and the count of LINEs of a DXF, by layer, read from its group codes.
std::map<std::string, std::multiset<std::string>> TextosCad(const std::string& bytes, int* lineas) {
    std::istringstream in(bytes);
    std::vector<std::string> v;
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        v.push_back(l);
    }
    std::map<std::string, std::multiset<std::string>> r;
    bool entidades = false;
    std::string tipo, capa, texto;
    *lineas = 0;
    auto cierra = [&] {
        if (tipo == "TEXT") r[capa].insert(texto);
        if (tipo == "LINE" && capa != "PLANILLA") ++*lineas;
    };
    for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
        const int c = std::stoi(v[i]);
        const std::string& val = v[i + 1];
        if (c == 2 && val == "ENTITIES") entidades = true;
        if (!entidades) continue;
        if (c == 0) {
            cierra();
            tipo = val;
            if (val == "ENDSEC") break;
        }
        if (c == 8) capa = val;
        if (c == 1) texto = val;
    }
    return r;
}

TEST(WallDrawing, TheCadDxfHoldsTheReportDrawingElementForElement) {
    for (const Muro& muro : {Muro(), Muro{{"ConDent", "1"}, {"FormaMuro", "2"}, {"Beta", "15"}}}) {
        const Pagina p = Dibuja(muro);
        // The DXF chooses its scale for the same paper as the report page.
        EntradaDibujo e = EntradaDeProyecto(muro.estado, muro.grupos);
        e.hojaAncho = (p.doc.flowRight() - p.doc.flowLeft()) / kTwipsPorMetro;
        e.hojaAlto = (p.doc.flowBottom() - p.doc.flowTop()) / kTwipsPorMetro;
        std::string error;
        const std::string bytes = DibujaMuroCad(e, &error);
        ASSERT_EQ(error, "");
        int lineas = 0;
        auto cad = TextosCad(bytes, &lineas);
        EXPECT_FALSE(cad["PLANILLA"].empty());
        cad.erase("PLANILLA");
        std::multiset<std::string> todos;
        for (const auto& [capa, t] : cad)
            for (const std::string& x : t) todos.insert(x);
        // Windows-1252 in the file, UTF-8 on the page.
        std::multiset<std::string> pagina;
        for (const std::string& t : p.textos) pagina.insert(QString::fromStdString(t).toLatin1().toStdString());
        EXPECT_EQ(todos, pagina);
        EXPECT_EQ(lineas, static_cast<int>(Items<LineItem>(p.doc, 0).size()));
        EXPECT_EQ(cad["ROTULO"].count("MURO DE CONTENCION"), 1u);
    }
}

}  // namespace
}  // namespace tarelvo::test
