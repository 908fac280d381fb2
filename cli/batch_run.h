// tarelvo-calc --batch: a table of walls, one a row, read, computed and written as it streams,
// with a bounded window of rows in flight shared among the threads. Rows never influence one
// another and come out in their input order, so the output is the same for any number of
// threads.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace tarelvo {

struct PedidoLote {
    std::string entrada;    // the table's file, "-" for the standard input
    bool diseno = false;    // --design
    int trabajos = 1;       // threads
    bool progreso = false;  // standard error is a terminal
};

// The longest line a table may hold, and the most rows and bytes of input in flight at once.
constexpr std::size_t kMaxLineaLote = 1 << 20;
constexpr std::size_t kFilasEnVuelo = 1024;
constexpr std::size_t kBytesEnVuelo = 4 << 20;

// Returns 0 when every row was computed; 2 with nothing written when the table cannot be read
// (its file, its header); 3 when some row's Error column holds a message; 4 when the results
// could not be written. The messages go to `err`.
int EjecutaLote(const PedidoLote& pedido, std::ostream& out, std::ostream& err);

// The same on a stream already open: `nombre` names it in the messages, `tamano` is its size in
// bytes for the time left, 0 when unknown.
int EjecutaLote(std::istream& in, const std::string& nombre, std::uint64_t tamano,
                const PedidoLote& pedido, std::ostream& out, std::ostream& err);

}  // namespace tarelvo
