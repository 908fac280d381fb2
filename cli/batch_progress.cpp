#include "cli/batch_progress.h"

#include <cmath>

namespace tarelvo {

std::string TextoProgreso(std::uint64_t filas, double segundos, std::uint64_t leidos,
                          std::uint64_t total) {
    std::string t = "Filas calculadas: " + std::to_string(filas);
    if (segundos > 0)
        t += "  (" + std::to_string(std::llround(static_cast<double>(filas) / segundos)) +
             " filas/s)";
    if (total > 0 && leidos > 0 && segundos > 0) {
        const double resto = leidos >= total ? 0.0
                                             : segundos * static_cast<double>(total - leidos) /
                                                   static_cast<double>(leidos);
        t += "  faltan " + std::to_string(std::llround(resto)) + " s";
    }
    return t;
}

void Progreso::Avanza(std::uint64_t filas, std::uint64_t leidos, Reloj::time_point ahora) {
    if (!activo_) return;
    const double segundos = std::chrono::duration<double>(ahora - inicio_).count();
    if (segundos < 1.0) return;
    if (mostrado_ && ahora - ultimo_ < std::chrono::milliseconds(250)) return;
    std::string t = TextoProgreso(filas, segundos, leidos, total_);
    const std::size_t largo = t.size();
    // Blanks over what a longer line left.
    if (largo < largo_) t.append(largo_ - largo, ' ');
    err_ << '\r' << t << std::flush;
    largo_ = largo;
    ultimo_ = ahora;
    mostrado_ = true;
}

void Progreso::Termina() {
    if (mostrado_) err_ << '\n' << std::flush;
    mostrado_ = false;
}

}  // namespace tarelvo
