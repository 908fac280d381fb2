// Walls for the report tests, checked as the program would check them, and queries on the
// display lists the report composes.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <QString>

#include "cli/headless_window.h"
#include "engine/bar_groups.h"
#include "report/page_document.h"
#include "report/report_inputs.h"

// GoogleTest prints texts as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tarelvo::test {

// A wall being set up: the window's fields, the project state, the bars.
struct Muro {
    HeadlessWindow ventana;
    ProjectState estado;
    GruposBarras grupos;

    Muro();  // the wall as the program starts, checked
    // The wall with Name=value pairs typed as tarelvo-calc takes them, checked, its bars laid
    // out.
    explicit Muro(std::initializer_list<std::pair<const char*, const char*>> pares);
    // Checks the wall again, with the footing designed first when asked, and lays out the
    // bars as "&Refuerzo" does.
    void Chequea(bool disena = false);
    // The report's inputs, both parts chosen, header and footer as the window offers them.
    ReportInputs Entradas() const;
};

// A page setup on A4 with one-inch margins and the PDF device, the same on every machine.
PageSetup SetupA4();

// The texts of the cells on the row of a table whose first cell is `caption`, left to right;
// empty when there is no such row.
QStringList CeldasDeFila(const PageDocument& doc, int pagina, const QString& caption);

// All texts of a page (from 0), in drawing order.
std::vector<const TextItem*> Textos(const PageDocument& doc, int pagina);
// The first text of a page that equals `text`, or nullptr.
const TextItem* Busca(const PageDocument& doc, int pagina, const QString& text);
// The value and the unit on the row of a report table whose caption is `caption`; empty when
// the row has none.
QString ValorDeFila(const PageDocument& doc, int pagina, const QString& caption);
QString UnidadDeFila(const PageDocument& doc, int pagina, const QString& caption);
// The page (from 0) holding the text, or -1.
int PaginaDe(const PageDocument& doc, const QString& text);

template <class T>
std::vector<const T*> Items(const PageDocument& doc, int pagina) {
    std::vector<const T*> out;
    for (const PageItem& item : doc.pages()[static_cast<std::size_t>(pagina)].items)
        if (const T* t = std::get_if<T>(&item)) out.push_back(t);
    return out;
}

// Every pair of texts on the page whose boxes overlap, each named by its two texts.
std::vector<std::string> Encimados(const Page& p);

}  // namespace tarelvo::test
