// The report's content: which parts go on which pages, every table row of the default wall,
// margins that stay over rebuilds, the styles, and values that cannot be computed.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "engine/reinforcement_layout.h"
#include "report/report_content.h"
#include "report/report_pdf.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

PageDocument Construye(const ReportInputs& in, PageSetup setup = SetupA4()) {
    PageDocument doc(setup);
    Inicia(doc, in);
    doc.endDoc();
    return doc;
}

bool TieneDibujo(const PageDocument& doc, int pagina) {
    return !Items<PolygonItem>(doc, pagina).empty();
}

int Celdas(const PageDocument& doc) {
    int n = 0;
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const TextItem* t : Textos(doc, p)) n += t->role == TextRole::Cell;
    return n;
}

TEST(ReportContent, DatosAndRefuerzoChooseThePagesAndWhatIsOnThem) {
    Muro muro;
    ReportInputs in = muro.Entradas();

    // Both: data tables on page 1, results from page 2, the drawing alone on the last page.
    PageDocument ambos = Construye(in);
    ASSERT_EQ(ambos.pageCount(), 3);
    EXPECT_EQ(PaginaDe(ambos, "Datos generales"), 0);
    EXPECT_EQ(PaginaDe(ambos, "Materiales"), 0);
    EXPECT_EQ(PaginaDe(ambos, "Resultados del analisis"), 1);
    EXPECT_EQ(PaginaDe(ambos, "Refuerzo en la zapata"), 1);
    EXPECT_FALSE(TieneDibujo(ambos, 0) || TieneDibujo(ambos, 1));
    EXPECT_TRUE(TieneDibujo(ambos, 2));
    for (const TextItem* t : Textos(ambos, 2)) EXPECT_NE(t->role, TextRole::Cell);

    in.refuerzo = false;
    PageDocument datos = Construye(in);
    ASSERT_EQ(datos.pageCount(), 1);
    EXPECT_EQ(PaginaDe(datos, "Materiales"), 0);
    EXPECT_EQ(PaginaDe(datos, "Resultados del analisis"), -1);
    EXPECT_FALSE(TieneDibujo(datos, 0));

    in.datos = false;
    in.refuerzo = true;
    PageDocument refuerzo = Construye(in);
    ASSERT_EQ(refuerzo.pageCount(), 2);
    EXPECT_EQ(PaginaDe(refuerzo, "Datos generales"), -1);
    EXPECT_EQ(PaginaDe(refuerzo, "Resultados del analisis"), 0);
    EXPECT_TRUE(TieneDibujo(refuerzo, 1));

    in.refuerzo = false;
    PageDocument ninguno = Construye(in);
    EXPECT_EQ(ninguno.pageCount(), 1);
    EXPECT_EQ(Celdas(ninguno), 0);
    EXPECT_FALSE(TieneDibujo(ninguno, 0));
    // The header and footer still frame the empty page.
    EXPECT_NE(Busca(ninguno, 0, "Muro M1"), nullptr);
    EXPECT_NE(Busca(ninguno, 0, "Pag 1"), nullptr);

    // "Refuerzo" counts only while the reinforcement is available.
    in.datos = true;
    in.refuerzo = true;
    in.estado.RefuerzoDisp = 0;
    PageDocument sinRefuerzo = Construye(in);
    EXPECT_EQ(sinRefuerzo.pageCount(), 1);
    EXPECT_EQ(PaginaDe(sinRefuerzo, "Resultados del analisis"), -1);
}

TEST(ReportContent, DataRowsOfTheDefaultWall) {
    Muro muro;
    const PageDocument doc = Construye(muro.Entradas());
    const struct {
        const char *caption, *value, *unit;
    } filas[] = {
        {"Altura del muro sobre la zapata", "1.00", "m"},
        {"Espesor del muro en la corona", "0.20", "m"},
        {"Espesor del muro en la base", "0.20", "m"},
        {"Espesor de la zapata", "0.25", "m"},
        {"Longitud de la punta", "0.30", "m"},
        {"Longitud del talón", "0.30", "m"},
        {"Longitud total de la zapata", "0.80", "m"},
        {"Angulo de inclinación", "0.00", "Grados"},
        {"Peso volumétrico", "1.80", "To/m3"},
        {"Angulo de fricción interna", "30.00", "Grados"},
        {"Cohesión", "0.00", "To/m2"},
        {"Sobrecarga sobre el relleno", "0.00", "To/m2"},
        {"Carga axial sobre el muro", "0.00", "To"},
        {"Hormigón (F'c)", "210", "Kg/cm2"},
        {"Refuerzo (Fy)", "2800", "Kg/cm2"},
    };
    for (const auto& f : filas) {
        EXPECT_EQ(ValorDeFila(doc, 0, f.caption), f.value) << f.caption;
        EXPECT_EQ(UnidadDeFila(doc, 0, f.caption), f.unit) << f.caption;
    }
}

