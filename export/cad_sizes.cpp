#include "export/cad_sizes.h"

#include <algorithm>
#include <cmath>

namespace tarelvo {

namespace {
// The CAD script's dimension settings, and the text height they go with.
constexpr double kTextoGuion = 0.03;
constexpr double kFlechaGuion = 0.03;
constexpr double kHuecoGuion = 0.02;
constexpr double kProlongaGuion = 0.07;
constexpr double kSeparaGuion = 0.0625;
// Text heights are whole multiples of this, so that the values in the file stay tidy.
constexpr double kPasoTexto = 0.005;
}  // namespace

TamanosCad TamanosParaDibujo(double ancho, double alto) {
    const double a = std::max(ancho, 0.0), b = std::max(alto, 0.0);
    // Landscape or portrait, whichever shows the drawing larger.
    const double apaisada = std::max(a / kHojaLargo, b / kHojaCorto);
    const double vertical = std::max(a / kHojaCorto, b / kHojaLargo);
    TamanosCad t;
    t.escala = std::min(apaisada, vertical);
    t.apaisada = apaisada <= vertical;
    const double pasos = std::ceil(kAlturaTextoPapel * t.escala / kPasoTexto - 1e-9);
    TamanosDeTexto(t, std::max(pasos, 1.0) * kPasoTexto);
    return t;
}

void TamanosDeTexto(TamanosCad& t, double texto) {
    t.texto = texto;
    const double f = t.texto / kTextoGuion;
    t.flecha = kFlechaGuion * f;
    t.hueco = kHuecoGuion * f;
    t.prolonga = kProlongaGuion * f;
    t.separa = kSeparaGuion;
}

}  // namespace tarelvo
