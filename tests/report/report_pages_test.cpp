// What makes the report one a building authority takes: every page says what it is and which
// page of how many, the first page says which wall and its verdict, the quantities agree with
// the bars, and every table stays within the margins with its words whole.
#include <gtest/gtest.h>

#include <set>

#include <QRegularExpression>

#include "engine/bar_schedule.h"
#include "engine/results_view.h"
#include "engine/wall_quantities.h"
#include "report/header_fields.h"
#include "report/report_content.h"
#include "report/report_cover.h"
#include "report/report_memoria.h"
#include "report/report_rows.h"
#include "report/table_format.h"
#include "report/text_metrics.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

PageDocument Construye(const ReportInputs& in, const PageSetup& setup = SetupA4()) {
    PageDocument doc(setup);
    Inicia(doc, in);
    doc.endDoc();
    return doc;
}

TEST(PaginasDelInforme, EveryPageCarriesTitleDateProgramAndPageOfPages) {
    const Muro muro;
    const ReportInputs in = muro.Entradas();
    ASSERT_EQ(in.encabezado, "&T||&D");
    ASSERT_EQ(in.pie, "&A||Página &P de &N");
    const PageDocument doc = Construye(in);
    const int n = doc.pageCount();
    ASSERT_GT(n, 3);
    for (int p = 0; p < n; ++p) {
        const TextItem* titulo = Busca(doc, p, "Muro M1");
        const TextItem* fecha = Busca(doc, p, "01/02/2024");
        const TextItem* programa = Busca(doc, p, ProgramaYVersion());
        const TextItem* pagina = Busca(doc, p, QStringLiteral("Página %1 de %2").arg(p + 1).arg(n));
        ASSERT_TRUE(titulo && fecha && programa && pagina) << "página " << p + 1;
        EXPECT_EQ(fecha->role, TextRole::Header);
        EXPECT_EQ(pagina->role, TextRole::Footer);
        EXPECT_NEAR(pagina->x + TextWidth(pagina->font, pagina->text), doc.flowRight(), 0.5);
    }
    EXPECT_TRUE(ProgramaYVersion().startsWith("Tarelvo "));

    // A project's own header keeps its "%d"; fields are read once, never inside a title.
    const CamposPagina c{QStringLiteral("Obra &P | 3"), QStringLiteral("hoy"), QStringLiteral("T 1")};
    EXPECT_EQ(ExpandeCampos("&T - &D - &A - &p/&N - %d - &&P - &x - &", c, 2, 5),
              "Obra &P | 3 - hoy - T 1 - 2/5 - 2 - &P - &x - &");
    ReportInputs propio = in;
    propio.encabezado = QStringLiteral("Proyecto K1|Hoja %d");
    propio.titulo = QStringLiteral("A | B");
    propio.pie = QStringLiteral("&T");
    const PageDocument d2 = Construye(propio);
    EXPECT_NE(Busca(d2, 1, "Hoja 2"), nullptr);
    EXPECT_NE(Busca(d2, 1, "A | B"), nullptr);
}

TEST(PaginasDelInforme, TheFirstPageOpensWithTheWallAndItsVerdict) {
    const Muro muro{{"Phi2", "15"}, {"Altura", "2.5"}, {"Punta", "0.6"}, {"Talon", "1.4"},
                    {"Sobrec", "1"}, {"Padm", "3"}, {"Centrica", "0"}, {"ConDent", "1"}};
    const ResultsView v = EvaluaResultados(muro.estado);
    ASSERT_FALSE(v.avisos.empty());
    for (bool datos : {true, false}) {
        ReportInputs in = muro.Entradas();
        in.datos = datos;
        const PageDocument doc = Construye(in);
        const std::vector<const TextItem*> textos = Textos(doc, 0);
        std::vector<const TextItem*> cuerpo;
        for (const TextItem* t : textos)
            if (t->role != TextRole::Header && t->role != TextRole::Footer) cuerpo.push_back(t);
        ASSERT_GT(cuerpo.size(), 4u);
        EXPECT_EQ(cuerpo[0]->text, "Muro M1");
        EXPECT_TRUE(cuerpo[1]->text.startsWith("Muro recto de 2.50 m de altura"))
            << cuerpo[1]->text.toStdString();
        const QString descripcion = DescripcionMuro(muro.estado);
        EXPECT_TRUE(descripcion.contains("dentellón de ")) << descripcion.toStdString();
        const TextItem* veredicto = Busca(doc, 0, QString::fromStdString(v.verdict));
        ASSERT_NE(veredicto, nullptr);
        EXPECT_EQ(veredicto->color, QColor(255, 0, 0));
        for (const std::string& a : v.avisos) {
            const TextItem* t = Busca(doc, 0, QString::fromStdString(a));
            ASSERT_NE(t, nullptr) << a;
            EXPECT_GT(t->y, veredicto->y);
        }
        // Once on the first page, not twice when the results follow it there.
        int veces = 0;
        for (const TextItem* t : textos) veces += t->text == veredicto->text;
        EXPECT_EQ(veces, 1) << datos;
    }
}