TEST(ReportContent, ResultRowsAgreeWithTheResultsPanelAndTheReinforcementForm) {
    Muro muro;
    const PageDocument doc = Construye(muro.Entradas());
    const ColumnasRefuerzo refuerzo =
        DistribuyeRefuerzo(muro.estado, muro.grupos, muro.estado.Titulo);
    const QString panel[] = {"3.76", "2.21", "0.24", "0.13", "0.56", "0.35", "6.53", "0.41"};
    const struct {
        const char* caption;
        QString value;
        const char* unit;
    } filas[] = {
        {"Factor de seguridad al vuelco", panel[0], " "},
        {"Factor seguridad al deslizamiento", panel[1], " "},
        {"Presión sobre el terreno en la punta", panel[2], "Kg/cm2"},
        {"Presión sobre el terreno en el talón", panel[3], "Kg/cm2"},
        {"Presión admisible del terreno", panel[4], "Kg/cm2"},
        {"Esfuerzo cortante máximo en el muro", panel[5], "Kg/cm2"},
        {"Esfuerzo cortante admisible", panel[6], "Kg/cm2"},
        {"Esfuerzo cortante en la punta", panel[7], "Kg/cm2"},
        {"Momento en la base del Muro", QString::fromStdString(refuerzo.momMuro), "To-m"},
        {"Refuerzo en la base del muro", QString::fromStdString(refuerzo.area[0]), "cm2/m"},
        {"Momento en la punta", QString::fromStdString(refuerzo.momPunta), "To-m"},
        {"Refuerzo en la punta", QString::fromStdString(refuerzo.area[5]), "cm2/m"},
        {"Momento en el talón", QString::fromStdString(refuerzo.momTalon), "To-m"},
        {"Refuerzo en el talón", QString::fromStdString(refuerzo.area[4]), "cm2/m"},
    };
    for (const auto& f : filas) {
        EXPECT_EQ(ValorDeFila(doc, 1, f.caption), f.value) << f.caption;
        EXPECT_EQ(UnidadDeFila(doc, 1, f.caption), f.unit) << f.caption;
    }
}

TEST(ReportContent, UnitsChangeToMetresAndKgPerCm2) {
    Muro muro;
    ReportInputs in = muro.Entradas();
    in.estado.PresMax = 25;
    in.estado.EspTope = 35;  // the analysed top thickness, cm
    const PageDocument doc = Construye(in);
    EXPECT_EQ(ValorDeFila(doc, 1, "Presión sobre el terreno en la punta"), "2.50");
    EXPECT_EQ(ValorDeFila(doc, 0, "Espesor del muro en la corona"), "0.35");
}

TEST(ReportContent, ValuesThatCannotBeComputedShowEmptyAndTheBuildGoesOn) {
    Muro muro;
    ReportInputs in = muro.Entradas();
    in.estado.PeraltZap = 0;
    in.estado.FsVuelco = std::numeric_limits<float>::quiet_NaN();
    in.barras[GruposBarras::ZapataTransversal] = "ø 3/8\" a 0.00";
    in.barras[GruposBarras::MuroInteriorHorizontal] = "";
    const PageDocument doc = Construye(in);
    ASSERT_EQ(doc.pageCount(), 3);
    EXPECT_EQ(ValorDeFila(doc, 1, "Esfuerzo cortante en la punta"), "");
    EXPECT_EQ(ValorDeFila(doc, 1, "Esfuerzo cortante en el talón"), "");
    EXPECT_EQ(ValorDeFila(doc, 1, "Factor de seguridad al vuelco"), "");
    EXPECT_EQ(UnidadDeFila(doc, 1, "Esfuerzo cortante en el talón"), "Kg/cm2");
    EXPECT_EQ(ValorDeFila(doc, 1, "Esfuerzo cortante admisible"), "6.53");
    EXPECT_TRUE(TieneDibujo(doc, 2));
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const TextItem* t : Textos(doc, p)) {
            EXPECT_FALSE(t->text.contains("nan", Qt::CaseInsensitive)) << t->text.toStdString();
            EXPECT_FALSE(t->text.contains("inf", Qt::CaseInsensitive)) << t->text.toStdString();
        }
}

