#include "export/bar_rows.h"

#include <cmath>

#include "common/number_text.h"

namespace tarelvo {

namespace {

bool EsInicioUtf8(char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double EspaciadoDe(std::string_view descripcion) {
    // Characters, not bytes: the descriptions are UTF-8 and may hold "ø" near the end.
    std::size_t inicio = descripcion.size();
    for (int caracteres = 0; caracteres < 4 && inicio > 0;) {
        --inicio;
        if (EsInicioUtf8(descripcion[inicio])) ++caracteres;
    }
    while (inicio > 0 && EsDigito(descripcion[inicio - 1])) --inicio;
    const double v = numtext::read(descripcion.substr(inicio));
    return std::isfinite(v) ? v : 0.0;
}

FilaBarras Fila(double largo, double espaciado, double margen) {
    FilaBarras f;
    const double espacio = largo - margen;
    f.separacion = std::isfinite(espacio) && espacio > 0 ? espacio : 0.0;
    if (!(espaciado > 0) || !std::isfinite(espaciado) || !std::isfinite(largo)) return f;

    const double cociente = std::floor(largo / espaciado);
    if (!(cociente >= 1)) return f;  // also NaN
    f.n = cociente >= kMaxPuntosFila - 1 ? kMaxPuntosFila : static_cast<int>(cociente) + 1;
    f.paso = espacio / (f.n - 1);
    f.separacion = espaciado;
    return f;
}

}  // namespace tarelvo
