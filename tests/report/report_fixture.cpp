#include "report_fixture.h"

#include <cmath>

#include <gtest/gtest.h>

#include <algorithm>

#include "cli/calc_pairs.h"
#include "engine/reinforcement_layout.h"
#include "report/label_space.h"

namespace tarelvo::test {

Muro::Muro() {
    ventana.Arranque(estado);
    Chequea();
}

Muro::Muro(std::initializer_list<std::pair<const char*, const char*>> pares) {
    ventana.Arranque(estado);
    ParesDados dados;
    std::vector<std::string> avisos;
    for (const auto& [nombre, valor] : pares)
        EXPECT_EQ(AplicaPar(nombre, valor, estado, ventana, dados), "") << nombre;
    CierraPares(estado, ventana, dados, avisos);
    Chequea();
}

void Muro::Chequea(bool disena) {
    if (disena) Calcular(estado, ventana, ventana);
    ChequeaMuro(estado, ventana, ventana);
    grupos.PreseleccionaBarras(estado);
    DistribuyeRefuerzo(estado, grupos, estado.Titulo);
}

ReportInputs Muro::Entradas() const {
    ReportInputs in;
    in.estado = estado;
    for (int g = 0; g < GruposBarras::kGrupos; ++g)
        in.barras[static_cast<std::size_t>(g)] = grupos.etiqueta(g);
    in.encabezado = EncabezadoInicial(estado);
    in.titulo = QStringLiteral("Muro M1");
    in.fecha = QStringLiteral("01/02/2024");
    in.pie = PieInicial(estado);
    return in;
}

PageSetup SetupA4() {
    PageSetup s;
    s.device = QStringLiteral("Archivo PDF");
    s.paper = kPaperA4;
    return s;
}

std::vector<const TextItem*> Textos(const PageDocument& doc, int pagina) {
    return Items<TextItem>(doc, pagina);
}

const TextItem* Busca(const PageDocument& doc, int pagina, const QString& text) {
    for (const TextItem* t : Textos(doc, pagina))
        if (t->text == text) return t;
    return nullptr;
}

QString ValorDeFila(const PageDocument& doc, int pagina, const QString& caption) {
    const TextItem* c = Busca(doc, pagina, caption);
    if (!c) return QStringLiteral("<no caption>");
    // Captions and units start the same way in their columns, 3800 + 800 twips apart; the
    // value lies between them. A row without a value has nothing there.
    for (const TextItem* t : Textos(doc, pagina))
        if (t->role == TextRole::Cell && std::abs(t->y - c->y) < 1 && t->x > c->x + 3000 &&
            t->x < c->x + 4600 - 1)
            return t->text;
    return QString();
}

QString UnidadDeFila(const PageDocument& doc, int pagina, const QString& caption) {
    const TextItem* c = Busca(doc, pagina, caption);
    if (!c) return QStringLiteral("<no caption>");
    for (const TextItem* t : Textos(doc, pagina))
        if (t->role == TextRole::Cell && std::abs(t->y - c->y) < 1 &&
            std::abs(t->x - (c->x + 4600)) < 1)
            return t->text;
    return QString();
}

QStringList CeldasDeFila(const PageDocument& doc, int pagina, const QString& caption) {
    const TextItem* c = Busca(doc, pagina, caption);
    if (!c) return {};
    std::vector<const TextItem*> fila;
    for (const TextItem* t : Textos(doc, pagina))
        if (t->role == TextRole::Cell && std::abs(t->y - c->y) < 1) fila.push_back(t);
    std::sort(fila.begin(), fila.end(), [](auto* a, auto* b) { return a->x < b->x; });
    QStringList celdas;
    for (const TextItem* t : fila) celdas << t->text;
    return celdas;
}

int PaginaDe(const PageDocument& doc, const QString& text) {
    for (int p = 0; p < doc.pageCount(); ++p)
        if (Busca(doc, p, text)) return p;
    return -1;
}

std::vector<std::string> Encimados(const Page& p) {
    std::vector<QRectF> cajas;
    std::vector<std::string> nombres, encimados;
    for (const PageItem& i : p.items)
        if (auto* t = std::get_if<TextItem>(&i); t && !t->text.isEmpty()) {
            cajas.push_back(CajaTexto(*t).adjusted(2, 2, -2, -2));
            nombres.push_back(t->text.toStdString());
        }
    for (std::size_t i = 0; i < cajas.size(); ++i)
        for (std::size_t j = i + 1; j < cajas.size(); ++j)
            if (cajas[i].intersects(cajas[j])) encimados.push_back(nombres[i] + " / " + nombres[j]);
    return encimados;
}

}  // namespace tarelvo::test
