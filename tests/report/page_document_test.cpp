// The page component: paragraphs and tables flowing within the margins and across pages,
// headers and footers, page borders, polygons from text, paper sizes.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/devices.h"
#include "report/page_document.h"
#include "report/text_metrics.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

double Ancho(const TextItem* t) { return TextWidth(t->font, t->text); }

TEST(PageDocument, ParagraphsWrapWithinTheMarginsAndBreakPages) {
    PageDocument doc(SetupA4());
    doc.startDoc();
    doc.paragraphFormat = {300, 200, 0, 100};
    QStringList palabras;
    for (int i = 0; i < 900; ++i) palabras << QStringLiteral("palabra%1").arg(i);
    doc.paragraph(palabras.join(' '));
    doc.endDoc();

    ASSERT_GT(doc.pageCount(), 1);
    const double lineHeight = LineHeight(doc.font);
    QStringList leidas;
    bool primera = true;
    for (int p = 0; p < doc.pageCount(); ++p) {
        for (const TextItem* t : Textos(doc, p)) {
            EXPECT_DOUBLE_EQ(t->x, doc.flowLeft() + (primera ? 300 : 200));
            EXPECT_LE(t->x + Ancho(t), doc.flowRight() + 0.5);
            EXPECT_GE(t->y, doc.flowTop());
            EXPECT_LE(t->y + lineHeight, doc.flowBottom() + 0.5);
            leidas << t->text;
            primera = false;
        }
    }
    // Every word arrives, in order, none cut.
    EXPECT_EQ(leidas.join(' '), palabras.join(' '));
}

TEST(PageDocument, TableRowsFlowAcrossPagesWholeAndAligned) {
    PageSetup setup = SetupA4();
    setup.top = setup.bottom = 6000;  // room for a few rows only
    PageDocument doc(setup);
    doc.startDoc();
    doc.tableBorder = 4;
    QStringList filas;
    for (int i = 0; i < 40; ++i)
        filas << QStringLiteral("Fila %1|%2|m").arg(i).arg(i % 2 ? "1.00" : "120.00");
    doc.addTable("<_3800|>_800|<_1200", "Concepto|Valor|Unidad", filas.join(';'));
    doc.endDoc();

    ASSERT_GT(doc.pageCount(), 2);
    double derecha = -1;
    int vistas = 0;
    for (int p = 0; p < doc.pageCount(); ++p) {
        // The header row starts every page the table reaches.
        const TextItem* cabecera = Busca(doc, p, "Concepto");
        ASSERT_NE(cabecera, nullptr) << "page " << p;
        EXPECT_TRUE(cabecera->font.bold);
        for (const TextItem* t : Textos(doc, p)) {
            EXPECT_GE(t->y, doc.flowTop());
            EXPECT_LE(t->y + LineHeight(t->font), doc.flowBottom());
            if (!t->text.startsWith("Fila")) continue;
            EXPECT_EQ(t->text, QStringLiteral("Fila %1").arg(vistas)) << "rows keep their order";
            EXPECT_DOUBLE_EQ(t->x, cabecera->x);
            // The value sits on the caption's line, right-aligned in its column.
            const QString valor = ValorDeFila(doc, p, t->text);
            EXPECT_EQ(valor, vistas % 2 ? "1.00" : "120.00");
            for (const TextItem* v : Textos(doc, p))
                if (v->text == valor && std::abs(v->y - t->y) < 1) {
                    if (derecha < 0) derecha = v->x + Ancho(v);
                    EXPECT_NEAR(v->x + Ancho(v), derecha, 0.5);
                    EXPECT_LE(derecha, t->x + 3800 + 800);
                    EXPECT_GT(v->x, t->x + 3800);
                }
            ++vistas;
        }
        // The box closes round the rows of each page.
        const auto lineas = Items<LineItem>(doc, p);
        EXPECT_EQ(lineas.size(), 4u) << "page " << p;
    }
    EXPECT_EQ(vistas, 40);
}

TEST(PageDocument, CellTooNarrowForItsTextWrapsAndTheRowGrows) {
    PageDocument doc(SetupA4());
    doc.startDoc();
    doc.addTable("<_1500|<_800", "", "una leyenda larga que no cabe|x;siguiente|y");
    const TextItem* una = Busca(doc, 0, "una leyenda");
    const TextItem* siguiente = Busca(doc, 0, "siguiente");
    ASSERT_NE(una, nullptr);
    ASSERT_NE(siguiente, nullptr);
    int lineas = 0;
    for (const TextItem* t : Textos(doc, 0))
        if (t->x == una->x && t->y < siguiente->y) ++lineas;
    EXPECT_GE(lineas, 2);
    for (const TextItem* t : Textos(doc, 0)) {
        if (t->x == una->x) {
            EXPECT_LE(t->x + Ancho(t), una->x + 1500);
        }
    }
}