TEST(ReportContent, MarginsStayAsSetOverFiveBuildsAndTheBorderIsTopAndBottom) {
    Muro muro;
    PageSetup setup = SetupA4();
    setup.left = 1000;
    setup.top = 1100;
    setup.right = 1440;
    setup.bottom = 2000;
    setup.border = 4;
    PageDocument doc(setup);
    double pieY = 0;
    for (int i = 0; i < 5; ++i) {
        Inicia(doc, muro.Entradas());
        doc.endDoc();
        EXPECT_EQ(doc.setup.border, 3);
        EXPECT_DOUBLE_EQ(doc.setup.left, 1000);
        EXPECT_DOUBLE_EQ(doc.setup.top, 1100);
        EXPECT_DOUBLE_EQ(doc.setup.right, 1440);
        EXPECT_DOUBLE_EQ(doc.setup.bottom, 2000);
        const TextItem* pie = Busca(doc, 0, "Pag 1");
        ASSERT_NE(pie, nullptr);
        if (i == 0) pieY = pie->y;
        EXPECT_DOUBLE_EQ(pie->y, pieY);
    }
    EXPECT_GT(pieY, doc.flowBottom());
}

TEST(ReportContent, StylesDressHeaderFooterSubtitlesAndText) {
    Muro muro;
    ReportInputs in = muro.Entradas();
    in.encabezado = "Proyecto K1 | Muro M1| Pag %d";
    in.estilos.header = {{"Courier New", 14, false, true}, Qt::darkGreen};
    in.estilos.footer = {{"Times New Roman", 9}, Qt::gray};
    in.estilos.subtitle = {{"Arial", 16, true}, Qt::blue};
    in.estilos.text = {{"Times New Roman", 12}, Qt::darkRed};
    const PageDocument doc = Construye(in);

    const TextItem* cabecera = Busca(doc, 1, " Pag 2");
    ASSERT_NE(cabecera, nullptr);
    EXPECT_EQ(cabecera->font.family, "Courier New");
    EXPECT_TRUE(cabecera->font.italic);
    EXPECT_EQ(cabecera->color, QColor(Qt::darkGreen));
    const TextItem* pie = Busca(doc, 1, "Pag 2");
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(pie->font.size, 9);
    EXPECT_EQ(pie->color, QColor(Qt::gray));

    const TextItem* subtitulo = Busca(doc, 0, "Datos del suelo");
    ASSERT_NE(subtitulo, nullptr);
    EXPECT_EQ(subtitulo->font.size, 16);
    EXPECT_EQ(subtitulo->color, QColor(Qt::blue));
    EXPECT_DOUBLE_EQ(subtitulo->x, doc.flowLeft());

    // Tables keep the text style but always at 10 points, from the left margin.
    const TextItem* celda = Busca(doc, 0, "Cohesión");
    ASSERT_NE(celda, nullptr);
    EXPECT_EQ(celda->font.family, "Times New Roman");
    EXPECT_EQ(celda->font.size, 10);
    EXPECT_EQ(celda->color, QColor(Qt::darkRed));
    EXPECT_LT(celda->x, doc.flowLeft() + 100);
    // The drawing's texts are in the text style itself.
    const TextItem* muroTexto = Busca(doc, 2, "Muro");
    ASSERT_NE(muroTexto, nullptr);
    EXPECT_EQ(muroTexto->font.size, 12);
}

TEST(ReportContent, WholeReportToPdfWithTheWindowsHeaderAndFooter) {
    Muro muro;
    ReportInputs in = EntradasPorDefecto(muro.estado, "Proyecto K1", muro.Entradas().barras);
    EXPECT_EQ(in.encabezado, "Proyecto K1|");
    EXPECT_EQ(in.pie, "||Pag %d");
    muro.estado.Encabezado = "Propio";
    EXPECT_EQ(EntradasPorDefecto(muro.estado, "Proyecto K1", in.barras).encabezado,
              "Propio");

    QTemporaryDir dir;
    const std::string ruta = dir.filePath("muro.pdf").toStdString();
    EXPECT_EQ(EscribeReportePdf(ruta, in), "");
    QFile f(QString::fromStdString(ruta));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")), 3);
    EXPECT_NE(EscribeReportePdf(dir.filePath("no/hay/muro.pdf").toStdString(), in), "");
    EXPECT_NE(EscribeReportePdf("", in), "");
}

}  // namespace
}  // namespace tarelvo::test
