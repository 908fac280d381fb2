// The report's content: which parts go on which pages, every table row of the default wall,
// margins that stay over rebuilds, the styles, and values that cannot be computed.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "engine/reinforcement_layout.h"
#include "report/devices.h"
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

// The drawing of the wall: its bar texts.
bool TieneDibujo(const PageDocument& doc, int pagina) {
    for (const TextItem* t : Textos(doc, pagina))
        if (t->text.endsWith(" (vert)")) return true;
    return false;
}

int Celdas(const PageDocument& doc) {
    int n = 0;
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const TextItem* t : Textos(doc, p)) n += t->role == TextRole::Cell;
    return n;
}

// What a page opens with: the part it belongs to, or an empty text on a page that goes on
// with the part before it.
QString Parte(const PageDocument& doc, int pagina) {
    for (const char* marca : {"Datos generales", "Resultados del analisis", "Empuje del relleno",
                              "Diagramas"})
        if (Busca(doc, pagina, marca)) return marca;
    return TieneDibujo(doc, pagina) ? QStringLiteral("Dibujo") : QString();
}

TEST(ReportContent, EachCombinationOfTheFourPartsGivesItsPagesInOrder) {
    Muro muro;
    ReportInputs in = muro.Entradas();
    in.datos = in.refuerzo = in.diagramas = false;
    // The Memoria's pages: after the opening block on the first page, and from a page of its own.
    const int memoriaPrimera = Construye(in).pageCount();
    in.datos = true;
    in.memoria = false;
    const int soloDatos = Construye(in).pageCount();
    in.memoria = true;
    const int memoria = Construye(in).pageCount() - soloDatos;
    ASSERT_GE(memoria, 2);
    for (int m = 0; m < 16; ++m) {
        in.datos = m & 1;
        in.refuerzo = m & 2;
        in.memoria = m & 4;
        in.diagramas = m & 8;
        // Each part from a new page: data, results, Memoria, diagrams, and the drawing last.
        QStringList esperado;
        if (in.datos) esperado << "Datos generales";
        if (in.refuerzo) esperado << "Resultados del analisis";
        if (in.memoria) {
            esperado << "Empuje del relleno";
            const int n = in.datos || in.refuerzo ? memoria : memoriaPrimera;
            for (int i = 1; i < n; ++i) esperado << QString();
        }
        if (in.diagramas) esperado << "Diagramas";
        if (in.refuerzo) esperado << "Dibujo";
        if (esperado.isEmpty()) esperado << QString();
        const PageDocument doc = Construye(in);
        QStringList paginas;
        for (int p = 0; p < doc.pageCount(); ++p) paginas << Parte(doc, p);
        EXPECT_EQ(paginas, esperado) << "casillas " << m;
    }

    // None: an empty page, framed by the header and footer.
    in.datos = in.refuerzo = in.memoria = in.diagramas = false;
    PageDocument ninguno = Construye(in);
    EXPECT_EQ(Celdas(ninguno), 0);
    EXPECT_NE(Busca(ninguno, 0, "Muro M1"), nullptr);
    EXPECT_NE(Busca(ninguno, 0, "Página 1 de 1"), nullptr);

    // "Refuerzo" counts only while the reinforcement is available.
    in.datos = in.refuerzo = true;
    in.estado.RefuerzoDisp = 0;
    PageDocument sinRefuerzo = Construye(in);
    EXPECT_EQ(sinRefuerzo.pageCount(), 1);
    EXPECT_EQ(PaginaDe(sinRefuerzo, "Resultados del analisis"), -1);
}

TEST(ReportContent, TheDiagramsPageDrawsTheFourDiagramsWithinTheMargins) {
    Muro muro;
    ReportInputs in = muro.Entradas();
    in.datos = in.refuerzo = in.memoria = false;
    for (int orientacion : {0, 1}) {
        PageSetup setup = SetupA4();
        setup.orientation = orientacion;
        const PageDocument doc = Construye(in, setup);
        ASSERT_EQ(doc.pageCount(), 1);
        for (const char* t : {"Diagramas", "Empujes sobre el muro", "Presiones sobre el terreno",
                              "Cortante en el muro", "Momento en el muro"})
            EXPECT_NE(Busca(doc, 0, t), nullptr) << t;
        const QRectF cuerpo(doc.flowLeft(), doc.flowTop(), doc.flowRight() - doc.flowLeft(),
                            doc.flowBottom() - doc.flowTop());
        EXPECT_GT(Items<PolygonItem>(doc, 0).size(), 5u);
        for (const PolygonItem* p : Items<PolygonItem>(doc, 0))
            EXPECT_TRUE(cuerpo.adjusted(-1, -1, 1, 1).contains(p->points.boundingRect()));
    }
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
        {"Peso volumétrico", "1.80", "t/m3"},
        {"Angulo de fricción interna", "30.00", "Grados"},
        {"Cohesión", "0.00", "t/m2"},
        {"Sobrecarga sobre el relleno", "0.00", "t/m2"},
        {"Carga axial sobre el muro", "0.00", "t"},
        {"Hormigón (F'c)", "210", "kg/cm2"},
        {"Refuerzo (Fy)", "2800", "kg/cm2"},
    };
    for (const auto& f : filas) {
        EXPECT_EQ(ValorDeFila(doc, 0, f.caption), f.value) << f.caption;
        EXPECT_EQ(UnidadDeFila(doc, 0, f.caption), f.unit) << f.caption;
    }
}