TEST(PageDocument, HeaderAndFooterSplitInThreeWithThePageNumberAndTheirOwnStyle) {
    PageDocument doc(SetupA4());
    int antesCabecera = 0, antesPie = 0;
    doc.beforeHeader = [&](PageDocument& d) {
        ++antesCabecera;
        d.headerFont.size = 14;
        d.headerColor = Qt::blue;
    };
    doc.beforeFooter = [&](PageDocument& d) {
        ++antesPie;
        d.headerFont.size = 8;
        d.headerColor = Qt::red;
    };
    doc.startDoc();
    doc.header = "Izquierda|Centro|Pagina %d de otra linea\nsegunda";
    doc.footer = "||Pag %d";
    doc.newPage();
    doc.endDoc();

    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(antesCabecera, 2);
    EXPECT_EQ(antesPie, 2);
    const TextItem* izq = Busca(doc, 1, "Izquierda");
    const TextItem* centro = Busca(doc, 1, "Centro");
    const TextItem* der = Busca(doc, 1, "Pagina 2 de otra linea");
    const TextItem* segunda = Busca(doc, 1, "segunda");
    const TextItem* pie = Busca(doc, 1, "Pag 2");
    ASSERT_TRUE(izq && centro && der && segunda && pie);
    EXPECT_NE(Busca(doc, 0, "Pag 1"), nullptr);

    EXPECT_DOUBLE_EQ(izq->x, doc.flowLeft());
    EXPECT_NEAR(centro->x + Ancho(centro) / 2, (doc.flowLeft() + doc.flowRight()) / 2, 0.5);
    EXPECT_NEAR(der->x + Ancho(der), doc.flowRight(), 0.5);
    EXPECT_NEAR(pie->x + Ancho(pie), doc.flowRight(), 0.5);
    // The header stands in the top margin, its second line under the first; the footer in
    // the bottom margin.
    EXPECT_GT(segunda->y, der->y);
    EXPECT_LE(segunda->y + LineHeight(segunda->font), doc.flowTop());
    EXPECT_GE(pie->y, doc.flowBottom());
    EXPECT_EQ(izq->font.size, 14);
    EXPECT_EQ(izq->color, QColor(Qt::blue));
    EXPECT_EQ(pie->font.size, 8);
    EXPECT_EQ(pie->color, QColor(Qt::red));
    EXPECT_EQ(izq->role, TextRole::Header);
    EXPECT_EQ(pie->role, TextRole::Footer);
}

TEST(PageDocument, LongHeadersWrapWithinTheMarginsAndAreCutWhenTheMarginIsFull) {
    // A title far wider than the page, and a page number on the right.
    QString titulo;
    for (int i = 0; i < 15; ++i) titulo += QStringLiteral("Muro%1 Norte ").arg(i);
    PageDocument doc(SetupA4());
    doc.headerFont = PageFont{"Arial", 12, true};
    doc.header = titulo + "||Pag %d";
    doc.footer = "Pie " + titulo + titulo + titulo + titulo + titulo + titulo + titulo;
    doc.startDoc();
    doc.endDoc();

    std::vector<const TextItem*> cabecera, pie;
    for (const TextItem* t : Textos(doc, 0))
        (t->role == TextRole::Header ? cabecera : pie).push_back(t);
    ASSERT_GT(cabecera.size(), 2u);
    const TextItem* numero = Busca(doc, 0, "Pag 1");
    ASSERT_NE(numero, nullptr);
    QString junto;
    for (const TextItem* t : cabecera) {
        const QRectF caja(t->x, t->y, Ancho(t), LineHeight(t->font));
        EXPECT_GE(caja.left(), doc.flowLeft() - 0.5);
        EXPECT_LE(caja.right(), doc.flowRight() + 0.5) << t->text.toStdString();
        EXPECT_GE(caja.top(), 0);
        EXPECT_LE(caja.bottom(), doc.flowTop());
        if (t == numero) continue;
        // Clear of the page number on the right.
        EXPECT_FALSE(caja.intersects(QRectF(numero->x, numero->y, Ancho(numero),
                                            LineHeight(numero->font))))
            << t->text.toStdString();
        junto += t->text + " ";
    }
    // Nothing of the title is lost while the margin has room for it.
    EXPECT_EQ(junto.simplified().toStdString(), titulo.simplified().toStdString());

    // Five titles do not fit in the bottom margin: the last line that does ends in "…".
    ASSERT_FALSE(pie.empty());
    for (const TextItem* t : pie) {
        EXPECT_LE(t->x + Ancho(t), doc.flowRight() + 0.5);
        EXPECT_LE(t->y + LineHeight(t->font), doc.pageHeight() + 0.5);
        EXPECT_GE(t->y, doc.flowBottom());
    }
    EXPECT_TRUE(pie.back()->text.endsWith(QChar(0x2026))) << pie.back()->text.toStdString();
}