TEST(PaginasDelInforme, TheBarScheduleAgreesWithTheBarsAndTheBatchsSteelWeight) {
    for (const bool dentellon : {false, true}) {
        const Muro muro{{"Altura", "4"}, {"ConDent", dentellon ? "1" : "0"}};
        const ReportInputs in = muro.Entradas();
        const PageDocument doc = Construye(in);
        const std::vector<FilaPlanilla> filas = PlanillaArmaduras(muro.estado, in.barras);
        ASSERT_EQ(filas.size(), dentellon ? 8u : 7u);
        const double peso = PesoAcero(muro.estado, muro.grupos);
        double suma = 0;
        for (int g = 0; g < GruposBarras::kGrupos; ++g) {
            const FilaPlanilla& f = filas[static_cast<std::size_t>(g)];
            const std::string& barra = in.barras[static_cast<std::size_t>(g)];
            EXPECT_EQ(f.marca, MarcaGrupo(g));
            EXPECT_EQ(barra.rfind(f.barra + " a ", 0), 0u) << barra;
            EXPECT_NEAR(f.separacion, GruposBarras::SeparacionDe(barra), 1e-9);
            suma += f.kg;
        }
        if (dentellon) suma += filas.back().kg;
        EXPECT_NEAR(suma, peso, 1e-9);

        const int p = PaginaDe(doc, "Cantidades");
        ASSERT_GE(p, 0);
        auto fila = [&](const QString& primera) {
            for (int q = p; q < std::min(p + 2, doc.pageCount()); ++q)
                if (Busca(doc, q, primera)) return CeldasDeFila(doc, q, primera);
            return QStringList();
        };
        const QString kg = QString::number(peso, 'f', 2);
        EXPECT_EQ(fila("Peso del acero"), (QStringList{"Peso del acero", kg, "kg/m"}));
        EXPECT_EQ(fila("Volumen de hormigón").value(1),
                  QString::number(VolumenConcreto(muro.estado), 'f', 2));
        EXPECT_EQ(fila("Total"), (QStringList{"Total", kg}));
        const FilaPlanilla& z1 = filas[GruposBarras::ZapataSuperior];
        // The group's name may wrap in its cell; the numbers follow it on the row's first line.
        const QStringList z = fila("Z1");
        EXPECT_EQ(z.mid(2), (QStringList{QString::fromStdString(z1.barra),
                                         QString::number(z1.separacion, 'f', 2),
                                         QString::number(z1.largo, 'f', 2),
                                         QString::number(1 / z1.separacion, 'f', 2),
                                         QString::number(z1.kg, 'f', 2)}));
        EXPECT_EQ(fila("D1").isEmpty(), !dentellon);
    }
}

// Every word the report's tables hold, whole.
std::set<QString> PalabrasDeTablas(const ReportInputs& in) {
    std::set<QString> palabras;
    auto agrega = [&](const QString& texto) {
        for (const QString& w : texto.split(QRegularExpression("[ |;\n]"), Qt::SkipEmptyParts))
            palabras.insert(w);
    };
    for (const TablaMemoria& t : TablasMemoria(in.estado, in.barras)) {
        agrega(t.encabezado);
        agrega(CuerpoMemoria(t));
    }
    for (const auto& grupo : {SeccionesDatos(in.estado), SeccionesResultados(in.estado)})
        for (const SeccionTabla& s : grupo) agrega(CuerpoTabla(s));
    return palabras;
}

TEST(PaginasDelInforme, TablesStayWithinTheMarginsWithWholeWordsAtAnyMarginFontAndOrientation) {
    const Muro muro{{"ConDent", "1"}};
    ReportInputs in = muro.Entradas();
    const std::set<QString> palabras = PalabrasDeTablas(in);
    for (const double margen : {720.0, 2880.0})
        for (const int orientacion : {0, 1})
            for (const double puntos : {8.0, 10.0, 12.0, 14.0}) {
                PageSetup setup = SetupA4();
                setup.left = setup.right = setup.top = setup.bottom = margen;
                setup.orientation = orientacion;
                for (TextStyle* e : {&in.estilos.text, &in.estilos.subtitle, &in.estilos.header,
                                     &in.estilos.footer})
                    e->font.size = puntos;
                const PageDocument doc = Construye(in, setup);
                const std::string caso = "margen " + std::to_string(margen / 1440) + "\", " +
                                         (orientacion ? "horizontal" : "vertical") + ", " +
                                         std::to_string(puntos) + " pt";
                for (int p = 0; p < doc.pageCount(); ++p) {
                    // A heading never ends a page: it goes over with what it heads.
                    const TextItem* ultimo = nullptr;
                    for (const TextItem* t : Textos(doc, p))
                        if (t->role != TextRole::Header && t->role != TextRole::Footer &&
                            (!ultimo || t->y >= ultimo->y))
                            ultimo = t;
                    if (ultimo && p + 1 < doc.pageCount()) {
                        EXPECT_FALSE(ultimo->role == TextRole::Paragraph && ultimo->font.bold &&
                                     ultimo->text != "MURO ESTABLE")
                            << caso << ": " << ultimo->text.toStdString();
                    }
                    std::vector<QRectF> celdas;
                    for (const TextItem* t : Textos(doc, p)) {
                        if (t->role != TextRole::Cell) continue;
                        const QRectF caja(t->x, t->y, TextWidth(t->font, t->text),
                                          LineHeight(t->font));
                        EXPECT_GE(caja.left(), doc.flowLeft() - 0.5) << caso;
                        EXPECT_LE(caja.right(), doc.flowRight() + 0.5)
                            << caso << ": " << t->text.toStdString();
                        EXPECT_LE(caja.bottom(), doc.flowBottom() + 0.5) << caso;
                        for (const QString& w : t->text.split(' ', Qt::SkipEmptyParts))
                            EXPECT_TRUE(palabras.count(w))
                                << caso << ": palabra cortada \"" << w.toStdString() << "\"";
                        for (const QRectF& otra : celdas)
                            EXPECT_FALSE(caja.adjusted(1, 1, -1, -1).intersects(otra))
                                << caso << ": " << t->text.toStdString();
                        celdas.push_back(caja);
                    }
                }
            }
}

}  // namespace
}  // namespace tarelvo::test
