// Small helpers the wall drawing procedures share: reading a field's text, the float32
// mid-point, and the row of each group of dots.
#pragma once

#include <string>

#include "common/number_text.h"
#include "export/bar_rows.h"
#include "export/wall_drawing.h"

namespace tarelvo::dibujo {

// Cover of the bars and the offsets of the dots from the concrete faces.
constexpr double kRecub = 0.03;
constexpr double kPunto = 0.0425;      // dot centre inside a face
constexpr double kRadioPunto = 0.0125;  // dot centre from its bar line

// A field's text in metres: its numeric prefix, 0 when it has none.
inline double Lee(const std::string& texto) { return numtext::read(texto); }

// a + (b - a) / 2 in float32.
inline float Medio(float a, float b) {
    const float mitad = (b - a) / 2.0f;
    return a + mitad;
}

inline double Dbl(float v) { return static_cast<double>(v); }

// The wall types that move a face; any other value draws the straight wall.
inline bool FrenteInclinado(const EntradaDibujo& e) { return e.TipoMuro == 1; }
inline bool DorsoInclinado(const EntradaDibujo& e) { return e.TipoMuro == 2; }

// How far an inclined face leans over the stem height: the foot's thickness less the top's
// (negative for a stem the analysis made thinner at its foot than at its top).
inline double Inclinacion(const EntradaDibujo& e) { return Lee(e.centro) - Lee(e.ancho); }
// The lean per metre of height, for the bars that follow the face past the stem's ends.
inline double Talud(const EntradaDibujo& e) {
    const double altura = Lee(e.altura);
    return altura > 0 ? Inclinacion(e) / altura : 0.0;
}

// The three rows of dots. The stem rows lose the bottom offset 0.025 and the top cover
// 0.0425; the footing row loses the offset 0.0425 at both ends.
inline FilaBarras FilaLongitudinal(const EntradaDibujo& e) {
    return Fila(e.Base, EspaciadoDe(e.barras[EntradaDibujo::Longitudinal]), 0.085);
}
inline FilaBarras FilaExterior(const EntradaDibujo& e) {
    return Fila(e.Altura, EspaciadoDe(e.barras[EntradaDibujo::ExteriorHorizontal]), 0.0675);
}
inline FilaBarras FilaInterior(const EntradaDibujo& e) {
    return Fila(e.Altura, EspaciadoDe(e.barras[EntradaDibujo::InteriorHorizontal]), 0.0675);
}

}  // namespace tarelvo::dibujo