TEST(PageDocument, PageBorderStyles) {
    // Style: lines, and whether one runs above and one below the body.
    const struct {
        int style;
        std::size_t lines;
        bool above, below;
    } casos[] = {{0, 0, false, false}, {1, 1, false, true}, {2, 1, true, false},
                 {3, 2, true, true},   {4, 4, true, true}};
    for (const auto& c : casos) {
        PageSetup setup = SetupA4();
        setup.border = c.style;
        PageDocument doc(setup);
        doc.startDoc();
        doc.endDoc();
        const auto lines = Items<LineItem>(doc, 0);
        EXPECT_EQ(lines.size(), c.lines) << "style " << c.style;
        bool above = false, below = false;
        for (const LineItem* l : lines) {
            if (l->from.y() == l->to.y() && l->from.y() < doc.flowTop()) above = true;
            if (l->from.y() == l->to.y() && l->from.y() > doc.flowBottom()) below = true;
        }
        EXPECT_EQ(above, c.above) << "style " << c.style;
        EXPECT_EQ(below, c.below) << "style " << c.style;
    }
}

TEST(PageDocument, PolygonFromTextTakesSignedNumbersInPairs) {
    PageDocument doc(SetupA4());
    doc.startDoc();
    doc.polygon(QStringLiteral(" 10 20-5.5 30 40 50 7"));
    doc.polygon(QStringLiteral(" 1 2"));  // one point: no polygon
    doc.polygon(QStringLiteral(""));
    const auto polys = Items<PolygonItem>(doc, 0);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0]->points,
              QPolygonF({QPointF(10, 20), QPointF(-5.5, 30), QPointF(40, 50)}));
}

TEST(PaperAndDevices, PaperCodesGiveTheirSizesBothWaysRound) {
    PageSetup s;
    s.paper = kPaperLetter;
    EXPECT_NEAR(PageWidth(s), 12240, 0.5);
    EXPECT_NEAR(PageHeight(s), 15840, 0.5);
    s.paper = kPaperA4;
    s.orientation = 1;
    EXPECT_NEAR(PageWidth(s), 16838, 1);
    EXPECT_NEAR(PageHeight(s), 11906, 1);
    s.paper = 4;  // Ledger, wider than tall by its own definition, stands upright in portrait
    s.orientation = 0;
    EXPECT_NEAR(PageWidth(s), 15840, 0.5);
    EXPECT_NEAR(PageHeight(s), 24480, 0.5);
    s.paper = kPaperCustom;
    s.customPaper = QSizeF(7200, 10080);
    EXPECT_DOUBLE_EQ(PageWidth(s), 7200);

    for (int code : {0, 48, 49, 69, 255}) {
        EXPECT_TRUE(PaperName(code).isEmpty()) << code;
        EXPECT_FALSE(PaperTwips(code, QSizeF(1, 1))) << code;
        EXPECT_FALSE(DeviceSupportsPaper(kPdfDevice, code)) << code;
    }
    for (int code = 1; code <= kPaperLast; ++code) {
        if (code != 48 && code != 49) {
            EXPECT_TRUE(PaperTwips(code, QSizeF())) << code;
        }
    }
    EXPECT_EQ(PaperName(22), "Envelope #12 4 \\276 x 11");
    EXPECT_EQ(PaperName(kPaperCustom), "Custom");
    EXPECT_EQ(PaperCodeOf(QPageSize(QPageSize::A4)), kPaperA4);

    EXPECT_EQ(DeviceNames().last(), kPdfDevice);
    EXPECT_TRUE(DeviceSupportsPaper(kPdfDevice, kPaperCustom));
    EXPECT_FALSE(DeviceSupportsPaper("Impresora que no existe", kPaperA4));
    EXPECT_FALSE(PaperName(DefaultPaperCode()).isEmpty());
}

}  // namespace
}  // namespace tarelvo::test
