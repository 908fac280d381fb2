// The wall's construction drawing: the section to scale with its ground, backfill, bars and
// key, every dimension the builder needs, the bars' marks with leaders, the title block with
// the scale, a scale bar and the notes, and, when the inputs carry it, the bar schedule.
#pragma once

#include "drawing/sheet_inputs.h"
#include "drawing/sheet_model.h"

namespace tarelvo {

// The scales the drawing is drawn at, the first at which it fits its paper; a wall too large
// for the last of them is drawn at the last.
constexpr int kEscalasLamina[] = {20, 25, 50, 75, 100, 150, 200, 250, 500};

// The drawing at the first scale it fits at. A wall that cannot be drawn (a length that is
// not a finite number, no footing) gives a drawing with nothing in it.
Lamina DibujaLamina(const DatosLamina& d);
// The drawing at a given scale.
Lamina DibujaLaminaA(const DatosLamina& d, int escala);

// How far the drawing puts the bars' lines from the concrete faces, m: 5 cm, less in a footing
// too thin to hold two mats at that distance.
double EjeBarrasDesdeCara(double altZap);

}  // namespace tarelvo
