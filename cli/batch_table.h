// The table of a batch: its header, which names the values each row gives, and the header of
// the table of results, which repeats them and adds what each wall gives back.
#pragma once

#include <string>
#include <vector>

#include "cli/csv_dialect.h"

namespace tarelvo {

struct TablaLote {
    DialectoCsv dialecto;
    bool conId = false;                // the first column is "Id"
    std::vector<std::string> nombres;  // the values given, in their columns' order
    bool diseno = false;               // --design: the footing is designed first

    // A table that gives the earthquake coefficient gets the earthquake case's results too.
    bool conSismo() const {
        for (const std::string& n : nombres)
            if (n == "Kh") return true;
        return false;
    }

    std::size_t columnas() const { return nombres.size() + (conId ? 1 : 0); }
};

// Reads the header line (its byte-order mark already removed). Returns the message for a header
// that cannot be used: empty, a quote left open, an empty or unknown name, a name given twice,
// "Id" other than first.
std::string LeeEncabezado(const std::string& linea, TablaLote& tabla);

// The header of the results, in the table's form, with its line break.
std::string EncabezadoResultados(const TablaLote& tabla);

// The names of the columns the results add, in their order.
std::vector<std::string> ColumnasDeResultados(const TablaLote& tabla);

}  // namespace tarelvo