TEST(ReportContent, DataRowsAReviewerNeedsShowTheOptionsInTheWindowsWords) {
    // The default wall: straight, no key, no passive pressure, the admissible one computed.
    const PageDocument a = Construye(Muro().Entradas());
    const struct {
        const char *caption, *value, *unit;
    } porDefecto[] = {
        {"Forma del muro", "", "Muro Recto"},
        {"Profundidad de desplante", "0.50", "m"},
        {"Dentellón", "", "No incluye"},
        {"Presión admisible del terreno", "", "calculada"},
        {"Presión pasiva", "", "Despreciada"},
        {"Sismo", "", "No considerado"},
        {"Agua en el relleno", "", "No considerada (drenado)"},
    };
    for (const auto& f : porDefecto) {
        EXPECT_EQ(ValorDeFila(a, 0, f.caption), f.value) << f.caption;
        EXPECT_EQ(UnidadDeFila(a, 0, f.caption), f.unit) << f.caption;
    }
    // The backfill's cohesion comes first, then the soil's.
    const auto cohesiones = [](const PageDocument& doc) {
        std::vector<const TextItem*> c;
        for (const TextItem* t : Textos(doc, 0))
            if (t->text == "Cohesión") c.push_back(t);
        return c;
    };
    ASSERT_EQ(cohesiones(a).size(), 2u);
    EXPECT_LT(cohesiones(a)[0]->y, Busca(a, 0, "Datos del suelo")->y);

    const Muro otro{{"FormaMuro", "2"}, {"ConDent", "1"}, {"AltDent", "0.6"}, {"Pasiva", "1"},
                    {"Padm", "1.5"}, {"Cohes1", "0.02"}, {"Dsz", "0.8"},
                    {"Kh", "0.125"}, {"Kv", "0.05"}, {"Hw", "0.9"}};
    const PageDocument b = Construye(otro.Entradas());
    const struct {
        const char *caption, *value, *unit;
    } elegidas[] = {
        {"Forma del muro", "", "Inclinado hacia Relleno"},
        {"Profundidad de desplante", "0.80", "m"},
        {"Altura del dentellón", "0.60", "m"},
        {"Ancho del dentellón", "0.20", "m"},
        {"Presión admisible del terreno", "1.50", "kg/cm2"},
        {"Presión pasiva", "", "Considerada"},
        {"Coeficiente sísmico horizontal (kh)", "0.125", " "},
        {"Coeficiente sísmico vertical (kv)", "0.05", " "},
        {"Altura del agua sobre la base de la zapata", "0.90", "m"},
    };
    // The key's rows and the options' push the load's table onto the next page.
    for (const auto& f : elegidas) {
        const int p = std::max(0, PaginaDe(b, f.caption));
        EXPECT_EQ(ValorDeFila(b, p, f.caption), f.value) << f.caption;
        EXPECT_EQ(UnidadDeFila(b, p, f.caption), f.unit) << f.caption;
    }
    for (const char* t : {"Dentellón", "Sismo", "Agua en el relleno"})
        EXPECT_EQ(PaginaDe(b, t), -1) << t;
    EXPECT_EQ(ValorDeFila(b, 0, "Cohesión"), "0.02");
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
        {"Presión sobre el terreno en la punta", panel[2], "kg/cm2"},
        {"Presión sobre el terreno en el talón", panel[3], "kg/cm2"},
        {"Presión admisible del terreno", panel[4], "kg/cm2"},
        {"Esfuerzo cortante máximo en el muro", panel[5], "kg/cm2"},
        {"Esfuerzo cortante admisible", panel[6], "kg/cm2"},
        {"Esfuerzo cortante en la punta", panel[7], "kg/cm2"},
        {"Momento en la base del Muro", QString::fromStdString(refuerzo.momMuro), "t·m"},
        {"Refuerzo en la base del muro", QString::fromStdString(refuerzo.area[0]), "cm2/m"},
        {"Momento en la punta", QString::fromStdString(refuerzo.momPunta), "t·m"},
        {"Refuerzo en la punta", QString::fromStdString(refuerzo.area[5]), "cm2/m"},
        {"Momento en el talón", QString::fromStdString(refuerzo.momTalon), "t·m"},
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
    EXPECT_EQ(ValorDeFila(doc, PaginaDe(doc, "Resultados del analisis"),
                          "Presión sobre el terreno en la punta"),
              "2.50");
    EXPECT_EQ(ValorDeFila(doc, 0, "Espesor del muro en la corona"), "0.35");
}

