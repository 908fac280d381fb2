// The progress line of a batch on standard error: rows done, rows per second and, when the size
// of the table is known, the time left. It shows only on a terminal, once the batch has run a
// second, and is rewritten a few times a second at most.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace tarelvo {

// The line's text; `total` 0 when the size is unknown. Never a number that is not finite.
std::string TextoProgreso(std::uint64_t filas, double segundos, std::uint64_t leidos,
                          std::uint64_t total);

class Progreso {
public:
    using Reloj = std::chrono::steady_clock;

    Progreso(std::ostream& err, bool activo, std::uint64_t total)
        : err_(err), activo_(activo), total_(total), inicio_(Reloj::now()) {}

    void Avanza(std::uint64_t filas, std::uint64_t leidos, Reloj::time_point ahora = Reloj::now());
    // Ends the line if one was shown.
    void Termina();

private:
    std::ostream& err_;
    bool activo_;
    std::uint64_t total_;
    Reloj::time_point inicio_, ultimo_{};
    bool mostrado_ = false;
    std::size_t largo_ = 0;
};

}  // namespace tarelvo
