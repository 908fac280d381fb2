// The steps of the construction drawing, which share the wall's points and the placement.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "drawing/sheet_inputs.h"
#include "drawing/sheet_model.h"
#include "drawing/text_place.h"

namespace tarelvo::lamina {

// The wall's points, metres.
struct Puntos {
    double xF, xFt, xBt, xB, xT;  // front face at foot and top, back face at top and foot, heel end
    double yZ, yTop;              // footing top, stem top
    double xk0, xk1, yk;          // key sides and bottom (yk 0 without key)
    double cb;                    // from a face to a bar's line
    double suelo;                 // how far the front ground runs left of the toe
    double xRelleno;              // where the backfill line ends
    double yRellenoFin;
    double Frente(double y) const;  // front face's x at a height
    double Dorso(double y) const;   // back face's x at a height
};

// The dots of the bars seen end-on, by bar group (GruposBarras order), the footing's
// distribution bars top layer first; the key's two bars last.
constexpr std::size_t kFilaDentellon = GruposBarras::kGrupos;
using FilasDePuntos = std::array<std::vector<std::pair<double, double>>, GruposBarras::kGrupos + 1>;

struct Dibujo {
    const DatosLamina& d;
    Lamina& l;
    Ocupacion ocupa;
    Puntos p;
    double a;  // line height of a text, metres
    FilasDePuntos filas{};
    // What the marks and the soil's names fill, beside the wall: the dimensions stand outside it.
    CajaLamina llamadas{0, 0, 0, 0};

    void Linea(CapaLamina c, double x1, double y1, double x2, double y2);
    void Punto(CapaLamina c, double x, double y, double r);
    // A text in the box `caja`, which is taken.
    void Texto(CapaLamina c, const CajaLamina& caja, bool vertical, const std::string& t);
    // A text in the first free candidate, else in the nearest free place with a leader, on the
    // text's layer, to (ax, ay). Candidates are lower-left corners of a box `alto` high.
    void Coloca(CapaLamina c, const std::string& t, double alto,
                const std::vector<std::pair<double, double>>& candidatos, double ax, double ay,
                bool vertical = false);
};

Puntos CalculaPuntos(const DatosLamina& d, double a);
void Contorno(Dibujo& g);
void Terreno(Dibujo& g);
void Armadura(Dibujo& g);
void Cotas(Dibujo& g);
void Marcas(Dibujo& g);
// The names of the wall's parts, inside each part where they find room.
void Nombres(Dibujo& g);
void Rotulo(Dibujo& g);
void Planilla(Dibujo& g);

std::string Metros(double v);  // "0.30"
// With at most one decimal, none when it is 0: "15", "7.5".
std::string Decimal(double v);

}  // namespace tarelvo::lamina