TEST(ReportContent, ValuesThatCannotBeComputedShowEmptyAndTheBuildGoesOn) {
    Muro muro;
    ReportInputs in = muro.Entradas();
    in.estado.PeraltZap = 0;
    in.estado.FsVuelco = std::numeric_limits<float>::quiet_NaN();
    in.barras[GruposBarras::ZapataLongitudinal] = "ø 3/8\" a 0.00";
    in.barras[GruposBarras::MuroInteriorHorizontal] = "";
    const PageDocument doc = Construye(in);
    ASSERT_GE(doc.pageCount(), 6);
    const int r = PaginaDe(doc, "Resultados del analisis");
    EXPECT_EQ(ValorDeFila(doc, r, "Esfuerzo cortante en la punta"), "");
    EXPECT_EQ(ValorDeFila(doc, r, "Esfuerzo cortante en el talón"), "");
    EXPECT_EQ(ValorDeFila(doc, r, "Factor de seguridad al vuelco"), "");
    EXPECT_EQ(UnidadDeFila(doc, r, "Esfuerzo cortante en el talón"), "kg/cm2");
    EXPECT_EQ(ValorDeFila(doc, r, "Esfuerzo cortante admisible"), "6.53");
    EXPECT_TRUE(TieneDibujo(doc, doc.pageCount() - 1));
    // The Memoria cannot judge what has no value: it fails.
    const int memoria = PaginaDe(doc, "Estabilidad");
    EXPECT_EQ(CeldasDeFila(doc, memoria, "Factor de seguridad al vuelco"),
              (QStringList{"Factor de seguridad al vuelco", "≥ 1.50", "-", "No cumple"}));
    const QRegularExpression noNumero("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const TextItem* t : Textos(doc, p))
            EXPECT_FALSE(t->text.contains(noNumero)) << t->text.toStdString();
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
        const TextItem* pie = Busca(doc, 0, QStringLiteral("Página 1 de %1").arg(doc.pageCount()));
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
    const TextItem* pie = Busca(doc, 1, QStringLiteral("Página 2 de %1").arg(doc.pageCount()));
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
    // The drawing's texts are in the text style's font and colour, at the drawing's scale.
    const TextItem* muroTexto = Busca(doc, doc.pageCount() - 1, "MURO");
    ASSERT_NE(muroTexto, nullptr);
    EXPECT_EQ(muroTexto->font.family, "Times New Roman");
    EXPECT_EQ(muroTexto->color, QColor(Qt::darkRed));
}

TEST(ReportContent, WholeReportToPdfWithTheWindowsHeaderAndFooter) {
    Muro muro;
    ReportInputs in = EntradasPorDefecto(muro.estado, "Proyecto K1", muro.Entradas().barras);
    EXPECT_EQ(in.encabezado, "&T||&D");
    EXPECT_EQ(in.pie, "&A||Página &P de &N");
    EXPECT_EQ(in.titulo, "Proyecto K1");
    muro.estado.Encabezado = "Propio";
    EXPECT_EQ(EntradasPorDefecto(muro.estado, "Proyecto K1", in.barras).encabezado,
              "Propio");

    QTemporaryDir dir;
    const std::string ruta = dir.filePath("muro.pdf").toStdString();
    EXPECT_EQ(EscribeReportePdf(ruta, in), "");
    QFile f(QString::fromStdString(ruta));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    PageSetup papel = SetupA4();
    papel.paper = DefaultPaperCode();
    EXPECT_EQ(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")),
              Construye(in, papel).pageCount());
    EXPECT_NE(EscribeReportePdf(dir.filePath("no/hay/muro.pdf").toStdString(), in), "");
    EXPECT_NE(EscribeReportePdf("", in), "");
}

}  // namespace
}  // namespace tarelvo::test
