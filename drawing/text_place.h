// The one routine that places the drawing's texts: what is drawn stands in the way (lines,
// dots and the texts placed before), and a text takes the first of its candidate places that
// crosses none of it; failing all, the free place nearest its first choice, with a leader to
// what it names that crosses no text.
#pragma once

#include <vector>

#include "drawing/sheet_model.h"

namespace tarelvo {

class Ocupacion {
public:
    void Traza(const TrazoLamina& t) { trazos_.push_back(t); }
    void Punto(const PuntoLamina& p) { cajas_.push_back({p.x - p.radio, p.y - p.radio, p.x + p.radio, p.y + p.radio}); }
    void Ocupa(const CajaLamina& c) {
        cajas_.push_back(c);
        textos_.push_back(c);
    }

    // Crossing nothing once grown by `holgura` on every side.
    bool Libre(const CajaLamina& c, double holgura) const;
    // A line that enters no text.
    bool LineaLibre(double x1, double y1, double x2, double y2) const;
    // The first free candidate; -1 when none is.
    int Elige(const std::vector<CajaLamina>& candidatos, double holgura) const;
    // A free box of `ancho` by `alto` as near `cerca` as the search finds, in rings round it,
    // whose leader from its nearest point to (ax, ay) enters no text; with `conGuia` false the
    // leader is not asked for.
    CajaLamina Busca(double ancho, double alto, double cx, double cy, double ax, double ay,
                     double holgura, bool conGuia) const;

private:
    std::vector<TrazoLamina> trazos_;
    std::vector<CajaLamina> cajas_;   // texts and dots
    std::vector<CajaLamina> textos_;  // texts only
};

// Whether the segment enters the box's inside.
bool CruzaCaja(double x1, double y1, double x2, double y2, const CajaLamina& c);

}  // namespace tarelvo
