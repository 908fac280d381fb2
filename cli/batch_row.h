// One row of a batch: the wall of the start-up project with the row's own values, taken through
// the same steps as tarelvo-calc takes a single wall, and its line of results.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/batch_table.h"
#include "cli/headless_window.h"

namespace tarelvo {

// The start-up project as the window opens on it, checked: every row starts from a copy.
struct ArranqueLote {
    ProjectState s;
    HeadlessWindow w;
    ArranqueLote() { w.Arranque(s); }
};

// The line of results of one row of the table, which began on line `numeroDeLinea` of the
// file, with its line break. `conError` says the row's Error column holds a message.
std::string FilaDeResultados(const ArranqueLote& arranque, const TablaLote& tabla,
                             std::string_view linea, std::uint64_t numeroDeLinea, bool& conError);

// The line of results of a row that could not be read at all: its inputs empty and `mensaje`
// in its Error column.
std::string FilaIlegible(const TablaLote& tabla, const std::string& mensaje);

}  // namespace tarelvo
