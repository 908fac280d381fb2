// The default project's wall as the drawing sees it: its lengths, program-wide height and
// footing width, and the default bar descriptions.
#pragma once

#include "export/wall_drawing.h"

namespace prueba {

inline tarelvo::EntradaDibujo MuroPorDefecto() {
    tarelvo::EntradaDibujo e;
    e.altZap = "0.25", e.punta = "0.30", e.altura = "1.00", e.ancho = "0.20", e.centro = "0.20";
    e.talon = "0.30";
    e.dsz = "0.50", e.altDent = "0.50", e.anchDent = "0.20";
    e.Altura = 1.0f, e.Base = 0.8f;
    e.barras = {"ø 1/2\" a 0.30", "ø 3/8\" a 0.30", "ø 3/8\" a 0.30", "ø 3/8\" a 0.30",
                "ø 1/2\" a 0.28", "ø 1/2\" a 0.28", "ø 3/8\" a 0.26"};
    return e;
}

}  // namespace prueba
